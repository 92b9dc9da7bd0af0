#include "presentation/sprites.h"

#include "drawing/graphics.h"
#include "engine/random.h"
#include "support/text_util.h"
#include "presentation/sprites_pack.h"

TSpritesPtr TSprites::Build(TSpritesPack& pack, const drawing::ImagePtr& image, const std::string& path,
                            const std::string& name, float x, float y, float dx, float dy, int returnToStart,
                            int frameW, int frameH, int frames, int useframe, int id, float textx, float texty,
                            bool big) {
  auto sprite = std::make_shared<TSprites>();
  sprite->spritename = name;
  sprite->spritepath = path;
  sprite->x = x;
  sprite->y = y;
  sprite->dx = dx;
  sprite->dy = dy;
  sprite->returnToStart = returnToStart;
  sprite->frameW = frameW != 0 ? frameW : drawing::ImageWidth(image);
  sprite->frameH = frameH != 0 ? frameH : drawing::ImageHeight(image);
  sprite->height = drawing::ImageHeight(image);
  sprite->frames = frames;
  sprite->useframe = useframe;
  sprite->SpriteID = id;
  sprite->textx = textx;
  sprite->texty = texty;
  if (big) {
    sprite->image.big = TBigImage::CreateFromImage(image);
  } else {
    sprite->image.plain = image;
  }
  pack.List.push_back(sprite);
  return sprite;
}

TSpritesPtr TSprites::Create(TSpritesPack& pack, const drawing::ImagePtr& image, const std::string& path,
                             const std::string& name, float x, float y, float dx, float dy, int returnToStart,
                             int frameW, int frameH, int frames, int useframe, int id, float textx, float texty) {
  return Build(pack, image, path, name, x, y, dx, dy, returnToStart, frameW, frameH, frames, useframe, id, textx,
               texty, false);
}

TSpritesPtr TSprites::CreateBigImage(TSpritesPack& pack, const drawing::ImagePtr& image, const std::string& path,
                                     const std::string& name, float x, float y, float dx, float dy,
                                     int returnToStart, int frameW, int frameH, int frames, int useframe, int id,
                                     float textx, float texty) {
  return Build(pack, image, path, name, x, y, dx, dy, returnToStart, frameW, frameH, frames, useframe, id, textx,
               texty, true);
}

void TSprites::Draw(int at_x, int at_y, int frame, const std::string& text, const drawing::ImageFontPtr& font) const {
  if (frame == -1) frame = useframe;
  if (at_x == -1 && at_y == -1) {
    at_x = TruncToInt(x);
    at_y = TruncToInt(y);
  }
  if (visible) {
    if (image.plain) {
      const int image_height = drawing::ImageHeight(image.plain);
      const bool on_screen = int64_t(at_y) + image_height > 0 && at_y < kScreenHeight;
      if (on_screen && frame >= 0 && frame < drawing::CountFrames(image.plain)) {
        drawing::DrawImage(image.plain, float(at_x), float(at_y), frame);
      }
    } else if (image.big) {
      image.big->render(float(at_x), float(at_y), 1.0f);
    }
  }
  if (!text.empty()) {
    if (font) drawing::SetImageFont(font);
    drawing::DrawText(text, float(at_x) + textx, float(at_y) + texty);
  }
}

void TSprites::DrawXadded(float addx, int frame) const { Draw(TruncToInt(x + addx), TruncToInt(y), frame); }

void TSprites::WrapAround() {
  if (returnToStart > 0 && x - float(returnToStart) > float(kScreenWidth)) {
    x = float(-returnToStart - Rand(1, 50));
    dx = float(4 + Rand(0, 5));
  }
}

void TSprites::Update(float, float) {
  x += dx;
  WrapAround();
}

void TSprites::UpdateWithReturn(float a, float b) { Update(a, b); }

void TSprites::UpdateAndDraw(int at_x, int at_y) {
  x += dx;
  if (at_x == kOwnCoordinate) at_x = TruncToInt(x);
  if (at_y == kOwnCoordinate) at_y = TruncToInt(y);
  Draw(at_x, at_y, -1);
  WrapAround();
}
