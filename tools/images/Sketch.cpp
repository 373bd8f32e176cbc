#include "Sketch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void Sketch::fill(Point from, Point to, const Distance& distance, const Shade& shade,
                  float opacity) {
    const int x0 = std::max(0, static_cast<int>(std::floor(from.x * scale_)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(from.y * scale_)) - 1);
    const int x1 = std::min(canvas_.width(), static_cast<int>(std::ceil(to.x * scale_)) + 1);
    const int y1 = std::min(canvas_.height(), static_cast<int>(std::ceil(to.y * scale_)) + 1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Point p{(x + 0.5f) / scale_, (y + 0.5f) / scale_};
            const float coverage = clamp01(0.5f - distance(p) * scale_);
            if (coverage > 0)
                canvas_.blend(x, y, shade(p), coverage * opacity);
        }
}

void Sketch::cover(const Shade& shade) {
    for (int y = 0; y < canvas_.height(); ++y)
        for (int x = 0; x < canvas_.width(); ++x)
            canvas_.setPixel(x, y, shade({(x + 0.5f) / scale_, (y + 0.5f) / scale_}));
}

void Sketch::disc(Point centre, float radius, Color c) {
    fill(
        {centre.x - radius, centre.y - radius}, {centre.x + radius, centre.y + radius},
        [=](Point p) { return circleDistance(p, centre, radius); }, flat(c));
}

void Sketch::ring(Point centre, float radius, float lineWidth, Color c) {
    const float outer = radius + lineWidth / 2;
    fill(
        {centre.x - outer, centre.y - outer}, {centre.x + outer, centre.y + outer},
        [=](Point p) { return std::abs(circleDistance(p, centre, radius)) - lineWidth / 2; },
        flat(c));
}

void Sketch::ellipse(Point centre, float rx, float ry, float angle, Color c) {
    const float r = std::max(rx, ry);
    fill(
        {centre.x - r, centre.y - r}, {centre.x + r, centre.y + r},
        [=](Point p) { return ellipseDistance(p, centre, rx, ry, angle); }, flat(c));
}

void Sketch::capsule(Point a, Point b, float radius, Color c) {
    fill(
        {std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius},
        {std::max(a.x, b.x) + radius, std::max(a.y, b.y) + radius},
        [=](Point p) { return capsuleDistance(p, a, b, radius); }, flat(c));
}

void Sketch::box(Point centre, float hw, float hh, float radius, Color c) {
    box(centre, hw, hh, radius, flat(c));
}

void Sketch::box(Point centre, float hw, float hh, float radius, const Shade& shade) {
    fill(
        {centre.x - hw, centre.y - hh}, {centre.x + hw, centre.y + hh},
        [=](Point p) { return boxDistance(p, centre, hw, hh, radius); }, shade);
}

void Sketch::frame(Point centre, float hw, float hh, float radius, float lineWidth, Color c) {
    const float half = lineWidth / 2;
    fill(
        {centre.x - hw - half, centre.y - hh - half}, {centre.x + hw + half, centre.y + hh + half},
        [=](Point p) { return std::abs(boxDistance(p, centre, hw, hh, radius)) - half; }, flat(c));
}

void Sketch::polygon(const std::vector<Point>& corners, Color c) {
    if (corners.empty())
        return;
    Point from = corners[0];
    Point to = corners[0];
    for (const Point& p : corners) {
        from = {std::min(from.x, p.x), std::min(from.y, p.y)};
        to = {std::max(to.x, p.x), std::max(to.y, p.y)};
    }
    fill(
        from, to, [&corners](Point p) { return polygonDistance(p, corners); }, flat(c));
}

void Sketch::curve(Point a, Point b, Point c, float startWidth, float endWidth, Color colour) {
    constexpr int pieces = 24;
    std::vector<Point> points;
    Point from{1e9f, 1e9f};
    Point to{-1e9f, -1e9f};
    const float widest = std::max(startWidth, endWidth) / 2;
    for (int i = 0; i <= pieces; ++i) {
        const Point p = curvePoint(a, b, c, static_cast<float>(i) / pieces);
        points.push_back(p);
        from = {std::min(from.x, p.x - widest), std::min(from.y, p.y - widest)};
        to = {std::max(to.x, p.x + widest), std::max(to.y, p.y + widest)};
    }
    // One union of all pieces, so the joints are not painted twice.
    fill(
        from, to,
        [&](Point p) {
            float d = 1e9f;
            for (int i = 0; i < pieces; ++i) {
                const float t = (i + 0.5f) / pieces;
                const float radius = (startWidth + (endWidth - startWidth) * t) / 2;
                d = std::min(d, capsuleDistance(p, points[i], points[i + 1], radius));
            }
            return d;
        },
        flat(colour));
}

void Sketch::leaf(Point base, Point tip, float width, Color c) {
    constexpr int steps = 16;
    const float dx = tip.x - base.x;
    const float dy = tip.y - base.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length == 0)
        return;
    const Point across{-dy / length, dx / length};
    std::vector<Point> outline;
    for (int side : {1, -1})
        for (int i = 0; i <= steps; ++i) {
            const float t =
                side > 0 ? static_cast<float>(i) / steps : 1 - static_cast<float>(i) / steps;
            const float half = width / 2 * std::sin(t * std::numbers::pi_v<float>) * side;
            outline.push_back(
                {base.x + dx * t + across.x * half, base.y + dy * t + across.y * half});
        }
    polygon(outline, c);
}

Shade flat(Color c) {
    return [c](Point) { return c; };
}

Shade vertical(Color top, Color bottom, float topY, float bottomY) {
    return [=](Point p) { return mix(top, bottom, clamp01((p.y - topY) / (bottomY - topY))); };
}
