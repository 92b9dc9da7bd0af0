#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "drawing/graphics_state.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "drawing/platform.h"
#include "drawing/text_runs.h"

namespace drawing {

namespace {

GraphicsContext g_context;
int g_selected_driver = DRIVER_OPENGL;
int g_generation = 0;


void ApplyClip() {
  auto& c = g_context;
  if (!c.renderer) return;
  c.renderer->SetClip(c.state.vp_x, c.state.vp_y, c.state.vp_w, c.state.vp_h);
}

Paint CurrentPaint() {
  const auto& s = g_context.state;
  Paint p;
  p.r = s.r;
  p.g = s.g;
  p.b = s.b;
  p.alpha = std::clamp(s.alpha, 0.0f, 1.0f);
  p.blend = s.blend;
  return p;
}

// Local point through the current transform, then moved to (tx, ty).
inline void Transform(float lx, float ly, float tx, float ty, float& ox, float& oy) {
  const auto& s = g_context.state;
  ox = lx * s.ix + ly * s.iy + tx;
  oy = lx * s.jx + ly * s.jy + ty;
}

void DrawLocalQuad(float x0, float y0, float x1, float y1, float tx, float ty, Texture* tex, float u0, float v0,
                   float u1, float v1) {
  Vertex q[4];
  Transform(x0, y0, tx, ty, q[0].x, q[0].y);
  Transform(x1, y0, tx, ty, q[1].x, q[1].y);
  Transform(x1, y1, tx, ty, q[2].x, q[2].y);
  Transform(x0, y1, tx, ty, q[3].x, q[3].y);
  q[0].u = u0, q[0].v = v0;
  q[1].u = u1, q[1].v = v0;
  q[2].u = u1, q[2].v = v1;
  q[3].u = u0, q[3].v = v1;
  Vertex tri[6] = {q[0], q[1], q[2], q[0], q[2], q[3]};
  g_context.renderer->DrawTriangles(tri, 6, tex, CurrentPaint());
}

void UpdateTransform() {
  auto& s = g_context.state;
  double rad = double(s.rotation) * std::numbers::pi / 180.0;
  float c = float(std::cos(rad)), sn = float(std::sin(rad));
  s.ix = c * s.scale_x;
  s.iy = -sn * s.scale_y;
  s.jx = sn * s.scale_x;
  s.jy = c * s.scale_y;
}

bool Drawable() { return g_context.open && g_context.renderer; }

}  // namespace

GraphicsContext& Context() { return g_context; }
Renderer* CurrentRenderer() { return g_context.renderer.get(); }
int RendererGeneration() { return g_generation; }

bool GraphicsDriverAvailable(int driver) { return driver == DRIVER_OPENGL || driver == DRIVER_SOFTWARE; }

bool SetGraphicsDriver(int driver, int flags) {
  (void)flags;
  if (ForcedSoftware()) return GraphicsDriverAvailable(driver);
  if (GraphicsDriverAvailable(driver)) {
    g_selected_driver = driver;
    return true;
  }
  return false;  // DirectX renderers do not exist here; the one in force stays
}

std::string GraphicsDriverName() {
  if (g_context.renderer) return g_context.renderer->Name();
  return (ForcedSoftware() || g_selected_driver == DRIVER_SOFTWARE) ? "Software" : "OpenGL";
}

bool Graphics(int width, int height, int depth, int hertz, int flags) {
  EndGraphics();
  if (const int k = ForcedRenderScale(); k > 1) {
    // Kept a listed mode for the renderer's check: the depth asks for none.
    width *= k;
    height *= k;
    depth = 0;
  }
  std::unique_ptr<Renderer> r;
  if (ForcedSoftware() || g_selected_driver == DRIVER_SOFTWARE) {
    r = CreateSoftwareRenderer();
  } else {
    r = CreateOpenGLRenderer();
  }
  if (!r || !r->Open(width, height, depth, hertz, flags)) return false;
  auto& c = g_context;
  c.renderer = std::move(r);
  c.open = true;
  // The drawable's pixels, not the window's points, decide the fit scale.
  if (int pw = 0, ph = 0; c.renderer->PixelSize(pw, ph) && pw > 0 && ph > 0) width = pw, height = ph;
  c.width = width;
  c.height = height;
  c.depth = depth;
  c.hertz = hertz;
  c.state = DrawState{};
  ++g_generation;
  SetDisplayAvailable(c.renderer->Name() != "Software");
  SetLogicalSize(width, height);
  return true;
}

void EndGraphics() {
  auto& c = g_context;
  if (c.renderer) c.renderer->Close();
  c.renderer.reset();
  c.open = false;
  c.width = c.height = 0;
  SetDisplayAvailable(false);
  ++g_generation;
}

bool GraphicsOpen() { return g_context.open; }
int GraphicsWidth() { return g_context.width; }
int GraphicsHeight() { return g_context.height; }

int CountGraphicsModes() {
  if (ForcedSoftware() || g_selected_driver == DRIVER_SOFTWARE) return int(CreateSoftwareRenderer()->Modes().size());
  static std::vector<DisplayMode> modes = CreateOpenGLRenderer()->Modes();
  return int(modes.size());
}

bool GetGraphicsMode(int index, int& width, int& height, int& depth, int& hertz) {
  std::vector<DisplayMode> modes;
  if (ForcedSoftware() || g_selected_driver == DRIVER_SOFTWARE) {
    modes = CreateSoftwareRenderer()->Modes();
  } else {
    static std::vector<DisplayMode> gl_modes = CreateOpenGLRenderer()->Modes();
    modes = gl_modes;
  }
  if (index < 0 || index >= int(modes.size())) return false;
  width = modes[size_t(index)].width;
  height = modes[size_t(index)].height;
  depth = modes[size_t(index)].depth;
  hertz = modes[size_t(index)].hertz;
  return true;
}

void SetWindowTitle(const std::string& title) {
  SetAppTitle(title);
  if (g_context.renderer) g_context.renderer->SetTitle(title);
}

void SetApplicationId(const std::string& id) {
  // SDL names the window's class from these; a class set by the player wins.
  setenv("SDL_VIDEO_X11_WMCLASS", id.c_str(), 0);
  setenv("SDL_VIDEO_WAYLAND_WMCLASS", id.c_str(), 0);
}

DisplayFit ComputeFit(int window_w, int window_h, int logical_w, int logical_h) {
  DisplayFit fit;
  if (window_w <= 0 || window_h <= 0 || logical_w <= 0 || logical_h <= 0) return fit;
  fit.scale = std::min(double(window_w) / logical_w, double(window_h) / logical_h);
  fit.offset_x = (window_w - logical_w * fit.scale) / 2.0;
  fit.offset_y = (window_h - logical_h * fit.scale) / 2.0;
  return fit;
}

void SetLogicalSize(int width, int height) {
  auto& c = g_context;
  c.logical_w = std::max(1, width);
  c.logical_h = std::max(1, height);
  c.fit = ComputeFit(c.width, c.height, c.logical_w, c.logical_h);
  if (c.renderer) c.renderer->SetFit(c.fit, c.logical_w, c.logical_h);
  c.state.vp_x = 0;
  c.state.vp_y = 0;
  c.state.vp_w = c.logical_w;
  c.state.vp_h = c.logical_h;
  ApplyClip();
}

int LogicalWidth() { return g_context.logical_w; }
int LogicalHeight() { return g_context.logical_h; }
DisplayFit CurrentFit() { return g_context.fit; }

void Cls() {
  if (!Drawable()) return;
  const auto& s = g_context.state;
  g_context.renderer->Clear(s.cls_r, s.cls_g, s.cls_b);
}

void SetClsColor(int r, int g, int b) {
  auto& s = g_context.state;
  s.cls_r = std::clamp(r, 0, 255);
  s.cls_g = std::clamp(g, 0, 255);
  s.cls_b = std::clamp(b, 0, 255);
}

void Flip(int sync) {
  (void)sync;
  if (Drawable()) g_context.renderer->Present();
  EndTextRunFrame();
  PollSystem();
}

void SetColor(int r, int g, int b) {
  auto& s = g_context.state;
  s.r = std::clamp(r, 0, 255);
  s.g = std::clamp(g, 0, 255);
  s.b = std::clamp(b, 0, 255);
}

void GetColor(int& r, int& g, int& b) {
  r = g_context.state.r;
  g = g_context.state.g;
  b = g_context.state.b;
}

void SetAlpha(float alpha) { g_context.state.alpha = alpha; }
float GetAlpha() { return g_context.state.alpha; }
void SetBlend(int mode) {
  if (mode >= MASKBLEND && mode <= SHADEBLEND) g_context.state.blend = mode;
}
int GetBlend() { return g_context.state.blend; }

void SetScale(float sx, float sy) {
  g_context.state.scale_x = sx;
  g_context.state.scale_y = sy;
  UpdateTransform();
}

void GetScale(float& sx, float& sy) {
  sx = g_context.state.scale_x;
  sy = g_context.state.scale_y;
}

void SetRotation(float degrees) {
  g_context.state.rotation = degrees;
  UpdateTransform();
}

float GetRotation() { return g_context.state.rotation; }

void SetTransform(float degrees, float sx, float sy) {
  g_context.state.rotation = degrees;
  g_context.state.scale_x = sx;
  g_context.state.scale_y = sy;
  UpdateTransform();
}

void SetViewport(int x, int y, int w, int h) {
  auto& s = g_context.state;
  s.vp_x = x;
  s.vp_y = y;
  s.vp_w = w;
  s.vp_h = h;
  ApplyClip();
}

void GetViewport(int& x, int& y, int& w, int& h) {
  const auto& s = g_context.state;
  x = s.vp_x;
  y = s.vp_y;
  w = s.vp_w;
  h = s.vp_h;
}

void SetOrigin(float x, float y) {
  g_context.state.origin_x = x;
  g_context.state.origin_y = y;
}

void GetOrigin(float& x, float& y) {
  x = g_context.state.origin_x;
  y = g_context.state.origin_y;
}

void SetHandle(float x, float y) {
  g_context.state.handle_x = x;
  g_context.state.handle_y = y;
}

void GetHandle(float& x, float& y) {
  x = g_context.state.handle_x;
  y = g_context.state.handle_y;
}

void SetLineWidth(float width) { g_context.state.line_width = width; }
float GetLineWidth() { return g_context.state.line_width; }
void SetImageFont(ImageFontPtr font) { g_context.state.font = std::move(font); }
ImageFontPtr GetImageFont() { return g_context.state.font; }

Texture* FrameTexture(ImageFrame& frame, int flags) {
  Renderer* r = g_context.renderer.get();
  if (!r || !frame.pixmap) return nullptr;
  if (!frame.texture || frame.texture_owner != g_generation) {
    frame.texture = r->CreateTexture(*frame.pixmap, flags);
    frame.texture_owner = g_generation;
    frame.dirty = false;
  } else if (frame.dirty) {
    r->UpdateTexture(*frame.texture, *frame.pixmap);
    frame.dirty = false;
  }
  return frame.texture.get();
}

void DrawFrame(ImageFrame& frame, int flags, int density, float x0, float y0, float x1, float y1, float tx, float ty,
               float sx, float sy, float sw, float sh) {
  if (!Drawable()) return;
  Texture* tex = FrameTexture(frame, flags);
  if (!tex) return;
  if (density != 1) {
    const float d = float(density);
    sx *= d, sy *= d, sw *= d, sh *= d;
  }
  DrawLocalQuad(x0, y0, x1, y1, tx, ty, tex, sx, sy, sx + sw, sy + sh);
}

namespace {
ImageFrame* FrameOf(const ImagePtr& image, int frame) {
  if (!image || frame < 0 || frame >= int(image->frames.size())) return nullptr;
  return &image->frames[size_t(frame)];
}
}  // namespace

void DrawImage(const ImagePtr& image, float x, float y, int frame) {
  ImageFrame* f = FrameOf(image, frame);
  if (!f) return;
  const auto& s = g_context.state;
  float x0 = -image->handle_x, y0 = -image->handle_y;
  DrawFrame(*f, image->flags, image->density, x0, y0, x0 + float(image->width), y0 + float(image->height), x + s.origin_x,
            y + s.origin_y, 0, 0, float(image->width), float(image->height));
}

void DrawImageRect(const ImagePtr& image, float x, float y, float w, float h, int frame) {
  ImageFrame* f = FrameOf(image, frame);
  if (!f) return;
  const auto& s = g_context.state;
  float x0 = -image->handle_x, y0 = -image->handle_y;
  DrawFrame(*f, image->flags, image->density, x0, y0, x0 + w, y0 + h, x + s.origin_x, y + s.origin_y, 0, 0, float(image->width),
            float(image->height));
}

void DrawSubImageRect(const ImagePtr& image, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, int frame) {
  ImageFrame* f = FrameOf(image, frame);
  if (!f) return;
  // Cut the source at the frame's right and bottom edges; the destination
  // shrinks alike so the scale stays.
  float iw = float(image->width), ih = float(image->height);
  if (sx + sw > iw) {
    float cut = sx + sw - iw;
    if (sw != 0) w -= w * cut / sw;
    sw -= cut;
  }
  if (sy + sh > ih) {
    float cut = sy + sh - ih;
    if (sh != 0) h -= h * cut / sh;
    sh -= cut;
  }
  if (sw <= 0 || sh <= 0 || w <= 0 || h <= 0) return;
  const auto& s = g_context.state;
  float x0 = -image->handle_x, y0 = -image->handle_y;
  DrawFrame(*f, image->flags, image->density, x0, y0, x0 + w, y0 + h, x + s.origin_x, y + s.origin_y, sx, sy, sw, sh);
}

void DrawRect(float x, float y, float w, float h) {
  if (!Drawable()) return;
  const auto& s = g_context.state;
  float x0 = -s.handle_x, y0 = -s.handle_y;
  DrawLocalQuad(x0, y0, x0 + w, y0 + h, x + s.origin_x, y + s.origin_y, nullptr, 0, 0, 0, 0);
}

void DrawLine(float x1, float y1, float x2, float y2, bool draw_last_pixel) {
  if (!Drawable()) return;
  const auto& s = g_context.state;
  // Local line from the start point, through pixel centres, as a quad of
  // the line width; the ends reach half a pixel out so both end pixels show.
  float lx0 = -s.handle_x + 0.5f, ly0 = -s.handle_y + 0.5f;
  float lx1 = x2 - x1 - s.handle_x + 0.5f, ly1 = y2 - y1 - s.handle_y + 0.5f;
  float dx = lx1 - lx0, dy = ly1 - ly0;
  float len = std::sqrt(dx * dx + dy * dy);
  float ux = 1, uy = 0;
  if (len > 0) ux = dx / len, uy = dy / len;
  float half = std::max(s.line_width, 0.0f) / 2.0f;
  float back = 0.5f, fwd = draw_last_pixel ? 0.5f : -0.5f;
  float ax = lx0 - ux * back, ay = ly0 - uy * back;
  float bx = lx1 + ux * fwd, by = ly1 + uy * fwd;
  float nx = -uy * half, ny = ux * half;
  float tx = x1 + s.origin_x, ty = y1 + s.origin_y;
  Vertex q[4];
  Transform(ax + nx, ay + ny, tx, ty, q[0].x, q[0].y);
  Transform(bx + nx, by + ny, tx, ty, q[1].x, q[1].y);
  Transform(bx - nx, by - ny, tx, ty, q[2].x, q[2].y);
  Transform(ax - nx, ay - ny, tx, ty, q[3].x, q[3].y);
  for (auto& v : q) v.u = v.v = 0;
  Vertex tri[6] = {q[0], q[1], q[2], q[0], q[2], q[3]};
  g_context.renderer->DrawTriangles(tri, 6, nullptr, CurrentPaint());
}

void Plot(float x, float y) {
  if (!Drawable()) return;
  const auto& s = g_context.state;
  float px = x + s.origin_x, py = y + s.origin_y;
  Vertex tri[6] = {{px, py, 0, 0},         {px + 1, py, 0, 0},     {px + 1, py + 1, 0, 0},
                   {px, py, 0, 0},         {px + 1, py + 1, 0, 0}, {px, py + 1, 0, 0}};
  g_context.renderer->DrawTriangles(tri, 6, nullptr, CurrentPaint());
}

void DrawOval(float x, float y, float w, float h) {
  if (!Drawable()) return;
  const auto& s = g_context.state;
  float xr = w / 2, yr = h / 2;
  float cx = -s.handle_x + xr, cy = -s.handle_y + yr;
  float tx = x + s.origin_x, ty = y + s.origin_y;
  float scale = std::max(std::fabs(s.scale_x), std::fabs(s.scale_y));
  int segments = std::clamp(int(std::fabs(xr + yr) * scale), 12, 256);
  std::vector<Vertex> tri;
  tri.reserve(size_t(segments) * 3);
  Vertex centre{};
  Transform(cx, cy, tx, ty, centre.x, centre.y);
  Vertex prev{};
  Transform(cx + xr, cy, tx, ty, prev.x, prev.y);
  for (int i = 1; i <= segments; ++i) {
    double th = 2 * std::numbers::pi * i / segments;
    Vertex cur{};
    Transform(cx + xr * float(std::cos(th)), cy + yr * float(std::sin(th)), tx, ty, cur.x, cur.y);
    tri.push_back(centre);
    tri.push_back(prev);
    tri.push_back(cur);
    prev = cur;
  }
  g_context.renderer->DrawTriangles(tri.data(), int(tri.size()), nullptr, CurrentPaint());
}

void DrawPoly(const std::vector<float>& xy) {
  if (!Drawable() || xy.size() < 6) return;
  const auto& s = g_context.state;
  std::vector<Vertex> tri;
  auto point = [&](size_t i) {
    Vertex v{};
    Transform(xy[i * 2] - s.handle_x, xy[i * 2 + 1] - s.handle_y, s.origin_x, s.origin_y, v.x, v.y);
    return v;
  };
  size_t n = xy.size() / 2;
  for (size_t i = 1; i + 1 < n; ++i) {
    tri.push_back(point(0));
    tri.push_back(point(i));
    tri.push_back(point(i + 1));
  }
  g_context.renderer->DrawTriangles(tri.data(), int(tri.size()), nullptr, CurrentPaint());
}

namespace {
ImageFont& FontInUse() {
  auto& f = g_context.state.font;
  if (f) return *f;
  return *DefaultImageFont();
}
}  // namespace

void DrawText(const std::string& text, float x, float y) {
  if (!Drawable() || TextHidden()) return;
  ImageFont& font = FontInUse();
  const auto& s = g_context.state;
  // The pen moves in local coordinates, so scale and rotation apply to the
  // whole line around (x, y).
  float pen = -s.handle_x;
  float tx = x + s.origin_x, ty = y + s.origin_y;
  // Glyphs wholly outside the clip area would only be clipped away pixel by
  // pixel; skipping them keeps very long texts cheap. The area is the one
  // the renderers clip to, one pixel wider for filtered edges.
  const double lw = g_context.logical_w, lh = g_context.logical_h;
  const double left = std::clamp(double(s.vp_x), 0.0, lw) - 1;
  const double top = std::clamp(double(s.vp_y), 0.0, lh) - 1;
  const double right = std::clamp(double(s.vp_x) + std::max(s.vp_w, 0), 0.0, lw) + 1;
  const double bottom = std::clamp(double(s.vp_y) + std::max(s.vp_h, 0), 0.0, lh) + 1;
  const bool recording = RecordingTextRuns() && s.alpha > 0;
  double box_left = lw, box_top = lh, box_right = 0, box_bottom = 0;
  for (unsigned char ch : text) {
    const ImageFont::CachedGlyph* g = font.GlyphFor(ch);
    if (!g) continue;
    if (g->image && !g->image->frames.empty()) {
      const Image& im = *g->image;
      float gx = pen + g->ox, gy = -s.handle_y + g->oy;
      // The glyph's box through the transform: its centre, give or take
      // the half extents the transform turns it into.
      const float half_w = float(im.width) / 2, half_h = float(im.height) / 2;
      float cx = 0, cy = 0;
      Transform(gx + half_w, gy + half_h, tx, ty, cx, cy);
      const double ex = std::fabs(s.ix) * half_w + std::fabs(s.iy) * half_h;
      const double ey = std::fabs(s.jx) * half_w + std::fabs(s.jy) * half_h;
      const bool outside = cx + ex < left || cx - ex > right || cy + ey < top || cy - ey > bottom;
      if (!outside) {
        DrawFrame(g->image->frames[0], im.flags, im.density, gx, gy, gx + float(im.width), gy + float(im.height), tx, ty, 0, 0,
                  float(im.width), float(im.height));
        if (recording) {
          box_left = std::min(box_left, std::max(cx - ex, left + 1));
          box_top = std::min(box_top, std::max(cy - ey, top + 1));
          box_right = std::max(box_right, std::min(cx + ex, right - 1));
          box_bottom = std::max(box_bottom, std::min(cy + ey, bottom - 1));
        }
      }
    }
    pen += g->advance;
  }
  if (recording && box_right > box_left && box_bottom > box_top) {
    NoteTextRun({text, int(std::floor(box_left)), int(std::floor(box_top)), int(std::ceil(box_right)),
                 int(std::ceil(box_bottom))});
  }
}

namespace {

// The width after one more glyph, truncated after each glyph.
float AddAdvance(float width, const ImageFont::CachedGlyph& g) {
  const double w = std::trunc(double(width) + double(g.advance));
  return float(std::clamp(w, -1e9, 1e9));
}

}  // namespace

int TextWidth(const std::string& text) {
  ImageFont& font = FontInUse();
  float width = 0;
  for (unsigned char ch : text) {
    if (const ImageFont::CachedGlyph* g = font.GlyphFor(ch)) width = AddAdvance(width, *g);
  }
  return int(width);
}

size_t TextFitLength(std::string_view text, int width) {
  ImageFont& font = FontInUse();
  float sum = 0;
  if (!(0 < width)) return 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (const ImageFont::CachedGlyph* g = font.GlyphFor(static_cast<unsigned char>(text[i]))) sum = AddAdvance(sum, *g);
    if (!(int(sum) < width)) return i;
  }
  return text.size();
}

int TextHeight(const std::string& text) {
  (void)text;
  return FontInUse().Height();
}

PixmapPtr GrabPixmap(int x, int y, int w, int h) {
  if (!Drawable() || w < 1 || h < 1) return nullptr;
  return g_context.renderer->Grab(x, y, w, h);
}

void DrawPixmap(const Pixmap& pixmap, int x, int y) {
  if (Drawable()) g_context.renderer->PutPixels(pixmap, x, y);
}

void ShowMouse() {
  if (g_context.renderer) g_context.renderer->ShowPointer(true);
}

void HideMouse() {
  if (g_context.renderer) g_context.renderer->ShowPointer(false);
}

}  // namespace drawing
