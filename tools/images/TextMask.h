#pragma once

#include <vector>

// Rendered text as coverage values from 0 to 1, one per pixel, with the row of
// the baseline and the box that holds ink (right and bottom exclusive; empty
// when inkRight <= inkLeft, as for a space).
struct TextMask {
    int width = 0;
    int height = 0;
    int baseline = 0;
    int origin = 0;    // column where the pen started
    float advance = 0; // pen advance in pixels
    int inkLeft = 0;
    int inkTop = 0;
    int inkRight = 0;
    int inkBottom = 0;
    std::vector<float> coverage;

    float at(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height ? 0.0f : coverage[y * width + x];
    }
};

// The mask widened by radius pixels in every direction (the largest coverage
// within that distance): the outline behind a lettering.
TextMask grown(const TextMask& mask, int radius);
// The mask softened by three box passes of the given radius: a glow. The mask
// gets a margin of 3 * radius so the glow is not cut off.
TextMask blurred(const TextMask& mask, int radius);
