// Pictures larger than one texture: cut into tiles of at most 256 x 256
// pixels and drawn side by side so that they look like one picture.
#pragma once

#include <memory>
#include <vector>

#include "drawing/image.h"
#include "drawing/pixmap.h"

// One tile of a large image.
class ImageFragment {
 public:
  drawing::ImagePtr img;
  float x = 0, y = 0;  // offset inside the large image
  float w = 0, h = 0;

  // A tile from the rectangle (trunc(x), trunc(y), trunc(w), trunc(h)) of the
  // pixmap, in game units of `density` pixels each.
  static ImageFragment create(const drawing::Pixmap& pixmap, float x, float y, float w, float h, int density = 1);
  // Draws the tile of a large image whose top-left is (px, py); tiles that
  // cannot reach the viewport vertically are skipped. True when drawn.
  bool render(float px, float py, float scale) const;
  void renderInViewPort(float px, float py, float clipX, float clipY, float clipW, float clipH) const;
};

class TBigImage {
 public:
  static constexpr int kTileSize = 256;

  drawing::PixmapPtr pixmap;  // source pixels, released once the tiles exist
  float px = 0, py = 0;
  std::vector<ImageFragment> fragments;  // row by row, left to right
  float width = 0, height = 0;  // in game units
  int density = 1;              // pixels per game unit
  int PixFormat = drawing::PF_RGBA8888;
  float x = 0, y = 0;

  // None when the image (or its first frame) is missing.
  static std::shared_ptr<TBigImage> CreateFromImage(const drawing::ImagePtr& image);
  static std::shared_ptr<TBigImage> CreateFromPixmap(const drawing::PixmapPtr& pixmap);
  static std::shared_ptr<TBigImage> create(const drawing::PixmapPtr& pixmap, int density = 1);

  void Load();
  // Returns how many tiles were drawn.
  int render(float x, float y, float scale) const;
  void renderInViewPort(float x, float y, float clipX, float clipY, float clipW, float clipH) const;
  // One pixmap of the whole picture, composited from the tiles.
  drawing::PixmapPtr RestorePixmap() const;
};
using TBigImagePtr = std::shared_ptr<TBigImage>;
