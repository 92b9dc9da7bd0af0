// Bitmap fonts: glyph pictures cut from an image, with metrics from a data
// file beside it (VANTO ".vnt", FontCandy ".dat") or measured from the
// pixels (auto-sized). They reach the drawing layer through its font-loader
// chain, so all text calls work with them unchanged.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "drawing/font.h"
#include "drawing/pixmap.h"

class TPrismFontGlyph : public drawing::Glyph {
 public:
  drawing::PixmapPtr G_Pixmap;
  float G_Advance = 0;
  int G_X = 0, G_Y = 0;  // offset of the picture from the pen
  int G_Width = 0, G_Height = 0;

  drawing::PixmapPtr Pixels() override { return G_Pixmap; }
  float Advance() override { return G_Advance; }
  void GetRect(int& x, int& y, int& w, int& h) override;
};
using TPrismFontGlyphPtr = std::shared_ptr<TPrismFontGlyph>;

class TPrismFont : public drawing::Font {
 public:
  // Font kinds (Flags).
  static constexpr int KIND_AUTOSIZED = 0x400;
  static constexpr int KIND_VANTO = 0x800;
  static constexpr int KIND_FONTCANDY = 0x1000;
  static constexpr int AUTOSIZED_FIXED_WIDTH = 1;

  static constexpr int kFirstCode = 32;
  static constexpr int kLastCode = 254;
  static constexpr int kSlots = 255;

  TPrismFontGlyphPtr NullGlyph = std::make_shared<TPrismFontGlyph>();
  std::array<TPrismFontGlyphPtr, kSlots> Glyphs{};  // slot i holds character i + 32
  int FontHeight = 0;
  int ImageFlags = 0;
  int Flags = 0;
  int GlyphDensity = 1;  // pixels per game unit of the glyph pictures

  int Density() override { return GlyphDensity; }
  int Style() override;
  int Height() override { return FontHeight; }
  int CountGlyphs() override { return kSlots; }
  int CharToGlyph(int code) override;
  drawing::GlyphPtr LoadGlyph(int index) override;

  static std::shared_ptr<TPrismFont> Load(const std::string& url, int size, int cellHeight, int spaceWidth,
                                          const std::string& data, int charSpacing, int imageFlags, int flags);
  static std::shared_ptr<TPrismFont> VantoFontLoader(const std::shared_ptr<TPrismFont>& font, const std::string& url,
                                                     const std::string& dataFile, int charSpacing);
  // Puts the letters of the name@2x / name@3x sheet that suits the fit scale
  // in place of the 1x pictures; the 1x data keeps measuring. False (and the
  // 1x letters stay) when there is none or it does not fit the 1x font.
  static bool UseDenseVariant(TPrismFont& font, const std::string& url, const std::string& dataFile, double scale);
  static std::shared_ptr<TPrismFont> FontCandyLoader(const std::shared_ptr<TPrismFont>& font, const std::string& url,
                                                     const std::string& dataFile, int charSpacing);
  static std::shared_ptr<TPrismFont> AutoSizedFontLoader(const std::shared_ptr<TPrismFont>& font,
                                                         const std::string& url, int cellWidth, int cellHeight,
                                                         int spaceWidth, const std::string& charset, int charSpacing);
  static void CreateSpace(TPrismFont& font, int width);
  static void Error(const std::string& message);

  // The glyph slot of a character code, or -1 outside 32..254.
  static int SlotOf(int code);
};
using TPrismFontPtr = std::shared_ptr<TPrismFont>;

// Existence test for font images and data files.
bool PrismFileExists(const std::string& path);
