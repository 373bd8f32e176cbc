#include "TextMask.h"

#include <algorithm>

namespace {

// A copy with margin empty pixels on every side; baseline and ink move along.
TextMask withMargin(const TextMask& mask, int margin) {
    TextMask out = mask;
    out.width = mask.width + 2 * margin;
    out.height = mask.height + 2 * margin;
    out.baseline += margin;
    out.origin += margin;
    out.inkLeft += margin;
    out.inkTop += margin;
    out.inkRight += margin;
    out.inkBottom += margin;
    out.coverage.assign(static_cast<size_t>(out.width) * out.height, 0.0f);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            out.coverage[(y + margin) * out.width + x + margin] = mask.at(x, y);
    return out;
}

// One box pass along x (dx = 1) or y (dy = 1).
void boxPass(TextMask& mask, int radius, int dx, int dy) {
    std::vector<float> out(mask.coverage.size());
    const float norm = 1.0f / (2 * radius + 1);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float sum = 0;
            for (int k = -radius; k <= radius; ++k)
                sum += mask.at(x + k * dx, y + k * dy);
            out[y * mask.width + x] = sum * norm;
        }
    mask.coverage = std::move(out);
}

} // namespace

TextMask grown(const TextMask& mask, int radius) {
    const TextMask source = withMargin(mask, radius);
    TextMask out = source;
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            float best = 0;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (dx * dx + dy * dy <= radius * radius)
                        best = std::max(best, source.at(x + dx, y + dy));
            out.coverage[y * out.width + x] = best;
        }
    out.inkLeft -= radius;
    out.inkTop -= radius;
    out.inkRight += radius;
    out.inkBottom += radius;
    return out;
}

TextMask blurred(const TextMask& mask, int radius) {
    TextMask out = withMargin(mask, 3 * radius);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(out, radius, 1, 0);
        boxPass(out, radius, 0, 1);
    }
    out.inkLeft -= 3 * radius;
    out.inkTop -= 3 * radius;
    out.inkRight += 3 * radius;
    out.inkBottom += 3 * radius;
    return out;
}
