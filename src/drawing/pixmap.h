// CPU-side pictures: 32-bit ARGB pixels, read from and written to PNG.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace drawing {

// Pixel formats. Every pixmap holds 32-bit ARGB values in memory; the format
// records what the source had, so that pictures can be rebuilt alike.
enum PixelFormat { PF_I8 = 1, PF_A8 = 2, PF_RGB888 = 3, PF_BGR888 = 4, PF_RGBA8888 = 5, PF_BGRA8888 = 6 };

constexpr uint32_t ARGB(int a, int r, int g, int b) {
  return (uint32_t(a & 255) << 24) | (uint32_t(r & 255) << 16) | (uint32_t(g & 255) << 8) | uint32_t(b & 255);
}
constexpr int ARGB_A(uint32_t p) { return int(p >> 24); }
constexpr int ARGB_R(uint32_t p) { return int((p >> 16) & 255); }
constexpr int ARGB_G(uint32_t p) { return int((p >> 8) & 255); }
constexpr int ARGB_B(uint32_t p) { return int(p & 255); }

class Pixmap;
using PixmapPtr = std::shared_ptr<Pixmap>;

class Pixmap {
 public:
  // Largest side accepted, so hostile files cannot ask for gigabytes.
  static constexpr int kMaxSide = 16384;

  // A new pixmap, all pixels 0 (transparent black); null for sizes outside 1..kMaxSide.
  static PixmapPtr Create(int width, int height, int format = PF_RGBA8888);

  int width() const { return width_; }
  int height() const { return height_; }
  int pitch() const { return width_ * 4; }
  int format() const { return format_; }
  void set_format(int f) { format_ = f; }

  // ARGB access; reads outside give 0 and writes outside are ignored.
  uint32_t ReadPixel(int x, int y) const;
  void WritePixel(int x, int y, uint32_t argb);
  void ClearPixels(uint32_t argb);

  uint32_t* data() { return pixels_.data(); }
  const uint32_t* data() const { return pixels_.data(); }
  uint32_t* row(int y) { return pixels_.data() + size_t(y) * size_t(width_); }
  const uint32_t* row(int y) const { return pixels_.data() + size_t(y) * size_t(width_); }

  PixmapPtr Copy() const;

  // Only Create and Copy make pixmaps; the key keeps the constructor theirs
  // while std::make_shared can still call it.
  struct Key {
   private:
    Key() = default;
    friend class Pixmap;
  };
  Pixmap(Key, int w, int h, int format) : Pixmap(w, h, format) {}
  Pixmap(Key, const Pixmap& other) : Pixmap(other) {}
  // A copy of the rectangle, cut to the pixmap; null when nothing remains.
  PixmapPtr Window(int x, int y, int w, int h) const;

 private:
  Pixmap(int w, int h, int format) : width_(w), height_(h), format_(format), pixels_(size_t(w) * size_t(h), 0) {}
  int width_ = 0;
  int height_ = 0;
  int format_ = PF_RGBA8888;
  std::vector<uint32_t> pixels_;
};

// Reads a PNG file; null when missing, truncated, oversized or not a PNG.
PixmapPtr LoadPixmap(const std::string& path);
// Reads a PNG held in memory.
PixmapPtr LoadPixmapFromMemory(const uint8_t* data, size_t size);
// Writes a PNG (RGBA, 8 bits per channel) with zlib compression level 0..9.
bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path, int compression = 5);

}  // namespace drawing
