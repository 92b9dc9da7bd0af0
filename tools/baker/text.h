// Text through FreeType: glyph coverage masks, measuring, and the mapping of
// the game's 8-bit character codes to Unicode.
#pragma once

#include <memory>
#include <string>

#include "canvas.h"

namespace baker {

// The game's texts are one byte per character; codes 128 to 159 follow the
// Windows code page (the euro sign and typographic quotes live there), the
// rest is Latin-1. Returns 0 for codes that have no character.
char32_t GameCharToUnicode(int code);

// One TrueType face at one size in units. Letters are drawn at the bake
// scale in force when the face is made; sizes and positions stay in units. Several faces can be chained so that
// characters the first lacks come from the next.
class TypeFace {
 public:
  TypeFace(const std::string& path, float pixelSize);
  ~TypeFace();
  TypeFace(const TypeFace&) = delete;
  TypeFace& operator=(const TypeFace&) = delete;

  bool ok() const { return face_ != nullptr; }
  bool HasGlyph(char32_t c) const;
  void SetFallback(std::shared_ptr<TypeFace> fallback) { fallback_ = std::move(fallback); }

  float ascender() const { return ascender_; }
  float descender() const { return descender_; }  // positive, below the baseline
  float Advance(char32_t c) const;
  // Width of a text in game characters, kerning included.
  float Measure(const std::string& text) const;
  // Adds (max) the coverage of one character, pen at (x, baseline).
  void DrawChar(Mask& target, char32_t c, float x, float baseline) const;
  // Adds the coverage of a text; returns the pen position after it.
  float DrawText(Mask& target, const std::string& text, float x, float baseline) const;

 private:
  const TypeFace* FaceFor(char32_t c) const;
  float Kerning(char32_t left, char32_t right) const;

  struct Library;
  std::shared_ptr<Library> lib_;
  void* face_ = nullptr;  // FT_Face
  float ascender_ = 0, descender_ = 0;
  float unit_ = 1;  // pixels per unit
  std::shared_ptr<TypeFace> fallback_;
};

// Font files used by the baker.
std::string VeraPath();
std::string VeraBoldPath();
std::string DejaVuBoldPath();

}  // namespace baker
