#include "Canvas.h"

#include <cmath>

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::blend(int x, int y, Color c, float coverage) {
    Color& p = pixels_[index(x, y)];
    p = mix(p, c, clamp01(coverage));
}

void Canvas::addLight(int x, int y, Color c, float amount) {
    Color& p = pixels_[index(x, y)];
    p = p + c * amount;
}

namespace {

// Weights with which source cells [0, from) contribute to each of `to` target
// cells along one axis: target i covers the source interval [i*k, (i+1)*k).
struct Tap {
    int source;
    float weight;
};

std::vector<std::vector<Tap>> areaTaps(int from, int to) {
    std::vector<std::vector<Tap>> taps(to);
    const double k = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        const double start = i * k;
        const double end = (i + 1) * k;
        for (int s = static_cast<int>(std::floor(start)); s < end && s < from; ++s) {
            const double overlap = std::min<double>(end, s + 1) - std::max<double>(start, s);
            if (overlap > 1e-9)
                taps[i].push_back({s, static_cast<float>(overlap / k)});
        }
    }
    return taps;
}

} // namespace

Canvas resampled(const Canvas& source, int width, int height) {
    const auto across = areaTaps(source.width(), width);
    const auto down = areaTaps(source.height(), height);
    Canvas rows(width, source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < width; ++x) {
            Color sum;
            for (const Tap& t : across[x])
                sum = sum + source.pixel(t.source, y) * t.weight;
            rows.setPixel(x, y, sum);
        }
    Canvas result(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Color sum;
            for (const Tap& t : down[y])
                sum = sum + rows.pixel(x, t.source) * t.weight;
            result.setPixel(x, y, sum);
        }
    return result;
}
