#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace baker {

Rgba Mix(const Rgba& a, const Rgba& b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Rgba WithAlpha(Rgba c, float a) {
  c.a = a;
  return c;
}

Rgba Scaled(Rgba c, float factor) {
  auto f = [factor](float v) { return std::clamp(factor >= 1.0f ? 1.0f - (1.0f - v) / factor : v * factor, 0.0f, 1.0f); };
  return {f(c.r), f(c.g), f(c.b), c.a};
}

Paint Solid(Rgba c) {
  return [c](float, float) { return c; };
}

float Hash01(int x, int y, int seed) {
  uint32_t h = uint32_t(x) * 0x8da6b343u ^ uint32_t(y) * 0xd8163841u ^ uint32_t(seed) * 0xcb1ab31fu;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return float(h & 0xffffffu) / float(0x1000000);
}

namespace {
thread_local int t_bake_scale = 1;
}  // namespace

int BakeScale() { return t_bake_scale; }

ScaleScope::ScaleScope(int scale) : previous_(t_bake_scale) { t_bake_scale = std::max(1, scale); }
ScaleScope::~ScaleScope() { t_bake_scale = previous_; }

// ---- Mask ---------------------------------------------------------------

Mask::Mask(int w, int h) : w_(w * t_bake_scale), h_(h * t_bake_scale), s_(t_bake_scale), a_(size_t(w_) * size_t(h_), 0.0f) {}

Mask Mask::Shifted(int dx, int dy) const {
  Mask out = *this;
  dx *= s_;
  dy *= s_;
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) out.ref(x, y) = at(x - dx, y - dy);
  return out;
}

namespace {

// One box-blur pass of the given radius along a line of n values.
void BoxLine(const float* in, float* out, int n, int stride, int radius) {
  const float norm = 1.0f / float(2 * radius + 1);
  double sum = 0;
  for (int i = -radius; i <= radius; ++i) sum += (i >= 0 && i < n) ? in[size_t(i) * size_t(stride)] : 0.0f;
  for (int i = 0; i < n; ++i) {
    out[size_t(i) * size_t(stride)] = float(sum) * norm;
    int add = i + radius + 1, sub = i - radius;
    if (add < n) sum += in[size_t(add) * size_t(stride)];
    if (sub >= 0) sum -= in[size_t(sub) * size_t(stride)];
  }
}

// Three box passes per axis approximate a gaussian of the given sigma.
void BlurPlane(std::vector<float>& plane, int w, int h, int stride, int offset, float sigma) {
  if (sigma <= 0.0f) return;
  int radius = std::max(1, int(std::lround(std::sqrt(4.0f * sigma * sigma + 1.0f) / 2.0f)));
  std::vector<float> line(size_t(std::max(w, h))), tmp(size_t(std::max(w, h)));
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) line[size_t(x)] = plane[(size_t(y) * size_t(w) + size_t(x)) * size_t(stride) + size_t(offset)];
      BoxLine(line.data(), tmp.data(), w, 1, radius);
      for (int x = 0; x < w; ++x) plane[(size_t(y) * size_t(w) + size_t(x)) * size_t(stride) + size_t(offset)] = tmp[size_t(x)];
    }
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y < h; ++y) line[size_t(y)] = plane[(size_t(y) * size_t(w) + size_t(x)) * size_t(stride) + size_t(offset)];
      BoxLine(line.data(), tmp.data(), h, 1, radius);
      for (int y = 0; y < h; ++y) plane[(size_t(y) * size_t(w) + size_t(x)) * size_t(stride) + size_t(offset)] = tmp[size_t(y)];
    }
  }
}

}  // namespace

Mask Mask::Blurred(float sigma) const {
  Mask out = *this;
  BlurPlane(out.a_, w_, h_, 1, 0, sigma * float(s_));
  return out;
}

Mask Mask::Inverted() const {
  Mask out = *this;
  for (float& v : out.a_) v = 1.0f - v;
  return out;
}

Mask Mask::Times(const Mask& other) const {
  Mask out = *this;
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) out.ref(x, y) *= other.at(x, y);
  return out;
}

Mask Mask::Minus(const Mask& other) const {
  Mask out = *this;
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) out.ref(x, y) *= 1.0f - other.at(x, y);
  return out;
}

Mask Mask::Plus(const Mask& other) const {
  Mask out = *this;
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) out.ref(x, y) = std::max(out.at(x, y), other.at(x, y));
  return out;
}

Mask Mask::Scaled(float factor) const {
  Mask out = *this;
  for (float& v : out.a_) v = std::clamp(v * factor, 0.0f, 1.0f);
  return out;
}

// ---- Canvas -------------------------------------------------------------

Canvas::Canvas(int w, int h)
    : w_(w * t_bake_scale), h_(h * t_bake_scale), s_(t_bake_scale), px_(size_t(w_) * size_t(h_) * 4, 0.0f) {}

Rgba Canvas::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return {};
  const float* p = at(x, y);
  if (p[3] <= 0.0f) return {};
  return {p[0] / p[3], p[1] / p[3], p[2] / p[3], p[3]};
}

void Canvas::Set(int x, int y, Rgba c) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  float* p = at(x, y);
  p[0] = c.r * c.a, p[1] = c.g * c.a, p[2] = c.b * c.a, p[3] = c.a;
}

