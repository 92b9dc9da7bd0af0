// A renderer of our own on a memory canvas: exact, deterministic pixels for
// tests and headless runs, and no display needed.
//
// The canvas is the logical game area at scale 1 (at N pixels per game unit
// in headless runs at --scale N); the window-sized back buffer seen by Grab
// is derived from it through the fit mapping.
#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdint>
#include <cstring>

#include "drawing/platform.h"
#include "drawing/renderer.h"

namespace drawing {

namespace {

// Display modes a headless run offers, in this order.
const DisplayMode kHeadlessModes[] = {
    {640, 480, 16, 60},   {640, 480, 32, 60},   {800, 600, 16, 60},   {800, 600, 32, 60},
    {1024, 768, 16, 60},  {1024, 768, 32, 60},  {1280, 720, 16, 60},  {1280, 720, 32, 60},
    {1280, 1024, 16, 60}, {1280, 1024, 32, 60}, {1600, 1200, 16, 60}, {1600, 1200, 32, 60},
    {1920, 1080, 16, 60}, {1920, 1080, 32, 60},
};

int64_t g_texture_bytes = 0;

class SoftTexture : public Texture {
 public:
  SoftTexture() = default;
  SoftTexture(const SoftTexture&) = delete;
  SoftTexture& operator=(const SoftTexture&) = delete;
  ~SoftTexture() override { g_texture_bytes -= Bytes(); }
  void Assign(const uint32_t* first, const uint32_t* last) {
    g_texture_bytes -= Bytes();
    texels.assign(first, last);
    g_texture_bytes += Bytes();
  }
  int64_t Bytes() const { return int64_t(texels.size()) * 4; }
  std::vector<uint32_t> texels;
};

struct Rect {
  int x0, y0, x1, y1;  // half-open
};

#if defined(__GNUC__)
#define GRIDLET_ALWAYS_INLINE __attribute__((always_inline)) inline
#else
#define GRIDLET_ALWAYS_INLINE inline
#endif

// x / 255 rounded down, exact for 0 <= x < 65535 (all our products).
inline int Div255(int x) { return (x + 1 + (x >> 8)) >> 8; }
inline int Mul255(int a, int b) { return Div255(a * b + 127); }

// Everything the inner loop needs about one triangle's paint.
struct Shade {
  const SoftTexture* tex;
  int tr, tg, tb, a8;
  bool white;  // no tint: colour channels pass unchanged
};

// Texture positions in 16.16 fixed point; >> 16 rounds toward minus infinity.
constexpr double kFixedOne = 65536.0;

GRIDLET_ALWAYS_INLINE uint32_t SampleNearest(const SoftTexture& t, int64_t u, int64_t v) {
  int x = int(std::clamp<int64_t>(u >> 16, 0, t.width - 1));
  int y = int(std::clamp<int64_t>(v >> 16, 0, t.height - 1));
  return t.texels[size_t(y) * size_t(t.width) + size_t(x)];
}

GRIDLET_ALWAYS_INLINE uint32_t SampleBilinear(const SoftTexture& t, int64_t u, int64_t v) {
  int64_t fu = u - 32768, fv = v - 32768;  // texel centres sit at .5
  int64_t iu = fu >> 16, iv = fv >> 16;
  int wx = int((fu >> 8) & 255), wy = int((fv >> 8) & 255);
  int x0 = int(std::clamp<int64_t>(iu, 0, t.width - 1)), x1 = int(std::clamp<int64_t>(iu + 1, 0, t.width - 1));
  int y0 = int(std::clamp<int64_t>(iv, 0, t.height - 1)), y1 = int(std::clamp<int64_t>(iv + 1, 0, t.height - 1));
  const uint32_t* r0 = &t.texels[size_t(y0) * size_t(t.width)];
  const uint32_t* r1 = &t.texels[size_t(y1) * size_t(t.width)];
  uint32_t p00 = r0[x0], p10 = r0[x1], p01 = r1[x0], p11 = r1[x1];
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    int c00 = int((p00 >> shift) & 255), c10 = int((p10 >> shift) & 255);
    int c01 = int((p01 >> shift) & 255), c11 = int((p11 >> shift) & 255);
    int top = c00 * (256 - wx) + c10 * wx;
    int bottom = c01 * (256 - wx) + c11 * wx;
    int c = (top * (256 - wy) + bottom * wy + 32768) >> 16;
    out |= uint32_t(c) << shift;
  }
  return out;
}

// The inner loop's work per pixel; inlined so each span loop is one tight loop.
template <int Blend>
GRIDLET_ALWAYS_INLINE void BlendPixel(uint32_t& dst, uint32_t texel, const Shade& s) {
  int sa = int(texel >> 24);
  if (s.a8 != 255) sa = Mul255(sa, s.a8);
  if constexpr (Blend == ALPHABLEND || Blend == LIGHTBLEND) {
    if (sa == 0) return;
  }
  if constexpr (Blend == MASKBLEND) {
    if (sa < 128) return;
  }
  int sr = int((texel >> 16) & 255), sg = int((texel >> 8) & 255), sb = int(texel & 255);
  if (!s.white) {
    sr = Mul255(sr, s.tr);
    sg = Mul255(sg, s.tg);
    sb = Mul255(sb, s.tb);
  }
  int dr = int((dst >> 16) & 255), dg = int((dst >> 8) & 255), db = int(dst & 255);
  if constexpr (Blend == ALPHABLEND) {
    if (sa == 255) {
      dr = sr, dg = sg, db = sb;
    } else {
      int ia = 255 - sa;
      dr = Div255(sr * sa + dr * ia + 127);
      dg = Div255(sg * sa + dg * ia + 127);
      db = Div255(sb * sa + db * ia + 127);
    }
  } else if constexpr (Blend == LIGHTBLEND) {
    dr = std::min(255, dr + Mul255(sr, sa));
    dg = std::min(255, dg + Mul255(sg, sa));
    db = std::min(255, db + Mul255(sb, sa));
  } else if constexpr (Blend == SHADEBLEND) {
    dr = Mul255(dr, sr);
    dg = Mul255(dg, sg);
    db = Mul255(db, sb);
  } else {  // MASKBLEND, SOLIDBLEND
    dr = sr, dg = sg, db = sb;
  }
  dst = 0xFF000000u | (uint32_t(dr) << 16) | (uint32_t(dg) << 8) | uint32_t(db);
}

class SoftwareRenderer : public Renderer {
 public:
  std::string Name() const override { return "Software"; }

