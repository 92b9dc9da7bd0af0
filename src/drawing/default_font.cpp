// The layer's built-in font: a small bitmap font compiled into the program,
// so text shows even before any font file is loaded.
#include <cstdint>

#include "drawing/default_font_data.h"
#include "drawing/font.h"

namespace drawing {

namespace {

class BuiltinFont : public Font {
 public:
  int Style() override { return 0; }
  int Height() override { return kDefaultFontHeight; }
  int CountGlyphs() override { return kDefaultFontLast - kDefaultFontFirst + 1; }
  int CharToGlyph(int code) override {
    if (code < kDefaultFontFirst || code > kDefaultFontLast) return -1;
    return code - kDefaultFontFirst;
  }
  GlyphPtr LoadGlyph(int index) override {
    auto g = std::make_shared<BasicGlyph>();
    if (index < 0 || index >= CountGlyphs()) return g;
    g->advance = float(kDefaultFontAdvance);
    g->w = kDefaultFontCellWidth;
    g->h = kDefaultFontHeight;
    g->pixels = Pixmap::Create(kDefaultFontCellWidth, kDefaultFontHeight);
    const uint16_t* rows = &kDefaultFontBits[size_t(index) * kDefaultFontHeight];
    for (int y = 0; y < kDefaultFontHeight; ++y)
      for (int x = 0; x < kDefaultFontCellWidth; ++x)
        if (rows[y] & (1u << x)) g->pixels->WritePixel(x, y, ARGB(255, 255, 255, 255));
    return g;
  }
};

}  // namespace

ImageFontPtr DefaultImageFont() {
  static ImageFontPtr font = std::make_shared<ImageFont>(std::make_shared<BuiltinFont>(), 0);
  return font;
}

}  // namespace drawing
