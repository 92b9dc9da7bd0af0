#include "presentation/sprites_pack.h"

#include <algorithm>

#include "drawing/messages.h"
#include "support/text_util.h"

TSpritesPackPtr TSpritesPack::Create() { return std::make_shared<TSpritesPack>(); }

TSpritesPtr TSpritesPack::GetSprite(const std::string& name) const {
  const std::string wanted = UpperAscii(name);
  for (const TSpritesPtr& sprite : List) {
    if (UpperAscii(sprite->spritename) == wanted) return sprite;
  }
  // An unknown name draws the first sprite rather than failing.
  return List.empty() ? nullptr : List.front();
}

SpriteImage TSpritesPack::FindDuplicate(const std::string& path) const {
  if (path.empty()) return {};
  const std::string wanted = UpperAscii(path);
  for (const TSpritesPtr& sprite : List) {
    if (UpperAscii(sprite->spritepath) == wanted) {
      drawing::Print("duplicate");
      return sprite->image;
    }
  }
  return {};
}

int TSpritesPack::SettleID(int id) {
  if (id >= 0) return id;
  return ++LastSpriteID;
}

TSpritesPtr TSpritesPack::AddSprite(const drawing::ImagePtr& image, const std::string& path, const std::string& name,
                                    float x, float y, float dx, float dy, int returnToStart, int useframe, int id,
                                    float textx, float texty) {
  if (!image) drawing::Print("Error: AddSprite: " + drawing::LogValue(name) + " path:" + drawing::LogValue(path));
  return TSprites::Create(*this, image, path, UpperAscii(name), x, y, dx, dy, returnToStart, 0, 0, 1, useframe,
                          SettleID(id), textx, texty);
}

TSpritesPtr TSpritesPack::AddAnimSprite(const drawing::ImagePtr& image, const std::string& path,
                                        const std::string& name, float x, float y, float dx, float dy,
                                        int returnToStart, int frameW, int frameH, int frames, int id, float textx,
                                        float texty) {
  if (!image) drawing::Print("Error: AddAnimSprite: " + drawing::LogValue(name) + " path:" + drawing::LogValue(path));
  return TSprites::Create(*this, image, path, UpperAscii(name), x, y, dx, dy, returnToStart, frameW, frameH, frames,
                          0, SettleID(id), textx, texty);
}

TSpritesPtr TSpritesPack::AddBigSprite(const drawing::ImagePtr& image, const std::string& path,
                                       const std::string& name, float x, float y, float dx, float dy,
                                       int returnToStart, int frameW, int frameH, int frames, int id, float textx,
                                       float texty) {
  return TSprites::CreateBigImage(*this, image, path, UpperAscii(name), x, y, dx, dy, returnToStart, frameW, frameH,
                                  frames, 0, SettleID(id), textx, texty);
}

void TSpritesPack::Clear() {
  List.clear();
  LastSpriteID = 0;
}

void TSpritesPack::Remove(const TSpritesPtr& sprite) {
  List.erase(std::remove(List.begin(), List.end(), sprite), List.end());
}