  bool Open(int width, int height, int depth, int hertz, int flags) override {
    (void)hertz;
    (void)flags;
    if (width < 1 || height < 1 || width > Pixmap::kMaxSide || height > Pixmap::kMaxSide) return false;
    if (depth != 0) {
      bool listed = std::any_of(std::begin(kHeadlessModes), std::end(kHeadlessModes), [&](const DisplayMode& m) {
        return m.width == width && m.height == height && m.depth == depth;
      });
      if (!listed) return false;
    }
    width_ = width;
    height_ = height;
    SetFit(DisplayFit{}, width, height);
    return true;
  }

  void Close() override {
    canvas_.clear();
    front_.clear();
  }

  std::vector<DisplayMode> Modes() override {
    return std::vector<DisplayMode>(std::begin(kHeadlessModes), std::end(kHeadlessModes));
  }

  // The canvas has its own density whatever the window's size.
  double PixelsPerGameUnit(double fit_scale) const override {
    (void)fit_scale;
    return double(ForcedRenderScale());
  }

  void SetFit(const DisplayFit& fit, int logical_w, int logical_h) override {
    fit_ = fit;
    const int k = ForcedRenderScale();
    // Canvas pixels per game unit; the canvas never outgrows a picture.
    const int density = (int64_t(std::max(1, logical_w)) * k <= Pixmap::kMaxSide &&
                         int64_t(std::max(1, logical_h)) * k <= Pixmap::kMaxSide)
                            ? k
                            : 1;
    if (density * std::max(1, logical_w) != lw_ || density * std::max(1, logical_h) != lh_ || density != k_ ||
        canvas_.empty()) {
      k_ = density;
      lw_ = std::max(1, logical_w) * k_;
      lh_ = std::max(1, logical_h) * k_;
      canvas_.assign(size_t(lw_) * size_t(lh_), 0xFF000000u);
      front_ = canvas_;
    }
    clip_ = {0, 0, lw_, lh_};
  }

