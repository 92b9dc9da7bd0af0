#include "drawing/image.h"

#include <algorithm>

#include "drawing/graphics.h"
#include "drawing/graphics_state.h"
#include "drawing/picture_variants.h"

namespace drawing {

namespace {

bool g_auto_mid_handle = false;

// Frames keep their own copy; with the masked flag the mask colour turns
// fully transparent.
PixmapPtr PrepareFramePixels(const Pixmap& source, int flags, uint32_t mask_rgb) {
  PixmapPtr pix = source.Copy();
  if (flags & MASKEDIMAGE) {
    uint32_t* p = pix->data();
    for (size_t i = 0, n = size_t(pix->width()) * size_t(pix->height()); i < n; ++i)
      if ((p[i] & 0x00FFFFFFu) == mask_rgb) p[i] = 0;
  }
  return pix;
}

ImagePtr NewImage(int w, int h, int flags) {
  auto image = std::make_shared<Image>();
  image->width = w;
  image->height = h;
  image->flags = flags;
  if (g_auto_mid_handle) {
    image->handle_x = float(w) / 2;
    image->handle_y = float(h) / 2;
  }
  return image;
}

void AddFrame(Image& image, PixmapPtr pixels) {
  ImageFrame frame;
  frame.pixmap = std::move(pixels);
  image.frames.push_back(std::move(frame));
}

ImagePtr FromPixmap(const Pixmap& pixmap, int flags, uint32_t mask_rgb, int density) {
  density = std::max(1, density);
  flags = ResolveImageFlags(flags);
  auto image = NewImage(pixmap.width() / density, pixmap.height() / density, flags);
  image->density = density;
  image->mask_rgb = mask_rgb;
  AddFrame(*image, PrepareFramePixels(pixmap, flags, mask_rgb));
  return image;
}

}  // namespace

int ResolveImageFlags(int flags) { return flags == -1 ? (MASKEDIMAGE | FILTEREDIMAGE) : flags; }

ImagePtr LoadImageFromPixmap(const Pixmap& pixmap, int flags, int density) {
  return FromPixmap(pixmap, flags, 0, density);
}

ImagePtr LoadImage(const std::string& path, int flags) {
  ScaledPixmap pix = LoadScaledPixmap(path, PictureScale());
  if (!pix.pixmap) return nullptr;
  return FromPixmap(*pix.pixmap, flags, 0, pix.factor);
}

ImagePtr LoadImageMasked(const std::string& path, int flags, int mask_r, int mask_g, int mask_b) {
  ScaledPixmap pix = LoadScaledPixmap(path, PictureScale());
  if (!pix.pixmap) return nullptr;
  return FromPixmap(*pix.pixmap, flags, ARGB(0, mask_r, mask_g, mask_b), pix.factor);
}

ImagePtr LoadAnimImageFromPixmap(const Pixmap& pixmap, int cellWidth, int cellHeight, int firstCell, int cellCount,
                                 int flags, int density) {
  if (cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0 || density < 1) return nullptr;
  const int logical_w = cellWidth, logical_h = cellHeight;
  if (int64_t(cellWidth) * density > (1 << 20) || int64_t(cellHeight) * density > (1 << 20)) return nullptr;
  cellWidth *= density;
  cellHeight *= density;
  int per_row = pixmap.width() / cellWidth;
  int rows = pixmap.height() / cellHeight;
  if (per_row <= 0 || rows <= 0) return nullptr;
  long long available = static_cast<long long>(per_row) * rows;
  if (static_cast<long long>(firstCell) + cellCount > available) return nullptr;
  flags = ResolveImageFlags(flags);
  auto image = NewImage(logical_w, logical_h, flags);
  image->density = density;
  for (int i = firstCell; i < firstCell + cellCount; ++i) {
    int cx = (i % per_row) * cellWidth, cy = (i / per_row) * cellHeight;
    PixmapPtr cell = pixmap.Window(cx, cy, cellWidth, cellHeight);
    AddFrame(*image, PrepareFramePixels(*cell, flags, 0));
  }
  return image;
}

ImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount,
                       int flags) {
  if (cellWidth <= 0 || cellHeight <= 0) return nullptr;  // no need to read the file
  ScaledPixmap pix = LoadScaledPixmap(path, PictureScale());
  if (!pix.pixmap) return nullptr;
  return LoadAnimImageFromPixmap(*pix.pixmap, cellWidth, cellHeight, firstCell, cellCount, flags, pix.factor);
}

ImagePtr CreateImage(int width, int height, int frames, int flags) {
  if (frames <= 0) return nullptr;
  flags = ResolveImageFlags(flags);
  auto image = NewImage(width, height, flags);
  for (int i = 0; i < frames; ++i) {
    PixmapPtr pix = Pixmap::Create(width, height);
    if (!pix) return nullptr;
    AddFrame(*image, std::move(pix));
  }
  return image;
}

PixmapPtr LockImage(const ImagePtr& image, int frame) {
  if (!image || frame < 0 || frame >= int(image->frames.size())) return nullptr;
  return image->frames[size_t(frame)].pixmap;
}

void UnlockImage(const ImagePtr& image, int frame) {
  if (!image || frame < 0 || frame >= int(image->frames.size())) return;
  image->frames[size_t(frame)].dirty = true;
}

void GrabImage(const ImagePtr& image, int x, int y, int frame) {
  if (!image || frame < 0 || frame >= int(image->frames.size()) || !GraphicsOpen()) return;
  // (x, y) and the image size are game coordinates; sample the back buffer
  // through the fit mapping.
  DisplayFit fit = CurrentFit();
  int wx0 = int(fit.ToWindowX(x)), wy0 = int(fit.ToWindowY(y));
  int ww = std::max(1, int(fit.ToWindowX(x + image->width)) - wx0);
  int wh = std::max(1, int(fit.ToWindowY(y + image->height)) - wy0);
  PixmapPtr grabbed = GrabPixmap(wx0, wy0, ww, wh);
  if (!grabbed) return;
  PixmapPtr target = Pixmap::Create(image->width, image->height);
  for (int yy = 0; yy < image->height; ++yy)
    for (int xx = 0; xx < image->width; ++xx)
      target->WritePixel(xx, yy,
                         grabbed->ReadPixel(int(fit.ToWindowX(x + xx + 0.5)) - wx0,
                                            int(fit.ToWindowY(y + yy + 0.5)) - wy0));
  ImageFrame& f = image->frames[size_t(frame)];
  f.pixmap = PrepareFramePixels(*target, image->flags, image->mask_rgb);
  f.dirty = true;
}

int ImageWidth(const ImagePtr& image) { return image ? image->width : 0; }
int ImageHeight(const ImagePtr& image) { return image ? image->height : 0; }
int CountFrames(const ImagePtr& image) { return image ? int(image->frames.size()) : 0; }

void SetImageHandle(const ImagePtr& image, float x, float y) {
  if (!image) return;
  image->handle_x = x;
  image->handle_y = y;
}

void MidHandleImage(const ImagePtr& image) {
  if (!image) return;
  image->handle_x = float(image->width) / 2;
  image->handle_y = float(image->height) / 2;
}

void AutoMidHandle(bool on) { g_auto_mid_handle = on; }

}  // namespace drawing
