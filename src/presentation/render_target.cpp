#include "presentation/render_target.h"

#include <cmath>

#include "drawing/graphics.h"
#include "drawing/messages.h"
#include "support/text_util.h"

namespace {

struct ActiveTarget {
  drawing::ImagePtr image;
  drawing::PixmapPtr saved;  // back-buffer pixels under the target, in window pixels
  int window_x = 0, window_y = 0, window_w = 0, window_h = 0;
  int view_x = 0, view_y = 0, view_w = 0, view_h = 0;
  float origin_x = 0, origin_y = 0;
};
ActiveTarget active;

// Nearest-neighbour copy, for when the game area is shown scaled.
void ResampleInto(const drawing::Pixmap& from, drawing::Pixmap& to) {
  for (int y = 0; y < to.height(); ++y) {
    const int sy = int(int64_t(y) * from.height() / to.height());
    for (int x = 0; x < to.width(); ++x) {
      const int sx = int(int64_t(x) * from.width() / to.width());
      to.WritePixel(x, y, from.ReadPixel(sx, sy));
    }
  }
}

}  // namespace

void tRender::Initialise() { directx7_ = drawing::GraphicsDriverName() == "DirectX7"; }

drawing::ImagePtr tRender::Create(int width, int height, int flags) {
  return CreateFrame(drawing::DRIVER_SOFTWARE, width, height, flags);
}

drawing::ImagePtr tRender::CreateFrame(int driver, int width, int height, int flags) {
  (void)driver;  // every renderer realises targets the same way
  drawing::ImagePtr image;
  if (width > 0 && height > 0) image = drawing::CreateImage(width, height, 1, flags);
  if (image) {
    drawing::Print("tRender : CreateFrame OK");
  } else {
    drawing::Print("tRender : CreateFrame ERROR : " + ErrorName(INVALIDPARAMS));
  }
  return image;
}

void tRender::ViewportSet(int x, int y, int width, int height, int flag) {
  (void)flag;
  drawing::SetViewport(x, y, width, height);
}

bool tRender::TextureRender_Begin(const drawing::ImagePtr& image, int flag) {
  (void)flag;
  if (active.image) TextureRender_End();
  if (!image || !drawing::GraphicsOpen()) return false;
  if (image->width > drawing::LogicalWidth() || image->height > drawing::LogicalHeight()) return false;
  const drawing::DisplayFit fit = drawing::CurrentFit();
  ActiveTarget target;
  target.image = image;
  target.window_x = TruncToInt(std::floor(fit.ToWindowX(0)));
  target.window_y = TruncToInt(std::floor(fit.ToWindowY(0)));
  target.window_w = std::max(1, TruncToInt(std::lround(image->width * fit.scale)));
  target.window_h = std::max(1, TruncToInt(std::lround(image->height * fit.scale)));
  target.saved = drawing::GrabPixmap(target.window_x, target.window_y, target.window_w, target.window_h);
  if (!target.saved) return false;
  drawing::GetViewport(target.view_x, target.view_y, target.view_w, target.view_h);
  drawing::GetOrigin(target.origin_x, target.origin_y);
  active = target;
  drawing::SetOrigin(0, 0);
  drawing::SetViewport(0, 0, image->width, image->height);
  return true;
}

void tRender::Cls(int rgb) {
  int r, g, b;
  drawing::GetColor(r, g, b);
  const float alpha = drawing::GetAlpha();
  const int blend = drawing::GetBlend();
  float sx, sy;
  drawing::GetScale(sx, sy);
  const float rotation = drawing::GetRotation();
  int vx, vy, vw, vh;
  drawing::GetViewport(vx, vy, vw, vh);
  drawing::SetTransform(0, 1, 1);
  drawing::SetBlend(drawing::SOLIDBLEND);
  drawing::SetAlpha(1);
  drawing::SetColor((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255);
  float ox, oy, hx, hy;
  drawing::GetOrigin(ox, oy);
  drawing::GetHandle(hx, hy);
  drawing::SetHandle(0, 0);
  drawing::DrawRect(float(vx) - ox, float(vy) - oy, float(vw), float(vh));
  drawing::SetHandle(hx, hy);
  drawing::SetColor(r, g, b);
  drawing::SetAlpha(alpha);
  drawing::SetBlend(blend);
  drawing::SetTransform(rotation, sx, sy);
}

void tRender::SetMipMap(const drawing::ImagePtr& image, int level) {
  if (!image) return;
  if (level > 0) {
    image->flags |= drawing::MIPMAPPEDIMAGE;
  } else {
    image->flags &= ~drawing::MIPMAPPEDIMAGE;
  }
  for (drawing::ImageFrame& frame : image->frames) frame.dirty = true;
}

int tRender::Pow2Size(int n) {
  int size = 1;
  while (size < n && size <= (1 << 29)) size <<= 1;
  return size;
}

void tRender::TextureRender_End() {
  if (!active.image) return;
  ActiveTarget target = active;
  active = ActiveTarget{};
  drawing::PixmapPtr drawn = drawing::GrabPixmap(target.window_x, target.window_y, target.window_w, target.window_h);
  drawing::PixmapPtr frame = drawing::LockImage(target.image, 0);
  if (drawn && frame) ResampleInto(*drawn, *frame);
  if (frame) drawing::UnlockImage(target.image, 0);
  drawing::DrawPixmap(*target.saved, target.window_x, target.window_y);
  drawing::SetViewport(target.view_x, target.view_y, target.view_w, target.view_h);
  drawing::SetOrigin(target.origin_x, target.origin_y);
}

void tRender::BackBufferRender_Begin() {
  TextureRender_End();
  drawing::SetViewport(0, 0, drawing::GraphicsWidth(), drawing::GraphicsHeight());
}

void tRender::BackBufferRender_End() {}

std::string tRender::ErrorName(int code) {
  switch (code) {
    case INVALIDOBJECT: return "DDERR_INVALIDOBJECT";
    case INVALIDPARAMS: return "DDERR_INVALIDPARAMS";
    case INVALIDSURFACETYPE: return "DDERR_INVALIDSURFACETYPE";
    case NOTFOUND: return "DDERR_NOTFOUND";
    case SURFACELOST: return "DDERR_SURFACELOST";
    default: return "";
  }
}