void Canvas::Fill(const Mask& mask, const Paint& paint, float opacity) {
  const float unit = float(s_);
  int w = std::min(w_, mask.pixelWidth()), h = std::min(h_, mask.pixelHeight());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      float cov = mask.at(x, y) * opacity;
      if (cov <= 0.0f) continue;
      Rgba c = paint((float(x) + 0.5f) / unit, (float(y) + 0.5f) / unit);
      float a = std::clamp(c.a * cov, 0.0f, 1.0f);
      float* p = at(x, y);
      p[0] = c.r * a + p[0] * (1.0f - a);
      p[1] = c.g * a + p[1] * (1.0f - a);
      p[2] = c.b * a + p[2] * (1.0f - a);
      p[3] = a + p[3] * (1.0f - a);
    }
  }
}

void Canvas::Flood(const Paint& paint) {
  ScaleScope same(s_);
  Mask all(width(), height());
  all = all.Inverted();
  Fill(all, paint);
}

void Canvas::Draw(const Canvas& src, int ox, int oy, float opacity) {
  ox *= s_;
  oy *= s_;
  for (int y = 0; y < src.h_; ++y) {
    int ty = y + oy;
    if (ty < 0 || ty >= h_) continue;
    for (int x = 0; x < src.w_; ++x) {
      int tx = x + ox;
      if (tx < 0 || tx >= w_) continue;
      const float* s = src.at(x, y);
      float* p = at(tx, ty);
      float k = 1.0f - s[3] * opacity;
      for (int c = 0; c < 4; ++c) p[c] = s[c] * opacity + p[c] * k;
    }
  }
}

void Canvas::Shadow(const Mask& shape, int dx, int dy, float sigma, Rgba colour) {
  Fill(shape.Shifted(dx, dy).Blurred(sigma), colour);
}

void Canvas::KeepOnly(const Mask& mask) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      float k = mask.at(x, y);
      float* p = at(x, y);
      for (int c = 0; c < 4; ++c) p[c] *= k;
    }
}

Canvas Canvas::Crop(int x0, int y0, int w, int h) const {
  ScaleScope same(s_);
  Canvas out(w, h);
  x0 *= s_;
  y0 *= s_;
  w *= s_;
  h *= s_;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int sx = x + x0, sy = y + y0;
      if (sx < 0 || sy < 0 || sx >= w_ || sy >= h_) continue;
      const float* s = at(sx, sy);
      float* p = out.at(x, y);
      for (int c = 0; c < 4; ++c) p[c] = s[c];
    }
  return out;
}

Canvas Canvas::Tinted(Rgba tint) const {
  Canvas out = *this;
  for (size_t i = 0; i < out.px_.size(); i += 4) {
    out.px_[i] *= tint.r;
    out.px_[i + 1] *= tint.g;
    out.px_[i + 2] *= tint.b;
  }
  return out;
}

Canvas Canvas::Enlarged(int factor) const {
  ScaleScope same(s_);
  Canvas out(width() * factor, height() * factor);
  for (int y = 0; y < out.h_; ++y)
    for (int x = 0; x < out.w_; ++x) {
      const float* s = at(x / factor, y / factor);
      float* p = out.at(x, y);
      for (int c = 0; c < 4; ++c) p[c] = s[c];
    }
  return out;
}

Mask Canvas::Alpha() const {
  ScaleScope same(s_);
  Mask m(width(), height());
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) m.ref(x, y) = at(x, y)[3];
  return m;
}

drawing::PixmapPtr Canvas::ToPixmap() const {
  auto pm = drawing::Pixmap::Create(w_, h_);
  for (int y = 0; y < h_; ++y) {
    uint32_t* row = pm->row(y);
    for (int x = 0; x < w_; ++x) {
      const float* p = at(x, y);
      float dither = Hash01(x, y, 7) - 0.5f;
      int a = std::clamp(int(std::lround(p[3] * 255.0f + dither * 0.5f)), 0, 255);
      if (a == 0) {
        row[x] = 0;
        continue;
      }
      auto chan = [&](float v) { return std::clamp(int(std::floor(v / p[3] * 255.0f + 0.5f + dither)), 0, 255); };
      int r = chan(p[0]), g = chan(p[1]), b = chan(p[2]);
      if (r == 0 && g == 0 && b == 0) r = g = b = 1;  // pure black would be the mask colour
      row[x] = drawing::ARGB(a, r, g, b);
    }
  }
  return pm;
}

Canvas Canvas::FromPixmap(const drawing::Pixmap& pixmap) {
  ScaleScope one(1);
  Canvas out(pixmap.width(), pixmap.height());
  for (int y = 0; y < out.h_; ++y)
    for (int x = 0; x < out.w_; ++x) {
      uint32_t v = pixmap.ReadPixel(x, y);
      float a = float(drawing::ARGB_A(v)) / 255.0f;
      float* p = out.at(x, y);
      p[0] = float(drawing::ARGB_R(v)) / 255.0f * a;
      p[1] = float(drawing::ARGB_G(v)) / 255.0f * a;
      p[2] = float(drawing::ARGB_B(v)) / 255.0f * a;
      p[3] = a;
    }
  return out;
}

}  // namespace baker
