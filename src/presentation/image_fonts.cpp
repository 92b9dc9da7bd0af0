#include "presentation/image_fonts.h"

#include <memory>

#include "drawing/image.h"
#include "presentation/prism_font.h"

PendingFontSettings& PendingFont() {
  static PendingFontSettings pending;
  return pending;
}

drawing::FontPtr TPrismFontLoader::LoadFont(const std::string& url, int size, int style) {
  (void)style;
  if (url.empty()) return nullptr;
  const size_t dot = url.rfind('.');
  if (dot == std::string::npos) return nullptr;
  const std::string extension = url.substr(dot);
  if (extension != ".png" && extension != ".bmp" && extension != ".tga" && extension != ".jpg") return nullptr;
  const PendingFontSettings& pending = PendingFont();
  return TPrismFont::Load(url, size, pending.cellHeight, pending.spaceWidth, pending.data, pending.charSpacing,
                          pending.imageFlags, pending.kind);
}

void RegisterPrismFontLoader() {
  static const bool registered = [] {
    drawing::AddFontLoader(std::make_shared<TPrismFontLoader>());
    return true;
  }();
  (void)registered;
}

std::string ReplaceExtension(const std::string& url, const std::string& extension) {
  const size_t dot = url.rfind('.');
  if (dot == std::string::npos || url.find('/', dot) != std::string::npos ||
      url.find('\\', dot) != std::string::npos) {
    return url + extension;
  }
  return url.substr(0, dot) + extension;
}

namespace {

drawing::ImageFontPtr LoadWithDataFile(const std::string& url, int style, int charSpacing, const char* extension,
                                       int kind) {
  RegisterPrismFontLoader();
  PendingFontSettings& pending = PendingFont();
  const std::string dataFile = ReplaceExtension(url, extension);
  pending.data = dataFile;
  if (!PrismFileExists(dataFile)) {
    TPrismFont::Error("File " + dataFile + " Not found...");
    return nullptr;
  }
  pending.imageFlags = (style & drawing::SMOOTHFONT)
                           ? drawing::MASKEDIMAGE | drawing::FILTEREDIMAGE | drawing::MIPMAPPEDIMAGE
                           : drawing::MASKEDIMAGE;
  pending.kind = kind;
  pending.charSpacing = charSpacing;
  return drawing::LoadImageFont(url, 0, style);
}

}  // namespace

drawing::ImageFontPtr LoadVantoImageFont(const std::string& url, int style, int charSpacing) {
  return LoadWithDataFile(url, style, charSpacing, ".vnt", TPrismFont::KIND_VANTO);
}

drawing::ImageFontPtr LoadFontCandyImageFont(const std::string& url, int style, int charSpacing) {
  return LoadWithDataFile(url, style, charSpacing, ".dat", TPrismFont::KIND_FONTCANDY);
}

drawing::ImageFontPtr LoadAutoSizedImageFont(const std::string& url, int cellWidth, int cellHeight, int spaceWidth,
                                             const std::string& charset, int charSpacing, int flags) {
  RegisterPrismFontLoader();
  PendingFontSettings& pending = PendingFont();
  pending.data = charset;
  pending.cellHeight = cellHeight;
  pending.spaceWidth = spaceWidth;
  pending.imageFlags = drawing::MASKEDIMAGE | drawing::FILTEREDIMAGE | drawing::MIPMAPPEDIMAGE;
  pending.kind = flags | TPrismFont::KIND_AUTOSIZED;
  pending.charSpacing = charSpacing;
  return drawing::LoadImageFont(url, cellWidth, drawing::SMOOTHFONT);
}
