// The baker's raster toolkit: float coverage masks and premultiplied RGBA
// canvases with "over" compositing, blur and conversion to pixmaps.
#pragma once

#include <functional>
#include <vector>

#include "drawing/pixmap.h"

namespace baker {

// A colour with straight (not premultiplied) alpha, channels 0..1.
struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;
};

// 8-bit channels, alpha 255 unless given.
constexpr Rgba Rgb8(int r, int g, int b, int a = 255) {
  return {float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f, float(a) / 255.0f};
}
Rgba Mix(const Rgba& a, const Rgba& b, float t);
Rgba WithAlpha(Rgba c, float a);
Rgba Scaled(Rgba c, float factor);  // brighter above 1, darker below

// Per-pixel colour source: paints are sampled at pixel centres.
using Paint = std::function<Rgba(float x, float y)>;
Paint Solid(Rgba c);

// Coverage 0..1 per pixel.
class Mask {
 public:
  Mask() = default;
  // w by h units at the current bake scale.
  Mask(int w, int h);
  int width() const { return w_ / s_; }  // in units
  int height() const { return h_ / s_; }
  int pixelWidth() const { return w_; }
  int pixelHeight() const { return h_; }
  int scale() const { return s_; }
  // at and ref address pixels.
  float at(int x, int y) const {
    return (x < 0 || y < 0 || x >= w_ || y >= h_) ? 0.0f : a_[size_t(y) * size_t(w_) + size_t(x)];
  }
  float& ref(int x, int y) { return a_[size_t(y) * size_t(w_) + size_t(x)]; }

  Mask Shifted(int dx, int dy) const;  // in units
  Mask Blurred(float sigma) const;     // sigma in units
  Mask Inverted() const;
  Mask Times(const Mask& other) const;     // intersection of coverages
  Mask Minus(const Mask& other) const;     // this without other
  Mask Plus(const Mask& other) const;      // union (max)
  Mask Scaled(float factor) const;         // coverage times factor

 private:
  int w_ = 0, h_ = 0, s_ = 1;
  std::vector<float> a_;
};

class Canvas {
 public:
  Canvas() = default;
  // w by h units at the current bake scale.
  Canvas(int w, int h);
  int width() const { return w_ / s_; }  // in units
  int height() const { return h_ / s_; }
  int pixelWidth() const { return w_; }
  int pixelHeight() const { return h_; }
  int scale() const { return s_; }

  // Positions and sizes below are in units, except for Get and Set, which
  // address pixels.
  // Straight colour of one pixel (transparent outside).
  Rgba Get(int x, int y) const;
  // Replaces one pixel (ignored outside).
  void Set(int x, int y, Rgba c);
  // Paints the paint through the mask, "over" what is there.
  void Fill(const Mask& mask, const Paint& paint, float opacity = 1.0f);
  void Fill(const Mask& mask, Rgba colour, float opacity = 1.0f) { Fill(mask, Solid(colour), opacity); }
  // Fills the whole canvas.
  void Flood(const Paint& paint);
  // Draws another canvas with its top-left at (x, y).
  void Draw(const Canvas& src, int x, int y, float opacity = 1.0f);
  // A soft shadow of the mask, moved and blurred, in the given colour.
  void Shadow(const Mask& shape, int dx, int dy, float sigma, Rgba colour);
  // Multiplies the coverage of every pixel (used to cut shapes out).
  void KeepOnly(const Mask& mask);
  Canvas Crop(int x, int y, int w, int h) const;
  // Colour multiplied by the tint, as the game's drawing colour does.
  Canvas Tinted(Rgba tint) const;
  // Nearest-neighbour enlargement, for looking at details.
  Canvas Enlarged(int factor) const;
  Mask Alpha() const;

  // 8-bit ARGB, dithered deterministically. Visible pixels never come out as
  // pure black, which the game's masked loading would make transparent.
  drawing::PixmapPtr ToPixmap() const;
  static Canvas FromPixmap(const drawing::Pixmap& pixmap);

 private:
  float* at(int x, int y) { return &px_[(size_t(y) * size_t(w_) + size_t(x)) * 4]; }
  const float* at(int x, int y) const { return &px_[(size_t(y) * size_t(w_) + size_t(x)) * 4]; }
  int w_ = 0, h_ = 0, s_ = 1;
  std::vector<float> px_;  // premultiplied r, g, b, a
};

// The pixel density the baker draws at: every size, position, offset and
// blur radius the drawing code gives stays in 1x units, and canvases and
// masks made while a scope is in force hold that many pixels per unit. One
// drawing routine thus makes the 1x, 2x and 3x pictures alike. Per thread, so
// the densities can be baked side by side.
int BakeScale();
class ScaleScope {
 public:
  explicit ScaleScope(int scale);
  ~ScaleScope();
  ScaleScope(const ScaleScope&) = delete;
  ScaleScope& operator=(const ScaleScope&) = delete;

 private:
  int previous_;
};

// A small stateless hash in [0, 1) for texture and dithering, so output is
// the same on every run.
float Hash01(int x, int y, int seed);

}  // namespace baker
