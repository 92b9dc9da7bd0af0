#include "presentation/px_sprite_pack.h"

#include <cstdint>

#include <algorithm>
#include <cmath>

#include "drawing/graphics.h"
#include "drawing/messages.h"
#include "support/text_util.h"

// ---- module drawing routines

void DrawImageRegion(const drawing::ImagePtr& image, float x, float y, float srcX, float srcY, float srcW, float srcH,
                     int frame) {
  // The drawing layer cuts the source at the frame's edges and draws just
  // that part, so the viewport stays as the caller set it.
  drawing::DrawSubImageRect(image, x, y, srcW, srcH, srcX, srcY, srcW, srcH, frame);
}

namespace {

// Draws the W x H region whose sheet top-left is (srcX, srcY), placed at
// (x, y), clipped to the clip rectangle.
void DrawRegionClipped(const drawing::ImagePtr& image, float x, float y, float srcX, float srcY, float W, float H,
                       float clipX, float clipY, float clipW, float clipH, float offsetX, float offsetY, int frame) {
  if (x >= clipX + clipW || x + W <= clipX || y >= clipY + clipH || y + H <= clipY) return;
  const float left = std::max(clipX - x, 0.0f);
  const float top = std::max(clipY - y, 0.0f);
  const float right = std::max(x + W - (clipX + clipW), 0.0f);
  const float bottom = std::max(y + H - (clipY + clipH), 0.0f);
  DrawImageRegion(image, x + left + offsetX, y + top + offsetY, srcX + left, srcY + top, W - left - right,
                  H - top - bottom, frame);
}

}  // namespace

void DrawImageArea(const drawing::ImagePtr& image, float x, float y, float clipX, float clipY, float clipW, float clipH,
                   float offsetX, float offsetY, int frame) {
  if (!image) return;
  DrawRegionClipped(image, x, y, 0, 0, float(image->width), float(image->height), clipX, clipY, clipW, clipH, offsetX,
                    offsetY, frame);
}

// ---- sprites

TPX_SpritesPtr TPX_Sprites::Create(const TPX_SpritePackPtr& pack, const std::string& name, float posx, float posy,
                                   float w, float h, int animcount, int id, int framew, int frameh) {
  auto sprite = std::make_shared<TPX_Sprites>();
  sprite->spritename = name;
  sprite->posx = posx;
  sprite->posy = posy;
  sprite->w = w;
  sprite->h = h;
  sprite->animcount = animcount;
  sprite->SpriteID = id;
  sprite->parent = pack;
  if (animcount > 0) {
    sprite->framew = TruncToInt(w) / animcount;
    sprite->frameh = TruncToInt(h);
  }
  if (framew != 0 && frameh != 0) {
    sprite->framew = framew;
    sprite->frameh = frameh;
  }
  return sprite;
}

drawing::ImagePtr TPX_Sprites::Sheet() const {
  auto pack = parent.lock();
  return pack ? pack->image : nullptr;
}

void TPX_Sprites::FrameRect(int frame, float& sx, float& sy, float& sw, float& sh) const {
  if (frame == -1) {
    sx = posx, sy = posy, sw = w, sh = h;
    return;
  }
  // A frame that would reach past the rectangle's right edge wraps: a row
  // holds as many whole frames as fit, so no frame shows its neighbour's pixels.
  double column = frame, row = 0;
  if (framew != 0 && (double(frame) + 1) * framew > w) {
    const double per_row = std::max(1.0, std::floor(double(w) / framew));
    row = std::trunc(frame / per_row);
    column = frame - row * per_row;
  }
  sx = float(posx + column * framew);
  sy = float(posy + row * frameh);
  sw = float(framew);
  sh = float(frameh);
}

void TPX_Sprites::Draw(float x, float y, int frame, int alignBottom) const {
  float sx, sy, sw, sh;
  FrameRect(frame, sx, sy, sw, sh);
  DrawImageRegion(Sheet(), x, y - float(alignBottom) * h, sx, sy, sw, sh, 0);
}

