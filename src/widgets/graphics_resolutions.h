// The display modes of the graphics driver, merged into one entry per screen
// size with every colour depth and refresh rate seen for it.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TGraphicsResolutions;
using TGraphicsResolutionsPtr = std::shared_ptr<TGraphicsResolutions>;

class TGraphicsResolutions {
 public:
  int scrWidth = 0, scrHeight = 0;
  int scrDepth = 0, scrHertz = 0;  // of the first mode seen for this size
  float scrRatio = 0;
  int graphicsID = 0;  // 1-based, in order of creation
  std::vector<std::string> DepthList;  // decimal texts, each once, as first seen
  std::vector<std::string> HertzList;

  // Merges a mode into the entry of its size, or appends a new entry.
  // Returns the entry the mode went to.
  static TGraphicsResolutionsPtr Create(int width, int height, int depth, int hertz, float ratio);
  // The first entry of that size whose first mode had this depth, or null.
  static TGraphicsResolutionsPtr GetByResolution(int width, int height, int depth);
  static TGraphicsResolutionsPtr GetByID(int id);

  // Every entry, in order of creation.
  static const std::vector<TGraphicsResolutionsPtr>& List();
  // Forgets every entry and restarts the ids (a fresh mode list).
  static void Clear();
};
