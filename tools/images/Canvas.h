#pragma once

#include "Color.h"

#include <vector>

// A picture being drawn: width x height colours, row 0 at the top.
class Canvas {
  public:
    Canvas(int width, int height, Color fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Color pixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setPixel(int x, int y, Color c) { pixels_[index(x, y)] = c; }

    // Paints c over the pixel with the given coverage (0 leaves it, 1 replaces it).
    void blend(int x, int y, Color c, float coverage);
    // Adds c, scaled by amount, to the pixel: light on black.
    void addLight(int x, int y, Color c, float amount);

  private:
    int index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<Color> pixels_;
};

// The picture scaled to width x height by averaging the area of the source that
// each target pixel covers, so shrinking by any factor (whole or not) smooths
// edges instead of dropping detail. Both sizes must be at least 1.
Canvas resampled(const Canvas& source, int width, int height);
