// Image fonts and the chain of font loaders behind LoadImageFont.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "drawing/image.h"

namespace drawing {

// Font styles for LoadImageFont.
constexpr int BOLDFONT = 1;
constexpr int ITALICFONT = 2;
constexpr int SMOOTHFONT = 4;

// A glyph as a font loader delivers it.
class Glyph {
 public:
  virtual ~Glyph() = default;
  virtual PixmapPtr Pixels() = 0;
  virtual float Advance() = 0;
  virtual void GetRect(int& x, int& y, int& w, int& h) = 0;
};
using GlyphPtr = std::shared_ptr<Glyph>;

// A glyph that is just its values; loaders fill it in.
class BasicGlyph : public Glyph {
 public:
  PixmapPtr pixels;
  float advance = 0;
  int x = 0, y = 0, w = 0, h = 0;
  PixmapPtr Pixels() override { return pixels; }
  float Advance() override { return advance; }
  void GetRect(int& ox, int& oy, int& ow, int& oh) override {
    ox = x, oy = y, ow = w, oh = h;
  }
};

// A font as a font loader delivers it. Height and advances are in game
// units; glyph pictures and their rectangles are in pixels, Density() of
// them per game unit, so that a dense screen's letters are drawn with its
// own pixels while text measures the same at every scale.
class Font {
 public:
  virtual ~Font() = default;
  virtual int Density() { return 1; }
  virtual int Style() = 0;
  virtual int Height() = 0;
  virtual int CountGlyphs() = 0;
  virtual int CharToGlyph(int code) = 0;  // -1: the character is not drawn
  virtual GlyphPtr LoadGlyph(int index) = 0;
};
using FontPtr = std::shared_ptr<Font>;

class FontLoader {
 public:
  virtual ~FontLoader() = default;
  // Null when this loader does not take the file; the next loader is asked.
  virtual FontPtr LoadFont(const std::string& url, int size, int style) = 0;
};
using FontLoaderPtr = std::shared_ptr<FontLoader>;

// The FreeType loader for TrueType files; registered first, so asked last.
// Letters are drawn at the picture factor of the current fit scale (see
// picture_variants.h), measured at the size asked for.
FontLoaderPtr CreateTrueTypeLoader();

// Registers a loader ahead of all loaders registered before it.
void AddFontLoader(FontLoaderPtr loader);
void RemoveFontLoader(const FontLoaderPtr& loader);

// A drawable font: the loader's font with its glyphs turned into images on
// first use.
class ImageFont {
 public:
  explicit ImageFont(FontPtr font, int style);
  int Height() const { return height_; }
  int Density() const { return density_; }
  int Style() const { return style_; }
  const FontPtr& Source() const { return font_; }

  struct CachedGlyph {
    bool loaded = false;
    ImagePtr image;  // null for glyphs without pixels (the space)
    float advance = 0;
    int x = 0, y = 0, w = 0, h = 0;  // in pixels of the font's density
    float ox = 0, oy = 0;            // the picture's offset from the pen, in game units
  };
  // The glyph for a character, or null when the character is not drawn.
  const CachedGlyph* GlyphFor(int code);

 private:
  const CachedGlyph* LoadGlyphFor(int code);

  FontPtr font_;
  int style_ = 0;
  int height_ = 0;
  int density_ = 1;
  std::vector<CachedGlyph> glyphs_;
  // The game's text is 8-bit: each byte's glyph is looked up once, so long
  // texts cost a table read per character.
  std::array<const CachedGlyph*, 256> by_byte_{};
  std::array<bool, 256> byte_known_{};
};
using ImageFontPtr = std::shared_ptr<ImageFont>;

// Asks the loaders, most recently registered first; null when none takes it.
ImageFontPtr LoadImageFont(const std::string& url, int size, int style = SMOOTHFONT);

// The layer's built-in font, used when no image font is set.
ImageFontPtr DefaultImageFont();

}  // namespace drawing
