#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace baker {

namespace {

constexpr float kDeg = std::numbers::pi_v<float> / 180.0f;

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

}  // namespace

Sdf Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return Length(x - cx, y - cy) - r; };
}

Sdf Ellipse(float cx, float cy, float rx, float ry) {
  // Scaled-circle distance corrected by the gradient length: exact enough
  // near the edge, which is all anti-aliasing needs.
  return [=](float x, float y) {
    float px = (x - cx) / rx, py = (y - cy) / ry;
    float k0 = Length(px, py);
    float k1 = Length(px / rx, py / ry);
    if (k1 <= 0.0f) return -std::min(rx, ry);
    return k0 * (k0 - 1.0f) / k1;
  };
}

Sdf Box(float x0, float y0, float x1, float y1, float radius) {
  float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  return [=](float x, float y) {
    float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Sdf Capsule(float ax, float ay, float bx, float by, float r) {
  return [=](float x, float y) {
    float pax = x - ax, pay = y - ay, bax = bx - ax, bay = by - ay;
    float len2 = bax * bax + bay * bay;
    float h = len2 > 0 ? std::clamp((pax * bax + pay * bay) / len2, 0.0f, 1.0f) : 0.0f;
    return Length(pax - bax * h, pay - bay * h) - r;
  };
}

Sdf Polygon(std::vector<Pt> v) {
  return [v = std::move(v)](float x, float y) {
    size_t n = v.size();
    float d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
      float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
      float wx = x - v[i].x, wy = y - v[i].y;
      float len2 = ex * ex + ey * ey;
      float h = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0f, 1.0f) : 0.0f;
      float bx = wx - ex * h, by = wy - ey * h;
      d = std::min(d, bx * bx + by * by);
      // Even-odd crossing test along +x.
      if ((v[i].y > y) != (v[j].y > y)) {
        float cross = v[i].x + (y - v[i].y) / (v[j].y - v[i].y) * (v[j].x - v[i].x);
        if (x < cross) inside = !inside;
      }
    }
    float dist = std::sqrt(d);
    return inside ? -dist : dist;
  };
}

Sdf Arc(float cx, float cy, float radius, float a0, float a1, float r) {
  float ax = cx + radius * std::cos(a0 * kDeg), ay = cy + radius * std::sin(a0 * kDeg);
  float bx = cx + radius * std::cos(a1 * kDeg), by = cy + radius * std::sin(a1 * kDeg);
  return [=](float x, float y) {
    float ang = std::atan2(y - cy, x - cx) / kDeg;
    // Bring the angle into [a0, a0 + 360).
    while (ang < a0) ang += 360.0f;
    while (ang >= a0 + 360.0f) ang -= 360.0f;
    if (ang <= a1) return std::abs(Length(x - cx, y - cy) - radius) - r;
    return std::min(Length(x - ax, y - ay), Length(x - bx, y - by)) - r;
  };
}

Sdf Star(float cx, float cy, int n, float outer, float inner, float rotation) {
  std::vector<Pt> pts;
  for (int i = 0; i < 2 * n; ++i) {
    float ang = (rotation + 180.0f * float(i) / float(n)) * kDeg;
    float r = (i % 2 == 0) ? outer : inner;
    pts.push_back({cx + r * std::cos(ang), cy + r * std::sin(ang)});
  }
  return Polygon(std::move(pts));
}

Sdf RegularPolygon(float cx, float cy, int n, float radius, float rotation) {
  std::vector<Pt> pts;
  for (int i = 0; i < n; ++i) {
    float ang = (rotation + 360.0f * float(i) / float(n)) * kDeg;
    pts.push_back({cx + radius * std::cos(ang), cy + radius * std::sin(ang)});
  }
  return Polygon(std::move(pts));
}

Sdf Union(Sdf a, Sdf b) {
  return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Sdf Union(std::vector<Sdf> parts) {
  return [parts = std::move(parts)](float x, float y) {
    float d = 1e9f;
    for (const auto& p : parts) d = std::min(d, p(x, y));
    return d;
  };
}

Sdf Intersect(Sdf a, Sdf b) {
  return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Sdf Subtract(Sdf a, Sdf b) {
  return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Sdf Grow(Sdf a, float by) {
  return [a = std::move(a), by](float x, float y) { return a(x, y) - by; };
}

Sdf Outline(Sdf a, float halfWidth) {
  return [a = std::move(a), halfWidth](float x, float y) { return std::abs(a(x, y)) - halfWidth; };
}

Sdf Move(Sdf a, float dx, float dy) {
  return [a = std::move(a), dx, dy](float x, float y) { return a(x - dx, y - dy); };
}

Sdf Rotate(Sdf a, float cx, float cy, float degrees) {
  float c = std::cos(-degrees * kDeg), s = std::sin(-degrees * kDeg);
  return [a = std::move(a), cx, cy, c, s](float x, float y) {
    float dx = x - cx, dy = y - cy;
    return a(cx + dx * c - dy * s, cy + dx * s + dy * c);
  };
}

Sdf ScaleAbout(Sdf a, float cx, float cy, float factor) {
  return [a = std::move(a), cx, cy, factor](float x, float y) {
    return a(cx + (x - cx) / factor, cy + (y - cy) / factor) * factor;
  };
}

Mask Rasterize(int w, int h, const Sdf& shape) {
  // Distances change by at most one per pixel, so one sample at the centre of
  // a block settles the whole block when the edge is farther than its radius.
  constexpr int kBlock = 8;
  const float reach = float(kBlock) * 0.7072f + 1.0f;
  // The shape is in units; blocks, samples and the edge ramp are in pixels.
  Mask m(w, h);
  const float unit = float(m.scale());
  w = m.pixelWidth();
  h = m.pixelHeight();
  for (int by = 0; by < h; by += kBlock)
    for (int bx = 0; bx < w; bx += kBlock) {
      int ex = std::min(bx + kBlock, w), ey = std::min(by + kBlock, h);
      float d = shape(float(bx + kBlock / 2) / unit, float(by + kBlock / 2) / unit) * unit;
      if (d > reach) continue;
      bool full = d < -reach;
      for (int y = by; y < ey; ++y)
        for (int x = bx; x < ex; ++x)
          m.ref(x, y) = full ? 1.0f
                             : std::clamp(0.5f - shape((float(x) + 0.5f) / unit, (float(y) + 0.5f) / unit) * unit,
                                          0.0f, 1.0f);
    }
  return m;
}

namespace {

Rgba Sample(const std::vector<Stop>& stops, float t) {
  if (t <= stops.front().t) return stops.front().colour;
  for (size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].t) {
      float span = stops[i].t - stops[i - 1].t;
      return Mix(stops[i - 1].colour, stops[i].colour, span > 0 ? (t - stops[i - 1].t) / span : 1.0f);
    }
  }
  return stops.back().colour;
}

}  // namespace

Paint Linear(float x0, float y0, float x1, float y1, std::vector<Stop> stops) {
  float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  return [=, stops = std::move(stops)](float x, float y) {
    float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0.0f;
    return Sample(stops, t);
  };
}

Paint Radial(float cx, float cy, float radius, std::vector<Stop> stops) {
  return [=, stops = std::move(stops)](float x, float y) { return Sample(stops, Length(x - cx, y - cy) / radius); };
}

Paint VerticalGradient(float y0, float y1, Rgba top, Rgba bottom) {
  return Linear(0, y0, 0, y1, {{0.0f, top}, {1.0f, bottom}});
}

}  // namespace baker
