#include "Noise.h"
#include "ScenePictures.h"
#include "Shapes.h"
#include "TextPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

// The effect pictures are added to the frame (black adds nothing), so they are
// bright shapes on black, drawn four times larger and shrunk for smoothness.

namespace {

constexpr int finalSize = 64;
constexpr int drawSize = 256;

struct Ray {
    float angle;  // degrees
    float length; // in units of the picture's half width
    float width;  // degrees at the base
    int family;   // which colour the ray takes (0 or 1)
};

std::vector<Ray> rays(int count, std::uint32_t seed) {
    std::vector<Ray> result;
    for (int i = 0; i < count; ++i) {
        const float jitter = latticeValue(i, 0, seed) - 0.5f;
        const float length = 0.62f + 0.36f * latticeValue(i, 1, seed) * (i % 2 ? 0.6f : 1.0f);
        result.push_back({i * 360.0f / count + jitter * 10, i % 2 ? length * 0.75f : length,
                          i % 2 ? 9.0f : 14.0f, i % 2});
    }
    return result;
}

// Light of a burst at p (centre 0, half width 1), per ray family.
struct Light {
    float core = 0;
    float family[2] = {0, 0};
};

Light burstLight(Point p, const std::vector<Ray>& burst, float pixel) {
    Light light;
    const float r = std::hypot(p.x, p.y);
    light.core =
        std::exp(-(r / 0.24f) * (r / 0.24f)) + 0.35f * std::exp(-(r / 0.55f) * (r / 0.55f));
    for (const Ray& ray : burst) {
        const Point tip = polar({0, 0}, ray.length, ray.angle);
        const Point left = polar({0, 0}, 0.12f, ray.angle - ray.width);
        const Point right = polar({0, 0}, 0.12f, ray.angle + ray.width);
        const float d = polygonDistance(p, {{0, 0}, left, tip, right});
        const float coverage = clamp01(0.5f - d / pixel);
        const float fade = std::pow(clamp01(1 - r / ray.length), 0.6f);
        light.family[ray.family] = std::max(light.family[ray.family], coverage * fade);
    }
    return light;
}

// Black through the given colours to white as t goes from 0 to 1.
Color heat(Color deep, Color bright, float t) {
    t = clamp01(t);
    if (t < 0.4f)
        return deep * (t / 0.4f);
    if (t < 0.8f)
        return mix(deep, bright, (t - 0.4f) / 0.4f);
    return mix(bright, rgb(255, 255, 255), (t - 0.8f) / 0.2f);
}

// The burst drawn at the drawing size with one palette per ray family.
Canvas burstCanvas(const std::vector<Ray>& burst, Color deep0, Color bright0, Color deep1,
                   Color bright1, float strength) {
    Canvas canvas(drawSize, drawSize);
    const float pixel = 2.0f / drawSize;
    for (int y = 0; y < drawSize; ++y)
        for (int x = 0; x < drawSize; ++x) {
            const Point p{(x + 0.5f) * pixel - 1, (y + 0.5f) * pixel - 1};
            const Light l = burstLight(p, burst, pixel);
            const Color c = heat(deep0, bright0, (l.family[0] + l.core) * strength) +
                            heat(deep1, bright1, l.family[1] * strength);
            canvas.setPixel(x, y, c);
        }
    return canvas;
}

// A word across the burst: a black outline cuts it out of the light so the
// letters stand clear, and a soft glow in the burst's colour lifts them.
void letter(Canvas& canvas, const Font& font, std::u32string_view word, Color fill, Color glow) {
    const float width = font.measure(word, 100);
    const TextMask mask = font.render(word, 100 * drawSize * 0.9f / width);
    const Point centre{drawSize / 2.0f, drawSize / 2.0f};
    stampCentred(canvas, blurred(grown(mask, 10), 6), centre, glow, 0.9f);
    stampCentred(canvas, grown(mask, 9), centre, rgb(0, 0, 0));
    stampCentred(canvas, mask, centre, fill);
}

} // namespace

Canvas bangPicture() {
    Canvas canvas = burstCanvas(rays(16, 3), rgb(255, 150, 20), rgb(255, 236, 120),
                                rgb(255, 110, 10), rgb(255, 220, 90), 1.0f);
    return resampled(canvas, finalSize, finalSize);
}

Canvas comboPicture(const FontSet& fonts) {
    Canvas canvas = burstCanvas(rays(14, 7), rgb(230, 70, 0), rgb(255, 160, 30), rgb(200, 40, 0),
                                rgb(255, 120, 20), 0.85f);
    letter(canvas, *fonts.condensedBold, U"COMBO", rgb(255, 246, 200), rgb(255, 120, 0));
    return resampled(canvas, finalSize, finalSize);
}

Canvas turboPicture(const FontSet& fonts) {
    Canvas canvas = burstCanvas(rays(18, 13), rgb(0, 150, 220), rgb(90, 240, 255), rgb(200, 0, 180),
                                rgb(255, 90, 240), 0.85f);
    letter(canvas, *fonts.condensedBold, U"TURBO", rgb(240, 255, 255), rgb(0, 200, 255));
    return resampled(canvas, finalSize, finalSize);
}
