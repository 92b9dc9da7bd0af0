// Shapes as signed distance functions (negative inside, in pixels), turned
// into anti-aliased coverage masks. Distances give clean one-pixel edges at
// any size and make outlines, insets and rounded corners one call each.
#pragma once

#include <functional>
#include <vector>

#include "canvas.h"

namespace baker {

using Sdf = std::function<float(float x, float y)>;

struct Pt {
  float x = 0, y = 0;
};

Sdf Circle(float cx, float cy, float r);
Sdf Ellipse(float cx, float cy, float rx, float ry);
Sdf Box(float x0, float y0, float x1, float y1, float radius = 0.0f);
// A line from a to b with round ends, half-thickness r.
Sdf Capsule(float ax, float ay, float bx, float by, float r);
// A closed polygon (any winding, may be concave).
Sdf Polygon(std::vector<Pt> points);
// A stroked circular arc from angle a0 to a1 (degrees, clockwise from +x,
// since y grows downward), half-thickness r.
Sdf Arc(float cx, float cy, float radius, float a0, float a1, float r);
// Regular star or polygon: n points, outer and inner radius, rotation degrees.
Sdf Star(float cx, float cy, int n, float outer, float inner, float rotation = -90.0f);
Sdf RegularPolygon(float cx, float cy, int n, float radius, float rotation = -90.0f);

Sdf Union(Sdf a, Sdf b);
Sdf Union(std::vector<Sdf> parts);
Sdf Intersect(Sdf a, Sdf b);
Sdf Subtract(Sdf a, Sdf b);
Sdf Grow(Sdf a, float by);          // positive grows, negative shrinks
Sdf Outline(Sdf a, float halfWidth);  // a band around the edge
Sdf Move(Sdf a, float dx, float dy);
Sdf Rotate(Sdf a, float cx, float cy, float degrees);
Sdf ScaleAbout(Sdf a, float cx, float cy, float factor);

// Coverage of the shape on a w by h grid, sampled at pixel centres.
Mask Rasterize(int w, int h, const Sdf& shape);

// Gradients as paints.
struct Stop {
  float t;
  Rgba colour;
};
Paint Linear(float x0, float y0, float x1, float y1, std::vector<Stop> stops);
Paint Radial(float cx, float cy, float radius, std::vector<Stop> stops);
Paint VerticalGradient(float y0, float y1, Rgba top, Rgba bottom);

}  // namespace baker
