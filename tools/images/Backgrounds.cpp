#include "Noise.h"
#include "ScenePictures.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int size = 512;
// The picture is stretched over the whole screen; it is drawn for the default
// 5:4 display so round things stay round there. Units: the height is 1.
constexpr float aspect = 1.25f;

float smoothstep(float a, float b, float v) {
    const float t = clamp01((v - a) / (b - a));
    return t * t * (3 - 2 * t);
}

// Darkening towards the corners: 1 in the middle, 1 - strength at the corners.
float vignette(float u, float v, float strength) {
    const float dx = (u - aspect / 2) / (aspect / 2);
    const float dy = (v - 0.5f) / 0.5f;
    return 1 - strength * smoothstep(0.3f, 1.42f, std::sqrt(dx * dx + dy * dy));
}

// The picture with every pixel coloured by shade(u, v) at its centre.
template <class ShadeFn> Canvas shadeEach(ShadeFn shade) {
    Canvas canvas(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            canvas.setPixel(x, y, shade((x + 0.5f) / size * aspect, (y + 0.5f) / size));
    return canvas;
}

// Distance from (u, v) to the nearest arc of a wave-scale pattern: rows of
// overlapping concentric half-rings, each row half hidden by the row below.
float waveLineDistance(float u, float v, float radius) {
    const float rowStep = radius / 2;
    const int lastRow = static_cast<int>(std::floor((v + radius) / rowStep));
    const int firstRow = static_cast<int>(std::ceil((v - radius) / rowStep));
    for (int row = lastRow; row >= firstRow; --row) {
        const float cy = row * rowStep;
        const float shift = (row & 1) ? radius : 0;
        const float cx = std::round((u - shift) / (2 * radius)) * 2 * radius + shift;
        const float d = std::hypot(u - cx, v - cy);
        if (d < radius) {
            const float ringStep = radius / 4;
            const float nearest = std::round(d / ringStep) * ringStep;
            return std::abs(d - nearest);
        }
    }
    return radius;
}

} // namespace

Canvas feltBackground() {
    constexpr Color felt = rgb(22, 92, 56);
    return shadeEach([](float u, float v) {
        const float mottle = fractalNoise(u * 7, v * 7, 4, 11) - 0.5f;
        const float fibre = valueNoise(u * 260, v * 90, 23) - 0.5f;
        const float grain =
            latticeValue(static_cast<int>(u * 4000), static_cast<int>(v * 4000), 5) - 0.5f;
        const float light = 1 + 0.16f * mottle + 0.07f * fibre + 0.06f * grain;
        const float glow =
            1 + 0.18f * (1 - smoothstep(0, 0.7f, std::hypot(u - aspect / 2, v - 0.42f)));
        return felt * (light * glow * vignette(u, v, 0.62f));
    });
}

Canvas waterBackground() {
    constexpr Color top = rgb(18, 76, 92);
    constexpr Color bottom = rgb(10, 28, 62);
    return shadeEach([](float u, float v) {
        const Color base = mix(top, bottom, smoothstep(0, 1, v));
        const float pixel = 1.0f / size;
        const float line = waveLineDistance(u, v, 0.11f);
        const float ink = clamp01(0.5f - (line - 0.8f * pixel) / pixel);
        const float cloud = fractalNoise(u * 3, v * 3, 3, 41) - 0.5f;
        const Color c = base * (1 + 0.22f * cloud) + rgb(120, 200, 210) * (0.07f * ink);
        return c * vignette(u, v, 0.55f);
    });
}
