#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace baker {

char32_t GameCharToUnicode(int code) {
  static const char32_t kWindows[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  if (code < 32 || code > 255 || code == 127) return 0;
  if (code >= 128 && code < 160) return kWindows[code - 128];
  return char32_t(code);
}

std::string VeraPath() { return "/usr/share/fonts/truetype/ttf-bitstream-vera/Vera.ttf"; }
std::string VeraBoldPath() { return "/usr/share/fonts/truetype/ttf-bitstream-vera/VeraBd.ttf"; }
std::string DejaVuBoldPath() { return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"; }

struct TypeFace::Library {
  FT_Library lib = nullptr;
  Library() {
    if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType cannot start");
  }
  ~Library() { FT_Done_FreeType(lib); }
};

TypeFace::TypeFace(const std::string& path, float pixelSize)
    : lib_(std::make_shared<Library>()), unit_(float(BakeScale())) {
  FT_Face face = nullptr;
  if (FT_New_Face(lib_->lib, path.c_str(), 0, &face)) throw std::runtime_error("cannot open font " + path);
  FT_Set_Char_Size(face, 0, FT_F26Dot6(std::lround(pixelSize * unit_ * 64.0f)), 72, 72);
  face_ = face;
  ascender_ = float(face->size->metrics.ascender) / 64.0f / unit_;
  descender_ = -float(face->size->metrics.descender) / 64.0f / unit_;
}

TypeFace::~TypeFace() {
  if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
}

bool TypeFace::HasGlyph(char32_t c) const { return FT_Get_Char_Index(static_cast<FT_Face>(face_), c) != 0; }

const TypeFace* TypeFace::FaceFor(char32_t c) const {
  if (HasGlyph(c) || !fallback_) return this;
  return fallback_->FaceFor(c);
}

float TypeFace::Advance(char32_t c) const {
  const TypeFace* tf = FaceFor(c);
  FT_Face face = static_cast<FT_Face>(tf->face_);
  if (FT_Load_Char(face, c, FT_LOAD_DEFAULT)) return 0.0f;
  return float(face->glyph->advance.x) / 64.0f / tf->unit_;
}

float TypeFace::Kerning(char32_t left, char32_t right) const {
  FT_Face face = static_cast<FT_Face>(face_);
  if (!FT_HAS_KERNING(face) || !HasGlyph(left) || !HasGlyph(right)) return 0.0f;
  FT_Vector k{};
  FT_Get_Kerning(face, FT_Get_Char_Index(face, left), FT_Get_Char_Index(face, right), FT_KERNING_DEFAULT, &k);
  return float(k.x) / 64.0f / unit_;
}

float TypeFace::Measure(const std::string& text) const {
  float x = 0;
  char32_t prev = 0;
  for (unsigned char ch : text) {
    char32_t c = GameCharToUnicode(ch);
    if (!c) continue;
    if (prev) x += Kerning(prev, c);
    x += Advance(c);
    prev = c;
  }
  return x;
}

void TypeFace::DrawChar(Mask& target, char32_t c, float x, float baseline) const {
  const TypeFace* tf = FaceFor(c);
  FT_Face face = static_cast<FT_Face>(tf->face_);
  x *= tf->unit_;
  baseline *= tf->unit_;
  // Sub-pixel pen positions are honoured by shifting the outline.
  float fx = std::floor(x), fy = std::floor(baseline);
  FT_Vector delta{FT_Pos(std::lround((x - fx) * 64.0f)), FT_Pos(-std::lround((baseline - fy) * 64.0f))};
  FT_Set_Transform(face, nullptr, &delta);
  if (FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) {
    FT_Set_Transform(face, nullptr, nullptr);
    return;
  }
  FT_Set_Transform(face, nullptr, nullptr);
  const FT_Bitmap& bm = face->glyph->bitmap;
  int ox = int(fx) + face->glyph->bitmap_left, oy = int(fy) - face->glyph->bitmap_top;
  for (unsigned row = 0; row < bm.rows; ++row)
    for (unsigned col = 0; col < bm.width; ++col) {
      int tx = ox + int(col), ty = oy + int(row);
      if (tx < 0 || ty < 0 || tx >= target.pixelWidth() || ty >= target.pixelHeight()) continue;
      float v = float(bm.buffer[int(row) * bm.pitch + int(col)]) / 255.0f;
      target.ref(tx, ty) = std::max(target.at(tx, ty), v);
    }
}

float TypeFace::DrawText(Mask& target, const std::string& text, float x, float baseline) const {
  char32_t prev = 0;
  for (unsigned char ch : text) {
    char32_t c = GameCharToUnicode(ch);
    if (!c) continue;
    if (prev) x += Kerning(prev, c);
    DrawChar(target, c, x, baseline);
    x += Advance(c);
    prev = c;
  }
  return x;
}

}  // namespace baker
