#pragma once

#include "Canvas.h"
#include "Shapes.h"

#include <functional>
#include <vector>

// The colour of a shape at a point, in sketch units: for gradients.
using Shade = std::function<Color(Point)>;
// The signed distance of a point to a shape, in sketch units.
using Distance = std::function<float(Point)>;

// Draws anti-aliased shapes on a canvas in units of the drawing's own choice:
// one unit is `scale` pixels, so the same drawing code serves every picture size.
// Edges are smoothed over one pixel from the shapes' signed distances.
class Sketch {
  public:
    Sketch(Canvas& canvas, float scale) : canvas_(canvas), scale_(scale) {}

    Canvas& canvas() { return canvas_; }
    float scale() const { return scale_; }
    // The size of the canvas in units.
    float width() const { return canvas_.width() / scale_; }
    float height() const { return canvas_.height() / scale_; }

    // Paints every pixel of the box [from, to] by its distance to a shape.
    void fill(Point from, Point to, const Distance& distance, const Shade& shade,
              float opacity = 1);
    // Paints the whole canvas with a shade (backgrounds).
    void cover(const Shade& shade);

    void disc(Point centre, float radius, Color c);
    void ring(Point centre, float radius, float lineWidth, Color c);
    void ellipse(Point centre, float rx, float ry, float angle, Color c);
    void capsule(Point a, Point b, float radius, Color c);
    void box(Point centre, float hw, float hh, float radius, Color c);
    void box(Point centre, float hw, float hh, float radius, const Shade& shade);
    // The outline of a rounded box: a line of lineWidth centred on the edge.
    void frame(Point centre, float hw, float hh, float radius, float lineWidth, Color c);
    void polygon(const std::vector<Point>& corners, Color c);
    // A quadratic curve from a to c pulled towards b, its width changing
    // linearly from startWidth to endWidth: stems, leaves, strokes.
    void curve(Point a, Point b, Point c, float startWidth, float endWidth, Color colour);
    // A pointed lens from base to tip, width across at its middle: petals, leaves.
    void leaf(Point base, Point tip, float width, Color c);

  private:
    Canvas& canvas_;
    float scale_;
};

Shade flat(Color c);
// A gradient from top (at y = top) to bottom (at y = bottom).
Shade vertical(Color top, Color bottom, float topY, float bottomY);
