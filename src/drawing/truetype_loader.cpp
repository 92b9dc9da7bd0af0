// TrueType fonts through FreeType: glyphs are rendered white with their
// coverage as alpha, so the drawing colour tints them.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/files.h"
#include "drawing/font.h"
#include "drawing/picture_variants.h"

namespace drawing {

namespace {

struct Library {
  FT_Library lib = nullptr;
  Library() {
    if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
  }
  ~Library() {
    if (lib) FT_Done_FreeType(lib);
  }
};

std::shared_ptr<Library> SharedLibrary() {
  static std::shared_ptr<Library> library = std::make_shared<Library>();
  return library;
}

// Measured with a face at the size asked for, drawn with a second face at
// `density` times that size when the screen is denser than the game area.
class TrueTypeFont : public Font {
 public:
  TrueTypeFont(std::shared_ptr<Library> lib, FT_Face face, FT_Face dense, int density, std::vector<FT_Byte> bytes,
               int style)
      : lib_(std::move(lib)), face_(face), dense_(dense), density_(density), bytes_(std::move(bytes)), style_(style) {
    ascent_ = int(std::lround(double(face_->size->metrics.ascender) / 64.0));
    int descent = int(std::lround(double(face_->size->metrics.descender) / 64.0));
    height_ = ascent_ - descent;
  }
  ~TrueTypeFont() override {
    if (dense_) FT_Done_Face(dense_);
    FT_Done_Face(face_);
  }
  TrueTypeFont(const TrueTypeFont&) = delete;
  TrueTypeFont& operator=(const TrueTypeFont&) = delete;

  int Density() override { return dense_ ? density_ : 1; }
  int Style() override { return style_; }
  int Height() override { return height_; }
  int CountGlyphs() override { return int(face_->num_glyphs); }
  // Text is Latin-1, whose codes are the first 256 Unicode characters.
  int CharToGlyph(int code) override {
    if (code < 0) return -1;
    return int(FT_Get_Char_Index(face_, FT_ULong(code))) - 1;
  }

  GlyphPtr LoadGlyph(int index) override {
    auto glyph = std::make_shared<BasicGlyph>();
    bool smooth = style_ & SMOOTHFONT;
    FT_Int32 load = FT_LOAD_DEFAULT | (smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
    if (FT_Load_Glyph(face_, FT_UInt(index + 1), load) != 0) return glyph;
    FT_GlyphSlot slot = face_->glyph;
    if ((style_ & BOLDFONT) && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Embolden(slot);
    glyph->advance = float(slot->advance.x) / 64.0f;
    int ascent = ascent_;
    if (dense_) {
      // The letter's pixels from the larger face, on the same baseline.
      if (FT_Load_Glyph(dense_, FT_UInt(index + 1), load) != 0) return glyph;
      slot = dense_->glyph;
      if ((style_ & BOLDFONT) && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Embolden(slot);
      ascent = ascent_ * density_;
    }
    if (FT_Render_Glyph(slot, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) return glyph;
    const FT_Bitmap& bm = slot->bitmap;
    glyph->x = slot->bitmap_left;
    glyph->y = ascent - slot->bitmap_top;
    glyph->w = int(bm.width);
    glyph->h = int(bm.rows);
    if (bm.width == 0 || bm.rows == 0) return glyph;
    PixmapPtr pix = Pixmap::Create(int(bm.width), int(bm.rows));
    if (!pix) return glyph;
    for (unsigned row = 0; row < bm.rows; ++row) {
      const unsigned char* src = bm.buffer + std::ptrdiff_t(row) * bm.pitch;
      for (unsigned col = 0; col < bm.width; ++col) {
        int a = 0;
        if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
          a = (src[col >> 3] & (0x80 >> (col & 7))) ? 255 : 0;
        } else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
          a = bm.num_grays > 1 ? int(src[col]) * 255 / (bm.num_grays - 1) : src[col];
        }
        pix->WritePixel(int(col), int(row), ARGB(a, 255, 255, 255));
      }
    }
    glyph->pixels = pix;
    return glyph;
  }

 private:
  std::shared_ptr<Library> lib_;
  FT_Face face_;
  FT_Face dense_;  // null at 1x
  int density_;
  std::vector<FT_Byte> bytes_;  // FreeType reads the face from this memory
  int style_;
  int ascent_ = 0;
  int height_ = 0;
};

class TrueTypeLoader : public FontLoader {
 public:
  FontPtr LoadFont(const std::string& url, int size, int style) override {
    if (size <= 0 || size > 1000) return nullptr;
    auto lib = SharedLibrary();
    if (!lib->lib) return nullptr;
    std::string file;
    if (!ReadWholeFile(url, file) || file.empty()) return nullptr;
    std::vector<FT_Byte> bytes(file.begin(), file.end());
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(lib->lib, bytes.data(), FT_Long(bytes.size()), 0, &face) != 0)
      return nullptr;
    if (!FT_IS_SCALABLE(face) || FT_Set_Pixel_Sizes(face, 0, FT_UInt(size)) != 0) {
      FT_Done_Face(face);
      return nullptr;
    }
    const int density = ChoosePictureFactor(PictureScale(), {1, 2, 3});
    FT_Face dense = nullptr;
    if (density > 1 && (FT_New_Memory_Face(lib->lib, bytes.data(), FT_Long(bytes.size()), 0, &dense) != 0 ||
                        FT_Set_Pixel_Sizes(dense, 0, FT_UInt(size * density)) != 0)) {
      if (dense) FT_Done_Face(dense);
      dense = nullptr;  // drawn at 1x then
    }
    // Moving the vector keeps its buffer where FreeType expects it.
    return std::make_shared<TrueTypeFont>(lib, face, dense, density, std::move(bytes), style);
  }
};

}  // namespace

FontLoaderPtr CreateTrueTypeLoader() { return std::make_shared<TrueTypeLoader>(); }

}  // namespace drawing