void TPX_Sprites::TileDraw(float x, float y, int width, int height, int) const {
  drawing::SetViewport(TruncToInt(x), TruncToInt(y), width, height);
  if (w <= 0 || h <= 0) return;  // nothing to repeat, and no end to the rows
  const auto sheet = Sheet();
  const double right = double(x) + width;
  const double bottom = double(y) + height;
  // Positions by multiplication, so rounding cannot stall the loops.
  for (long row = 0;; ++row) {
    const double ty = double(y) + double(row) * h;
    if (ty >= bottom) break;
    const int row_height = TruncToInt(ty + h > bottom ? bottom - ty : double(h));
    for (long col = 0;; ++col) {
      const double tx = double(x) + double(col) * w;
      if (tx >= right) break;
      const int col_width = TruncToInt(tx + w > right ? right - tx : double(w));
      DrawImageRegion(sheet, float(tx), float(ty), posx, posy, float(col_width), float(row_height), 0);
    }
  }
}

void TPX_Sprites::DrawClipped(float x, float y, float clipX, float clipY, float clipW, float clipH, float offsetX,
                              float offsetY, int frame) const {
  float sx, sy, sw, sh;
  FrameRect(framew != 0 && frameh != 0 ? std::max(frame, 0) : -1, sx, sy, sw, sh);
  DrawRegionClipped(Sheet(), x, y, sx, sy, sw, sh, clipX, clipY, clipW, clipH, offsetX, offsetY, 0);
}

// ---- packs

TPX_SpritePackPtr TPX_SpritePack::Create(drawing::ImagePtr image) {
  auto pack = std::make_shared<TPX_SpritePack>();
  pack->image = std::move(image);
  return pack;
}

TPX_SpritesPtr TPX_SpritePack::Register(const std::string& name, float posx, float posy, float w, float h,
                                        int animcount, int id, int framew, int frameh) {
  if (id < 0) id = ++LastSpriteID;
  auto sprite = TPX_Sprites::Create(shared_from_this(), name, posx, posy, w, h, animcount, id, framew, frameh);
  sprites.push_back(sprite);
  return sprite;
}

TPX_SpritesPtr TPX_SpritePack::AddSprite(const std::string& name, float posx, float posy, float w, float h, int id) {
  return Register(name, posx, posy, w, h, 0, id, 0, 0);
}

TPX_SpritesPtr TPX_SpritePack::AddAnimSprite(const std::string& name, float posx, float posy, float w, float h,
                                             int animcount, int id) {
  return Register(name, posx, posy, w, h, animcount, id, 0, 0);
}

TPX_SpritesPtr TPX_SpritePack::AddAnimSpriteMultiCol(const std::string& name, float posx, float posy, float w, float h,
                                                     int framew, int frameh, int animcount, int id) {
  return Register(name, posx, posy, w, h, animcount, id, framew, frameh);
}

TPX_SpritesPtr TPX_SpritePack::FindExact(const std::string& name) const {
  for (const auto& sprite : sprites) {
    if (sprite->spritename == name) return sprite;
  }
  return nullptr;
}

TPX_SpritesPtr TPX_SpritePack::GetSprite(const std::string& name) const {
  if (auto sprite = FindExact(name)) return sprite;
  drawing::Print(drawing::LogValue(name) + " nicht gefunden");
  return sprites.empty() ? nullptr : sprites.front();
}

TPX_SpritesPtr TPX_SpritePack::GetSpriteByID(int id) const {
  for (const auto& sprite : sprites) {
    if (sprite->SpriteID == id) return sprite;
  }
  drawing::Print("Sprite mit ID: " + std::to_string(id) + " nicht gefunden");
  return sprites.empty() ? nullptr : sprites.front();
}

