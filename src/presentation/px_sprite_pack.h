// Fixed-grid sprite packs: one sheet image plus named rectangles on it,
// each drawn whole, as one frame of a strip or grid, clipped, or tiled.
// Also the two region-drawing routines the large images and widgets use,
// and helpers that recolour grey pictures.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "drawing/image.h"
#include "drawing/pixmap.h"

class TPX_SpritePack;
class TPX_Sprites;
using TPX_SpritePackPtr = std::shared_ptr<TPX_SpritePack>;
using TPX_SpritesPtr = std::shared_ptr<TPX_Sprites>;

class TPX_Sprites {
 public:
  std::string spritename;  // matched exactly
  float posx = 0, posy = 0;  // top-left on the sheet
  float w = 0, h = 0;
  int framew = 0, frameh = 0;  // 0 for a plain sprite
  int animcount = 0;
  int SpriteID = -1;
  std::weak_ptr<TPX_SpritePack> parent;

  // Builds a sprite without registering it. With animcount > 0 the frames
  // split the width equally; framew and frameh, both non-zero, override that.
  static TPX_SpritesPtr Create(const TPX_SpritePackPtr& pack, const std::string& name, float posx, float posy, float w,
                               float h, int animcount, int id, int framew, int frameh);

  // Frame -1 is the whole rectangle; other frames run along rows of the
  // rectangle. alignBottom 1 puts the sprite's bottom edge at y.
  void Draw(float x, float y, int frame = -1, int alignBottom = 0) const;
  // Fills the area with copies from its top-left corner, the last row and
  // column cut to fit. Leaves the viewport set to the area.
  void TileDraw(float x, float y, int width, int height, int frame = -1) const;
  // Draws one frame (the whole sprite for a plain one) at (x, y), only its
  // part inside the clip rectangle, moved by (offsetX, offsetY).
  void DrawClipped(float x, float y, float clipX, float clipY, float clipW, float clipH, float offsetX, float offsetY,
                   int frame) const;

 private:
  drawing::ImagePtr Sheet() const;
  // The frame's rectangle on the sheet; frame -1 is the whole sprite.
  void FrameRect(int frame, float& sx, float& sy, float& sw, float& sh) const;
};

class TPX_SpritePack : public std::enable_shared_from_this<TPX_SpritePack> {
 public:
  drawing::ImagePtr image;
  std::vector<TPX_SpritesPtr> sprites;  // in registration order
  int LastSpriteID = 0;

  static TPX_SpritePackPtr Create(drawing::ImagePtr image);

  // A negative id means the next automatic one.
  TPX_SpritesPtr AddSprite(const std::string& name, float posx, float posy, float w, float h, int id = -1);
  TPX_SpritesPtr AddAnimSprite(const std::string& name, float posx, float posy, float w, float h, int animcount,
                               int id = -1);
  TPX_SpritesPtr AddAnimSpriteMultiCol(const std::string& name, float posx, float posy, float w, float h, int framew,
                                       int frameh, int animcount, int id = -1);

  // The first match; without one a "nicht gefunden" log line and the first
  // sprite of the pack (none when the pack is empty).
  TPX_SpritesPtr GetSprite(const std::string& name) const;
  TPX_SpritesPtr GetSpriteByID(int id) const;

  // A new image (no flags) with a copy of the sprite's rectangle, found by
  // name or, when the name is empty, by id. Null when nothing is left of it.
  drawing::ImagePtr GetSpriteImage(const std::string& name, int id) const;
  drawing::ImagePtr GetSpriteFrameImage(const std::string& name, int id, int frame) const;

  // Draws the given sprite, or the first with exactly that name; an unknown
  // name draws nothing.
  void Draw(const std::string& name, float x, float y, int frame = -1, const TPX_SpritesPtr& sprite = nullptr) const;
  // Draws the sprite at (x, y) showing only what lies inside the clip rectangle.
  void DrawToViewPort(const std::string& name, float x, float y, float clipX, float clipY, float clipW, float clipH,
                      const TPX_SpritesPtr& sprite = nullptr) const;

 private:
  TPX_SpritesPtr Register(const std::string& name, float posx, float posy, float w, float h, int animcount, int id,
                          int framew, int frameh);
  TPX_SpritesPtr FindExact(const std::string& name) const;
  drawing::ImagePtr CutImage(const TPX_Sprites* sprite, float x, float y, float w, float h) const;
};

// Draws the source rectangle of an image frame with its top-left at (x, y)
// (less the image handle); the rectangle is cut at the frame's edges.
void DrawImageRegion(const drawing::ImagePtr& image, float x, float y, float srcX, float srcY, float srcW, float srcH,
                     int frame);
// Draws the frame placed at (x, y), only its part inside the clip
// rectangle, moved by (offsetX, offsetY).
void DrawImageArea(const drawing::ImagePtr& image, float x, float y, float clipX, float clipY, float clipW, float clipH,
                   float offsetX, float offsetY, int frame);

// The grey value of a pixel: its green when red, green and blue are equal,
// alpha is not 0 and red is below 250; else 0. A pixel outside the pixmap
// is logged and counts 0.
int PX_GreyValue(const drawing::Pixmap& pixmap, int x, int y);
// A new image whose grey pixels (value v > 0) become the opaque colour
// (v * r / 100, v * g / 100, v * b / 100), every frame; other pixels stay.
drawing::ImagePtr PX_RecolorImage(const drawing::ImagePtr& image, int r, int g, int b);
