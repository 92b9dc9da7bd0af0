#include "presentation/big_image.h"

#include <algorithm>

#include "drawing/graphics.h"
#include "support/text_util.h"
#include "presentation/pixel_compositing.h"
#include "presentation/px_sprite_pack.h"

ImageFragment ImageFragment::create(const drawing::Pixmap& pixmap, float x, float y, float w, float h, int density) {
  ImageFragment fragment;
  fragment.x = x;
  fragment.y = y;
  fragment.w = w;
  fragment.h = h;
  drawing::PixmapPtr tile =
      pixmap.Window(TruncToInt(x) * density, TruncToInt(y) * density, TruncToInt(w) * density, TruncToInt(h) * density);
  if (tile) fragment.img = drawing::LoadImageFromPixmap(*tile, 0, density);
  return fragment;
}

bool ImageFragment::render(float px, float py, float scale) const {
  const float left = px + x * scale;
  const float top = py + y * scale;
  int vx, vy, vw, vh;
  drawing::GetViewport(vx, vy, vw, vh);
  if (!img || top + h <= 0 || top >= float(vy + vh)) return false;
  drawing::DrawImage(img, left, top, 0);
  return true;
}

void ImageFragment::renderInViewPort(float px, float py, float clipX, float clipY, float clipW, float clipH) const {
  if (img) DrawImageArea(img, px + x, py + y, clipX, clipY, clipW, clipH, 0, 0, 0);
}

TBigImagePtr TBigImage::CreateFromImage(const drawing::ImagePtr& image) {
  if (!image || image->frames.empty() || !image->frames[0].pixmap) return nullptr;
  // The tiles must not share pixels with the image they came from.
  return create(image->frames[0].pixmap->Copy(), image->density);
}

TBigImagePtr TBigImage::CreateFromPixmap(const drawing::PixmapPtr& pixmap) { return create(pixmap); }

TBigImagePtr TBigImage::create(const drawing::PixmapPtr& pixmap, int density) {
  if (!pixmap || density < 1) return nullptr;
  auto big = std::make_shared<TBigImage>();
  big->pixmap = pixmap;
  big->density = density;
  big->width = float(pixmap->width() / density);
  big->height = float(pixmap->height() / density);
  big->Load();
  big->PixFormat = pixmap->format();
  big->pixmap.reset();
  return big;
}

void TBigImage::Load() {
  fragments.clear();
  if (!pixmap) return;
  const int total_w = TruncToInt(width), total_h = TruncToInt(height);
  for (int ty = 0; ty < total_h; ty += kTileSize) {
    const int tile_h = std::min(kTileSize, total_h - ty);
    for (int tx = 0; tx < total_w; tx += kTileSize) {
      const int tile_w = std::min(kTileSize, total_w - tx);
      fragments.push_back(ImageFragment::create(*pixmap, float(tx), float(ty), float(tile_w), float(tile_h), density));
    }
  }
}

int TBigImage::render(float at_x, float at_y, float scale) const {
  int drawn = 0;
  for (const ImageFragment& fragment : fragments) drawn += fragment.render(at_x, at_y, scale) ? 1 : 0;
  return drawn;
}

void TBigImage::renderInViewPort(float at_x, float at_y, float clipX, float clipY, float clipW, float clipH) const {
  for (const ImageFragment& fragment : fragments) fragment.renderInViewPort(at_x, at_y, clipX, clipY, clipW, clipH);
}

drawing::PixmapPtr TBigImage::RestorePixmap() const {
  drawing::PixmapPtr whole =
      drawing::Pixmap::Create(TruncToInt(width) * density, TruncToInt(height) * density, PixFormat);
  if (!whole) return nullptr;
  for (const ImageFragment& fragment : fragments) {
    if (!fragment.img) continue;
    CompositeImageFrame(fragment.img, 0, *whole, TruncToInt(fragment.x) * density, TruncToInt(fragment.y) * density,
                        1.0f, 1.0f, 0);
  }
  return whole;
}
