// Everything the baker makes, by path inside the game folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "vanto.h"

namespace baker {

struct BakedPicture {
  std::string path;  // relative to the game folder, e.g. "themes/base/bg.png"
  Canvas canvas;
};

struct BakedFont {
  std::string path;  // the picture; the data file sits beside it as ".vnt"
  VantoFont font;
};

struct Bake {
  std::vector<BakedPicture> pictures;
  std::vector<BakedFont> fonts;
  const Canvas* Find(const std::string& path) const;
  const VantoFont* FindFont(const std::string& path) const;
};

Bake BakeEverything();

// Writes every picture and font below the folder; false with a message on
// the error output when anything cannot be written.
bool WriteBake(const Bake& bake, const std::string& folder);

// "a/b/name.png" -> "a/b/name.vnt".
std::string DataFileFor(const std::string& picturePath);

}  // namespace baker
