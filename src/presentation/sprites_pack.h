// The ordered, name-addressed collection of a theme's sprites.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "drawing/image.h"
#include "presentation/sprites.h"

class TSpritesPack {
 public:
  std::vector<TSpritesPtr> List;  // registration order; lookups walk it from the front
  int LastSpriteID = 0;

  static std::shared_ptr<TSpritesPack> Create();

  // Case-insensitive; an unknown name gives the first sprite (none only for an empty pack).
  TSpritesPtr GetSprite(const std::string& name) const;
  // The image of the first sprite loaded from the same path (any letter case), or nothing.
  SpriteImage FindDuplicate(const std::string& path) const;

  TSpritesPtr AddSprite(const drawing::ImagePtr& image, const std::string& path, const std::string& name, float x,
                        float y, float dx, float dy, int returnToStart, int useframe, int id, float textx,
                        float texty);
  TSpritesPtr AddAnimSprite(const drawing::ImagePtr& image, const std::string& path, const std::string& name, float x,
                            float y, float dx, float dy, int returnToStart, int frameW, int frameH, int frames, int id,
                            float textx, float texty);
  TSpritesPtr AddBigSprite(const drawing::ImagePtr& image, const std::string& path, const std::string& name, float x,
                           float y, float dx, float dy, int returnToStart, int frameW, int frameH, int frames, int id,
                           float textx, float texty);

  // Empties the pack for a reload; automatic ids start again at 1.
  void Clear();
  void Remove(const TSpritesPtr& sprite);

 private:
  int SettleID(int id);
};
using TSpritesPackPtr = std::shared_ptr<TSpritesPack>;