drawing::ImagePtr TPX_SpritePack::CutImage(const TPX_Sprites* sprite, float x, float y, float w, float h) const {
  if (!sprite || !image || image->frames.empty() || !image->frames[0].pixmap) return nullptr;
  // Sprite rectangles are in game units; a dense sheet holds more pixels each.
  const int d = image->density;
  auto px = [d](float v) { return int(std::clamp<int64_t>(int64_t(TruncToInt(v)) * d, INT32_MIN, INT32_MAX)); };
  auto cut = image->frames[0].pixmap->Window(px(x), px(y), px(w), px(h));
  return cut ? drawing::LoadImageFromPixmap(*cut, 0, d) : nullptr;
}

drawing::ImagePtr TPX_SpritePack::GetSpriteImage(const std::string& name, int id) const {
  auto sprite = name.empty() ? GetSpriteByID(id) : GetSprite(name);
  return sprite ? CutImage(sprite.get(), sprite->posx, sprite->posy, sprite->w, sprite->h) : nullptr;
}

drawing::ImagePtr TPX_SpritePack::GetSpriteFrameImage(const std::string& name, int id, int frame) const {
  auto sprite = name.empty() ? GetSpriteByID(id) : GetSprite(name);
  if (!sprite) return nullptr;
  return CutImage(sprite.get(), float(double(sprite->posx) + double(frame) * sprite->framew), sprite->posy,
                  float(sprite->framew), sprite->h);
}

void TPX_SpritePack::Draw(const std::string& name, float x, float y, int frame, const TPX_SpritesPtr& sprite) const {
  const auto s = sprite ? sprite : FindExact(name);
  if (!s) return;
  if (frame == -1) {
    DrawImageRegion(image, x, y, s->posx, s->posy, s->w, s->h, 0);
  } else {
    DrawImageRegion(image, x, y, float(double(s->posx) + double(frame) * s->framew), s->posy, float(s->framew), s->h,
                    0);
  }
}

void TPX_SpritePack::DrawToViewPort(const std::string& name, float x, float y, float clipX, float clipY, float clipW,
                                    float clipH, const TPX_SpritesPtr& sprite) const {
  const auto s = sprite ? sprite : FindExact(name);
  if (!s) return;
  // The whole sheet is placed so that the sprite lands at (x, y).
  DrawImageArea(image, x - s->posx, y - s->posy, clipX, clipY, clipW, clipH, 0, 0, 0);
}

// ---- recolouring

int PX_GreyValue(const drawing::Pixmap& pixmap, int x, int y) {
  if (x < 0 || y < 0 || x >= pixmap.width() || y >= pixmap.height()) {
    drawing::Print("abgefangen: pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") lies outside the picture");
    return 0;
  }
  const uint32_t p = pixmap.ReadPixel(x, y);
  const int r = drawing::ARGB_R(p), g = drawing::ARGB_G(p), b = drawing::ARGB_B(p);
  return (r == g && g == b && drawing::ARGB_A(p) != 0 && r < 250) ? g : 0;
}

drawing::ImagePtr PX_RecolorImage(const drawing::ImagePtr& image, int r, int g, int b) {
  if (!image || image->frames.empty()) return nullptr;
  auto channel = [](int v, int percent) { return std::clamp(v * percent / 100, 0, 255); };
  const int d = image->density;
  auto out = drawing::CreateImage(image->width * d, image->height * d, int(image->frames.size()), image->flags);
  if (!out) return nullptr;
  out->width = image->width;
  out->height = image->height;
  out->density = d;
  for (size_t f = 0; f < image->frames.size(); ++f) {
    const auto& source = image->frames[f].pixmap;
    auto target = drawing::LockImage(out, int(f));
    if (!source || !target) continue;
    for (int y = 0; y < source->height(); ++y) {
      for (int x = 0; x < source->width(); ++x) {
        const int v = PX_GreyValue(*source, x, y);
        target->WritePixel(x, y,
                           v > 0 ? drawing::ARGB(255, channel(v, r), channel(v, g), channel(v, b)) : source->ReadPixel(x, y));
      }
    }
    drawing::UnlockImage(out, int(f));
  }
  return out;
}
