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

// A dense glyph's picture grows with clear pixels to whole game units, so
// that it is drawn at exactly its pixels' size.
PixmapPtr PaddedToMultiple(const Pixmap& pixels, int density) {
  const int w = (pixels.width() + density - 1) / density * density;
  const int h = (pixels.height() + density - 1) / density * density;
  if (w == pixels.width() && h == pixels.height()) return pixels.Copy();
  PixmapPtr out = Pixmap::Create(w, h);
  if (!out) return nullptr;
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x) out->WritePixel(x, y, pixels.ReadPixel(x, y));
  return out;
}

}  // namespace

void AddFontLoader(FontLoaderPtr loader) {
  if (loader) Loaders().push_front(std::move(loader));
}

void RemoveFontLoader(const FontLoaderPtr& loader) { Loaders().remove(loader); }

ImageFont::ImageFont(FontPtr font, int style) : font_(std::move(font)), style_(style) {
  height_ = font_->Height();
  density_ = std::clamp(font_->Density(), 1, 8);
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
      g.ox = float(g.x) / float(density_);
      g.oy = float(g.y) / float(density_);
      PixmapPtr pixels = glyph->Pixels();
      if (pixels && density_ > 1) pixels = PaddedToMultiple(*pixels, density_);
      if (pixels) {
        // Smooth fonts get filtered, mipmapped glyph pictures.
        int flags = (style_ & SMOOTHFONT) ? (FILTEREDIMAGE | MIPMAPPEDIMAGE) : 0;
        g.image = LoadImageFromPixmap(*pixels, flags, density_);
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
