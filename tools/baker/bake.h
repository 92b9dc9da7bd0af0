// Everything the baker makes, by path inside the game folder.
#pragma once

#include <cstdint>
#include <functional>
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

// What the baker draws, as recipes that draw at the bake scale in force.
struct PictureJob {
  std::string path;
  std::function<Canvas()> draw;
};
struct FontJob {
  std::string path;
  VantoStyle style;  // at 1x
};
struct BakeJobs {
  std::vector<PictureJob> pictures;
  std::vector<FontJob> fonts;
};
BakeJobs AllJobs();

// The pictures are drawn, never enlarged, at 1x, 2x and 3x.
constexpr int kMaxBakeScale = 3;

// Everything at one scale, with the scale in every path beyond 1x.
Bake BakeEverything(int scale = 1);

// "a/name.png" at 2 -> "a/name@2x.png"; unchanged at 1.
std::string ScaledPath(const std::string& path, int scale);

// Writes every picture and font below the folder; false with a message on
// the error output when anything cannot be written.
bool WriteBake(const Bake& bake, const std::string& folder);
// Draws and writes every picture and font at every scale, on that many
// threads; the 1x files are the ones WriteBake writes for BakeEverything().
bool BakeAllScales(const std::string& folder, int threads);

// "a/b/name.png" -> "a/b/name.vnt".
std::string DataFileFor(const std::string& picturePath);

}  // namespace baker
