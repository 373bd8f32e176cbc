#include "TextPainter.h"

#include <cmath>

void stamp(Canvas& canvas, const TextMask& mask, int left, int top, Color c, float opacity) {
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            const float v = mask.coverage[y * mask.width + x];
            if (v > 0 && canvas.contains(left + x, top + y))
                canvas.blend(left + x, top + y, c, v * opacity);
        }
}

void stampCentred(Canvas& canvas, const TextMask& mask, Point centre, Color c, float opacity) {
    const float inkX = (mask.inkLeft + mask.inkRight) / 2.0f;
    const float inkY = (mask.inkTop + mask.inkBottom) / 2.0f;
    stamp(canvas, mask, static_cast<int>(std::lround(centre.x - inkX)),
          static_cast<int>(std::lround(centre.y - inkY)), c, opacity);
}

void textCentred(Sketch& sketch, const Font& font, std::u32string_view text, Point centre, float em,
                 Color c) {
    const TextMask mask = font.render(text, em * sketch.scale());
    stampCentred(sketch.canvas(), mask, {centre.x * sketch.scale(), centre.y * sketch.scale()}, c);
}

void textLine(Sketch& sketch, const Font& font, std::u32string_view text, Point start, float em,
              Color c) {
    const TextMask mask = font.render(text, em * sketch.scale());
    stamp(sketch.canvas(), mask,
          static_cast<int>(std::lround(start.x * sketch.scale())) - mask.origin,
          static_cast<int>(std::lround(start.y * sketch.scale())) - mask.baseline, c);
}

float textWidth(const Sketch& sketch, const Font& font, std::u32string_view text, float em) {
    return font.measure(text, em * sketch.scale()) / sketch.scale();
}