  std::shared_ptr<Texture> CreateTexture(const Pixmap& pixmap, int flags) override {
    auto t = std::make_shared<SoftTexture>();
    t->flags = flags;
    UpdateTexture(*t, pixmap);
    return t;
  }

  void UpdateTexture(Texture& texture, const Pixmap& pixmap) override {
    auto& t = static_cast<SoftTexture&>(texture);
    t.width = pixmap.width();
    t.height = pixmap.height();
    t.Assign(pixmap.data(), pixmap.data() + size_t(t.width) * size_t(t.height));
  }

  void SetClip(int x, int y, int w, int h) override {
    if (k_ != 1) {
      auto scaled = [this](int v) { return int(std::clamp<int64_t>(int64_t(v) * k_, INT32_MIN / 2, INT32_MAX / 2)); };
      x = scaled(x), y = scaled(y), w = scaled(w), h = scaled(h);
    }
    clip_.x0 = std::clamp(x, 0, lw_);
    clip_.y0 = std::clamp(y, 0, lh_);
    clip_.x1 = std::clamp(x + std::max(w, 0), clip_.x0, lw_);
    clip_.y1 = std::clamp(y + std::max(h, 0), clip_.y0, lh_);
  }

  void Clear(int r, int g, int b) override {
    std::fill(canvas_.begin(), canvas_.end(), ARGB(255, r, g, b));
  }

  void DrawTriangles(const Vertex* v, int count, Texture* texture, const Paint& paint) override {
    Shade s;
    s.tex = static_cast<const SoftTexture*>(texture);
    s.tr = paint.r;
    s.tg = paint.g;
    s.tb = paint.b;
    s.a8 = int(std::lround(std::clamp(paint.alpha, 0.0f, 1.0f) * 255.0f));
    s.white = s.tr == 255 && s.tg == 255 && s.tb == 255;
    bool filtered = s.tex && (s.tex->flags & 2);
    if (k_ != 1) {
      // Game units to canvas pixels.
      scaled_.assign(v, v + count);
      for (Vertex& p : scaled_) p.x *= float(k_), p.y *= float(k_);
      v = scaled_.data();
    }
    for (int i = 0; i + 2 < count; i += 3) {
      switch (paint.blend) {
        case MASKBLEND: Triangle<MASKBLEND>(v + i, s, filtered); break;
        case SOLIDBLEND: Triangle<SOLIDBLEND>(v + i, s, filtered); break;
        case LIGHTBLEND: Triangle<LIGHTBLEND>(v + i, s, filtered); break;
        case SHADEBLEND: Triangle<SHADEBLEND>(v + i, s, filtered); break;
        default: Triangle<ALPHABLEND>(v + i, s, filtered); break;
      }
    }
  }

  void Present() override { front_ = canvas_; }

  PixmapPtr Grab(int x, int y, int w, int h) override {
    auto pix = Pixmap::Create(std::max(w, 1), std::max(h, 1));
    if (!pix || w < 1 || h < 1) return pix;
    bool identity = fit_.scale == double(k_) && fit_.offset_x == 0 && fit_.offset_y == 0;
    for (int yy = 0; yy < h; ++yy) {
      for (int xx = 0; xx < w; ++xx) {
        int wx = x + xx, wy = y + yy;
        int gx = identity ? wx : int(std::floor(fit_.ToGameX(wx + 0.5) * k_));
        int gy = identity ? wy : int(std::floor(fit_.ToGameY(wy + 0.5) * k_));
        uint32_t p = 0xFF000000u;  // bars and outside are black
        if (wx >= 0 && wy >= 0 && wx < width_ && wy < height_ && gx >= 0 && gy >= 0 && gx < lw_ && gy < lh_)
          p = canvas_[size_t(gy) * size_t(lw_) + size_t(gx)];
        pix->WritePixel(xx, yy, p);
      }
    }
    return pix;
  }

