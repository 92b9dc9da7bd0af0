// Entry points for loading bitmap fonts through the drawing layer's
// LoadImageFont, and the loader that the layer asks for them.
#pragma once

#include <string>

#include "drawing/font.h"

// What LoadImageFont has no parameters for, carried from the entry functions
// to the loader. The values stay until the next entry call changes them.
struct PendingFontSettings {
  std::string data;  // data-file path, or the character list of an auto-sized font
  int charSpacing = 0;
  int cellHeight = 0;
  int spaceWidth = 0;
  int imageFlags = 0;
  int kind = 0;
};
PendingFontSettings& PendingFont();

class TPrismFontLoader : public drawing::FontLoader {
 public:
  // Takes only names ending in ".png", ".bmp", ".tga" or ".jpg" (exact case).
  drawing::FontPtr LoadFont(const std::string& url, int size, int style) override;
};

// Registers the loader ahead of the layer's own loaders; later calls do nothing.
void RegisterPrismFontLoader();

// The url with its extension (from the last dot not followed by a slash) replaced.
std::string ReplaceExtension(const std::string& url, const std::string& extension);

drawing::ImageFontPtr LoadVantoImageFont(const std::string& url, int style, int charSpacing);
drawing::ImageFontPtr LoadFontCandyImageFont(const std::string& url, int style, int charSpacing);
drawing::ImageFontPtr LoadAutoSizedImageFont(const std::string& url, int cellWidth, int cellHeight, int spaceWidth,
                                             const std::string& charset, int charSpacing, int flags);
