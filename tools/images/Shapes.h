#pragma once

#include <vector>

// Signed distances to simple shapes: negative inside, positive outside, in the
// units of the coordinates passed in. Anti-aliasing is derived from them.
struct Point {
    float x = 0;
    float y = 0;
};

float circleDistance(Point p, Point centre, float radius);
// Approximate distance to an ellipse with radii rx, ry turned by angle degrees
// (clockwise on screen, where y grows downwards); good near the outline, where
// it decides the coverage of edge pixels.
float ellipseDistance(Point p, Point centre, float rx, float ry, float angle);
// A segment from a to b thickened by radius, with round ends.
float capsuleDistance(Point p, Point a, Point b, float radius);
// A rectangle of half sizes hw, hh with corners rounded by radius.
float boxDistance(Point p, Point centre, float hw, float hh, float radius);
// A simple polygon, its corners in order (either direction).
float polygonDistance(Point p, const std::vector<Point>& corners);

// The point at t (0..1) of the quadratic curve from a to c pulled towards b.
Point curvePoint(Point a, Point b, Point c, float t);
// The point at distance r from centre in the direction angle degrees (0 to the
// right, 90 downwards).
Point polar(Point centre, float r, float angle);
