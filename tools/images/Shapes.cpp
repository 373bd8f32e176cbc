#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

float length(float x, float y) {
    return std::sqrt(x * x + y * y);
}
float radians(float degrees) {
    return degrees * std::numbers::pi_v<float> / 180;
}

} // namespace

float circleDistance(Point p, Point centre, float radius) {
    return length(p.x - centre.x, p.y - centre.y) - radius;
}

float ellipseDistance(Point p, Point centre, float rx, float ry, float angle) {
    const float c = std::cos(radians(angle));
    const float s = std::sin(radians(angle));
    const float dx = p.x - centre.x;
    const float dy = p.y - centre.y;
    const float x = dx * c + dy * s;
    const float y = -dx * s + dy * c;
    const float k0 = length(x / rx, y / ry);
    const float k1 = length(x / (rx * rx), y / (ry * ry));
    if (k1 == 0)
        return -std::min(rx, ry);
    return k0 * (k0 - 1) / k1;
}

float capsuleDistance(Point p, Point a, Point b, float radius) {
    const float px = p.x - a.x;
    const float py = p.y - a.y;
    const float bx = b.x - a.x;
    const float by = b.y - a.y;
    const float lengthSquared = bx * bx + by * by;
    const float h =
        lengthSquared > 0 ? std::clamp((px * bx + py * by) / lengthSquared, 0.0f, 1.0f) : 0.0f;
    return length(px - bx * h, py - by * h) - radius;
}

float boxDistance(Point p, Point centre, float hw, float hh, float radius) {
    const float qx = std::abs(p.x - centre.x) - hw + radius;
    const float qy = std::abs(p.y - centre.y) - hh + radius;
    return length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
           radius;
}

float polygonDistance(Point p, const std::vector<Point>& v) {
    if (v.empty())
        return 1e9f;
    float d = (p.x - v[0].x) * (p.x - v[0].x) + (p.y - v[0].y) * (p.y - v[0].y);
    float sign = 1;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        const float ex = v[j].x - v[i].x;
        const float ey = v[j].y - v[i].y;
        const float wx = p.x - v[i].x;
        const float wy = p.y - v[i].y;
        const float edgeSquared = ex * ex + ey * ey;
        const float h =
            edgeSquared > 0 ? std::clamp((wx * ex + wy * ey) / edgeSquared, 0.0f, 1.0f) : 0.0f;
        const float bx = wx - ex * h;
        const float by = wy - ey * h;
        d = std::min(d, bx * bx + by * by);
        // Crossing count along +x decides inside or outside.
        const bool c1 = p.y >= v[i].y;
        const bool c2 = p.y < v[j].y;
        const bool c3 = ex * wy > ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3))
            sign = -sign;
    }
    return sign * std::sqrt(d);
}

Point curvePoint(Point a, Point b, Point c, float t) {
    const float u = 1 - t;
    return {u * u * a.x + 2 * u * t * b.x + t * t * c.x,
            u * u * a.y + 2 * u * t * b.y + t * t * c.y};
}

Point polar(Point centre, float r, float angle) {
    return {centre.x + r * std::cos(radians(angle)), centre.y + r * std::sin(radians(angle))};
}
