#include "Noise.h"

#include <cmath>

float latticeValue(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h >> 8) / 16777216.0f;
}

float valueNoise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    auto smooth = [](float t) { return t * t * (3 - 2 * t); };
    const float tx = smooth(x - fx);
    const float ty = smooth(y - fy);
    const float top = latticeValue(ix, iy, seed) * (1 - tx) + latticeValue(ix + 1, iy, seed) * tx;
    const float bottom =
        latticeValue(ix, iy + 1, seed) * (1 - tx) + latticeValue(ix + 1, iy + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

float fractalNoise(float x, float y, int octaves, std::uint32_t seed) {
    float sum = 0;
    float weight = 0.5f;
    float total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + i) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}
