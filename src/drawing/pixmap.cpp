#include "drawing/pixmap.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <algorithm>
#include <cstring>

#include "drawing/files.h"

namespace drawing {

PixmapPtr Pixmap::Create(int width, int height, int format) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return nullptr;
  return std::make_shared<Pixmap>(Key{}, width, height, format);
}

uint32_t Pixmap::ReadPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[size_t(y) * size_t(width_) + size_t(x)];
}

void Pixmap::WritePixel(int x, int y, uint32_t argb) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[size_t(y) * size_t(width_) + size_t(x)] = argb;
}

void Pixmap::ClearPixels(uint32_t argb) { std::fill(pixels_.begin(), pixels_.end(), argb); }

PixmapPtr Pixmap::Copy() const { return std::make_shared<Pixmap>(Key{}, *this); }

PixmapPtr Pixmap::Window(int x, int y, int w, int h) const {
  // 64-bit ends: hostile sizes must not overflow.
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = int(std::clamp<int64_t>(int64_t(x) + w, 0, width_));
  int y1 = int(std::clamp<int64_t>(int64_t(y) + h, 0, height_));
  if (x1 <= x0 || y1 <= y0) return nullptr;
  auto out = Create(x1 - x0, y1 - y0, format_);
  for (int yy = y0; yy < y1; ++yy) std::memcpy(out->row(yy - y0), row(yy) + x0, size_t(x1 - x0) * 4);
  return out;
}

namespace {

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* r = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (count > r->size - r->pos) png_error(png, "truncated");
  std::memcpy(out, r->data + r->pos, count);
  r->pos += count;
}

void SilentWarning(png_structp, png_const_charp) {}
void ErrorToLongjmp(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Decodes in a function of its own so that no C++ object with a destructor
// lives across setjmp.
// Buffers are owned by the caller so that a longjmp skips no destructor.
bool DecodePng(MemoryReader* reader, std::vector<uint8_t>* rows_buffer, std::vector<png_bytep>* rows, int* out_w,
               int* out_h, bool* out_alpha) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorToLongjmp, SilentWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, reader, ReadFromMemory);
  png_set_user_limits(png, Pixmap::kMaxSide, Pixmap::kMaxSide);
  png_read_info(png, info);
  png_uint_32 w = png_get_image_width(png, info);
  png_uint_32 h = png_get_image_height(png, info);
  // Side limits alone would still allow a gigabyte; 64 M pixels is plenty.
  if (uint64_t(w) * uint64_t(h) > (uint64_t(1) << 26)) png_error(png, "too large");
  int color_type = png_get_color_type(png, info);
  int bit_depth = png_get_bit_depth(png, info);
  bool has_alpha = (color_type & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
  if (bit_depth == 16) png_set_strip_16(png);
  if (color_type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (color_type == PNG_COLOR_TYPE_GRAY && bit_depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (color_type == PNG_COLOR_TYPE_GRAY || color_type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if (!(color_type & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != size_t(w) * 4) png_error(png, "unexpected layout");
  rows_buffer->resize(size_t(w) * size_t(h) * 4);
  rows->resize(h);
  for (png_uint_32 y = 0; y < h; ++y) (*rows)[y] = rows_buffer->data() + size_t(y) * size_t(w) * 4;
  png_read_image(png, rows->data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  *out_w = int(w);
  *out_h = int(h);
  *out_alpha = has_alpha;
  return true;
}

}  // namespace

PixmapPtr LoadPixmapFromMemory(const uint8_t* data, size_t size) {
  if (!data || size < 8 || png_sig_cmp(const_cast<png_bytep>(data), 0, 8) != 0) return nullptr;
  MemoryReader reader{data, size, 0};
  std::vector<uint8_t> rgba;
  std::vector<png_bytep> rows;
  int w = 0, h = 0;
  bool alpha = false;
  if (!DecodePng(&reader, &rgba, &rows, &w, &h, &alpha)) return nullptr;
  auto pix = Pixmap::Create(w, h, alpha ? PF_RGBA8888 : PF_RGB888);
  if (!pix) return nullptr;
  const uint8_t* p = rgba.data();
  uint32_t* out = pix->data();
  for (size_t i = 0, n = size_t(w) * size_t(h); i < n; ++i, p += 4) out[i] = ARGB(p[3], p[0], p[1], p[2]);
  return pix;
}

PixmapPtr LoadPixmap(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return nullptr;
  return LoadPixmapFromMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

namespace {

void AppendToString(png_structp png, png_bytep data, png_size_t size) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), size);
}

void NoFlush(png_structp) {}

bool EncodePng(std::string& out, const std::vector<png_const_bytep>& rows, int w, int h, int compression) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorToLongjmp, SilentWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, AppendToString, NoFlush);
  png_set_compression_level(png, compression);
  png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, const_cast<png_bytepp>(rows.data()));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path, int compression) {
  if (compression < 0) compression = 0;
  if (compression > 9) compression = 9;
  std::vector<uint8_t> rgba(size_t(pixmap.width()) * size_t(pixmap.height()) * 4);
  const uint32_t* src = pixmap.data();
  for (size_t i = 0, n = size_t(pixmap.width()) * size_t(pixmap.height()); i < n; ++i) {
    uint32_t p = src[i];
    rgba[i * 4 + 0] = uint8_t(ARGB_R(p));
    rgba[i * 4 + 1] = uint8_t(ARGB_G(p));
    rgba[i * 4 + 2] = uint8_t(ARGB_B(p));
    rgba[i * 4 + 3] = uint8_t(ARGB_A(p));
  }
  std::vector<png_const_bytep> rows(size_t(pixmap.height()));
  for (size_t y = 0; y < rows.size(); ++y) rows[y] = rgba.data() + y * size_t(pixmap.width()) * 4;
  // Encoded whole in memory and saved in one step: a full disk never
  // leaves a cut picture behind.
  std::string bytes;
  return EncodePng(bytes, rows, pixmap.width(), pixmap.height(), compression) && WriteFileAtomically(path, bytes);
}

}  // namespace drawing
