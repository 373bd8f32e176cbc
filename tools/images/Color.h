#pragma once

#include <algorithm>

// A linear RGB colour with channels from 0 to 1 (values outside are clamped only
// when a picture is written).
struct Color {
    float r = 0;
    float g = 0;
    float b = 0;
};

// A colour from 8-bit channel values as a paint program shows them.
constexpr Color rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

constexpr Color operator+(Color a, Color b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
constexpr Color operator*(Color a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}

// a at t = 0, b at t = 1.
constexpr Color mix(Color a, Color b, float t) {
    return a * (1 - t) + b * t;
}

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}
