// Bitmap fonts in the VANTO layout: a sheet of equal square cells (left to
// right, then top to bottom) and a ".vnt" data file with a header of four
// little-endian ints (frame count, cell size, font height, space width) and
// one 24-byte record per glyph (code, width, height as ints; x offset,
// y offset, advance as floats). The loader places a cell at the pen minus the
// offsets and moves the pen by advance + spacing + 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace baker {

struct VantoStyle {
  std::string fontPath;
  float pixelSize = 14;
  Rgba fillTop, fillBottom;  // vertical gradient over the line height
  float outline = 0;         // outline width in pixels, 0 for none
  Rgba outlineColour;
  int shadowX = 1, shadowY = 1;
  float shadowBlur = 0.8f;
  Rgba shadowColour;
  int extraSpacing = 0;  // added to every advance
};

struct VantoRecord {
  int32_t code = 0, width = 0, height = 0;
  float xOffset = 0, yOffset = 0, advance = 0;
};

struct VantoFont {
  Canvas sheet;
  int cellSize = 0;
  int fontHeight = 0;
  int spaceWidth = 0;
  std::vector<VantoRecord> records;  // in frame order

  std::vector<uint8_t> DataFile() const;
  // Reads a data file; false when it is malformed.
  static bool ParseDataFile(const std::vector<uint8_t>& bytes, VantoFont* out);
  // The width the game's text drawing gives a text at spacing 0.
  int TextWidth(const std::string& text) const;
};

// Characters 32 to 254 that have a character (code-page holes are left out).
// At a bake scale above 1 the sheet has that many times the pixels of the 1x
// sheet, cell for cell, and the data file gives its values in those pixels.
VantoFont BakeVantoFont(const VantoStyle& style);

}  // namespace baker