  void PutPixels(const Pixmap& pixmap, int x, int y) override {
    for (int yy = 0; yy < pixmap.height(); ++yy) {
      for (int xx = 0; xx < pixmap.width(); ++xx) {
        int gx = int(std::floor(fit_.ToGameX(x + xx + 0.5) * k_));
        int gy = int(std::floor(fit_.ToGameY(y + yy + 0.5) * k_));
        if (gx >= 0 && gy >= 0 && gx < lw_ && gy < lh_)
          canvas_[size_t(gy) * size_t(lw_) + size_t(gx)] = pixmap.ReadPixel(xx, yy) | 0xFF000000u;
      }
    }
  }

  PixmapPtr LastFrame() override {
    auto pix = Pixmap::Create(lw_, lh_);
    if (pix) std::memcpy(pix->data(), front_.data(), front_.size() * 4);
    return pix;
  }

 private:
  template <int Blend>
  void Triangle(const Vertex* t, const Shade& s, bool filtered) {
    double x0 = t[0].x, y0 = t[0].y, x1 = t[1].x, y1 = t[1].y, x2 = t[2].x, y2 = t[2].y;
    double d = (x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0);
    if (std::fabs(d) < 1e-12 || !std::isfinite(d)) return;
    int order[3] = {0, 1, 2};
    if (d < 0) {
      std::swap(order[1], order[2]);
      std::swap(x1, x2);
      std::swap(y1, y2);
      d = -d;
    }
    const Vertex& a = t[order[0]];
    const Vertex& b = t[order[1]];
    const Vertex& c = t[order[2]];
    // Attribute planes: u = ua*x + ub*y + uc.
    double ua = ((b.u - a.u) * (y2 - y0) - (c.u - a.u) * (y1 - y0)) / d;
    double ub = ((c.u - a.u) * (x1 - x0) - (b.u - a.u) * (x2 - x0)) / d;
    double uc = a.u - ua * x0 - ub * y0;
    double va = ((b.v - a.v) * (y2 - y0) - (c.v - a.v) * (y1 - y0)) / d;
    double vb = ((c.v - a.v) * (x1 - x0) - (b.v - a.v) * (x2 - x0)) / d;
    double vc = a.v - va * x0 - vb * y0;
    bool bilinear = false;
    if (s.tex && filtered) {
      // One texel per pixel at texel centres: bilinear sampling would give
      // the same result, so take the exact texel.
      double fu = (ua * 0.5 + ub * 0.5 + uc) - std::floor(ua * 0.5 + ub * 0.5 + uc);
      double fv = (va * 0.5 + vb * 0.5 + vc) - std::floor(va * 0.5 + vb * 0.5 + vc);
      bool exact = std::fabs(ua - 1) < 1e-9 && std::fabs(vb - 1) < 1e-9 && std::fabs(ub) < 1e-9 &&
                   std::fabs(va) < 1e-9 && std::fabs(fu - 0.5) < 1e-6 && std::fabs(fv - 0.5) < 1e-6;
      bilinear = !exact;
    }
    // Edge functions E = A*x + B*y + C, inside where E >= 0.
    double ex[3][3];
    const double px[3] = {x0, x1, x2}, py[3] = {y0, y1, y2};
    for (int e = 0; e < 3; ++e) {
      int n = (e + 1) % 3;
      ex[e][0] = -(py[n] - py[e]);
      ex[e][1] = px[n] - px[e];
      ex[e][2] = -(px[n] - px[e]) * py[e] + (py[n] - py[e]) * px[e];
    }
    double miny = std::min({y0, y1, y2}), maxy = std::max({y0, y1, y2});
    int row0 = std::max(clip_.y0, int(std::max(-1.0, std::ceil(miny - 0.5))));
    int row1 = std::min(clip_.y1 - 1, int(std::min(double(lh_), std::floor(maxy - 0.5))));
    for (int row = row0; row <= row1; ++row) {
      double yc = row + 0.5;
      double lo = -1e300, hi = 1e300;
      bool lo_incl = true, hi_incl = true, empty = false;
      for (int e = 0; e < 3 && !empty; ++e) {
        double A = ex[e][0], rest = ex[e][1] * yc + ex[e][2];
        // Shared edges belong to exactly one triangle: edges that bound from
        // the left (A > 0) or from above (A == 0, B > 0) include their pixels.
        if (A == 0) {
          bool inside = rest > 0 || (rest == 0 && ex[e][1] > 0);
          if (!inside) empty = true;
          continue;
        }
        double bound = -rest / A;
        if (A > 0) {
          if (bound > lo || (bound == lo && lo_incl)) lo = bound, lo_incl = true;
        } else {
          if (bound < hi || (bound == hi && hi_incl)) hi = bound, hi_incl = false;
        }
      }
      if (empty) continue;
      double first = lo_incl ? std::ceil(lo - 0.5) : std::floor(lo - 0.5) + 1;
      double last = hi_incl ? std::floor(hi - 0.5) : std::ceil(hi - 0.5) - 1;
      int col0 = int(std::max(double(clip_.x0), first));
      int col1 = int(std::min(double(clip_.x1 - 1), last));
      if (col0 > col1) continue;
      uint32_t* dst = &canvas_[size_t(row) * size_t(lw_)];
      if (!s.tex) {
        for (int col = col0; col <= col1; ++col) BlendPixel<Blend>(dst[col], 0xFFFFFFFFu, s);
        continue;
      }
      // Far-off coordinates are clamped before the fixed-point conversion.
      auto fixed = [](double x) { return int64_t(std::clamp(x, -1e12, 1e12) * kFixedOne); };
      int64_t u = fixed(ua * (col0 + 0.5) + ub * yc + uc), du = fixed(ua);
      int64_t v = fixed(va * (col0 + 0.5) + vb * yc + vc), dv = fixed(va);
      if (bilinear) {
        for (int col = col0; col <= col1; ++col, u += du, v += dv)
          BlendPixel<Blend>(dst[col], SampleBilinear(*s.tex, u, v), s);
      } else if (dv == 0 && du == 65536) {
        // Unscaled and upright: one texel row, walked texel by texel.
        const SoftTexture& t = *s.tex;
        int ty = int(std::clamp<int64_t>(v >> 16, 0, t.height - 1));
        const uint32_t* texrow = &t.texels[size_t(ty) * size_t(t.width)];
        int64_t tx = u >> 16;
        for (int col = col0; col <= col1; ++col, ++tx)
          BlendPixel<Blend>(dst[col], texrow[std::clamp<int64_t>(tx, 0, t.width - 1)], s);
      } else {
        for (int col = col0; col <= col1; ++col, u += du, v += dv)
          BlendPixel<Blend>(dst[col], SampleNearest(*s.tex, u, v), s);
      }
    }
  }

  int width_ = 0, height_ = 0;
  int lw_ = 0, lh_ = 0;  // the canvas, in pixels
  int k_ = 1;            // canvas pixels per game unit
  std::vector<Vertex> scaled_;
  DisplayFit fit_;
  Rect clip_{0, 0, 0, 0};
  std::vector<uint32_t> canvas_;
  std::vector<uint32_t> front_;
};

}  // namespace

std::unique_ptr<Renderer> CreateSoftwareRenderer() { return std::make_unique<SoftwareRenderer>(); }

int64_t SoftwareTextureBytes() { return g_texture_bytes; }

}  // namespace drawing
