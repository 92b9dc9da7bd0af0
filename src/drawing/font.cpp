#include "drawing/font.h"

#include <algorithm>
#include <cmath>
#include <list>

namespace drawing {

namespace {

// Most recently registered first.
std::list<FontLoaderPtr>& Loaders() {
  static std::list<FontLoaderPtr> loaders = [] {
    std::list<FontLoaderPtr> l;
    l.push_front(CreateTrueTypeLoader());
    return l;
  }();
  return loaders;
}

// A glyph cache larger than this would only come from a broken loader.
constexpr int kMaxCachedGlyphs = 1 << 16;

}  // namespace

void AddFontLoader(FontLoaderPtr loader) {
  if (loader) Loaders().push_front(std::move(loader));
}

void RemoveFontLoader(const FontLoaderPtr& loader) { Loaders().remove(loader); }

ImageFont::ImageFont(FontPtr font, int style) : font_(std::move(font)), style_(style) {
  height_ = font_->Height();
  glyphs_.resize(size_t(std::clamp(font_->CountGlyphs(), 0, kMaxCachedGlyphs)));
}

const ImageFont::CachedGlyph* ImageFont::GlyphFor(int code) {
  if (code >= 0 && code < 256) {
    const size_t byte = size_t(code);
    if (!byte_known_[byte]) {
      by_byte_[byte] = LoadGlyphFor(code);
      byte_known_[byte] = true;
    }
    return by_byte_[byte];
  }
  return LoadGlyphFor(code);
}

const ImageFont::CachedGlyph* ImageFont::LoadGlyphFor(int code) {
  int index = font_->CharToGlyph(code);
  if (index < 0 || index >= int(glyphs_.size())) return nullptr;
  CachedGlyph& g = glyphs_[size_t(index)];
  if (!g.loaded) {
    g.loaded = true;
    GlyphPtr glyph = font_->LoadGlyph(index);
    if (glyph) {
      float advance = glyph->Advance();
      g.advance = std::isfinite(advance) ? std::clamp(advance, -1e6f, 1e6f) : 0.0f;
      glyph->GetRect(g.x, g.y, g.w, g.h);
      PixmapPtr pixels = glyph->Pixels();
      if (pixels) {
        // Smooth fonts get filtered, mipmapped glyph pictures.
        int flags = (style_ & SMOOTHFONT) ? (FILTEREDIMAGE | MIPMAPPEDIMAGE) : 0;
        g.image = LoadImageFromPixmap(*pixels, flags);
      }
    }
  }
  return &g;
}

ImageFontPtr LoadImageFont(const std::string& url, int size, int style) {
  // Copy: a loader may register further loaders while it runs.
  std::vector<FontLoaderPtr> chain(Loaders().begin(), Loaders().end());
  for (const auto& loader : chain) {
    if (FontPtr font = loader->LoadFont(url, size, style)) return std::make_shared<ImageFont>(font, style);
  }
  return nullptr;
}

}  // namespace drawing
