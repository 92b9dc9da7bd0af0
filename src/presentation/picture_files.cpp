#include "presentation/picture_files.h"

#include <algorithm>
#include <array>

#include "drawing/files.h"

namespace {

uint32_t BigEndian(const uint8_t* bytes) {
  return (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | uint32_t(bytes[3]);
}

}  // namespace

bool PictureWithinLimits(const std::string& path) {
  drawing::StreamPtr stream = drawing::Stream::Open(path, true, false);
  if (!stream) return false;
  const std::vector<uint8_t> header = stream->ReadBytes(24);
  stream->Close();
  static constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (header.size() < 24 || !std::equal(kSignature.begin(), kSignature.end(), header.begin())) return false;
  if (std::string(header.begin() + 12, header.begin() + 16) != "IHDR") return false;
  const uint32_t width = BigEndian(header.data() + 16);
  const uint32_t height = BigEndian(header.data() + 20);
  if (width == 0 || height == 0 || width > uint32_t(kMaxPictureSide) || height > uint32_t(kMaxPictureSide)) {
    return false;
  }
  return int64_t(width) * int64_t(height) <= kMaxPicturePixels;
}

drawing::PixmapPtr LoadPictureChecked(const std::string& path) {
  return PictureWithinLimits(path) ? drawing::LoadPixmap(path) : nullptr;
}

drawing::ImagePtr LoadImageChecked(const std::string& path, int flags) {
  return PictureWithinLimits(path) ? drawing::LoadImage(path, flags) : nullptr;
}

drawing::ImagePtr LoadAnimImageChecked(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                                       int cellCount, int flags) {
  if (cellCount > kMaxAnimFrames || !PictureWithinLimits(path)) return nullptr;
  return drawing::LoadAnimImage(path, cellWidth, cellHeight, firstCell, cellCount, flags);
}

drawing::PixmapPtr CutRect(const drawing::Pixmap& pixmap, int x, int y, int w, int h) {
  const int64_t x0 = std::max<int64_t>(x, 0), y0 = std::max<int64_t>(y, 0);
  const int64_t x1 = std::min<int64_t>(int64_t(x) + w, pixmap.width());
  const int64_t y1 = std::min<int64_t>(int64_t(y) + h, pixmap.height());
  if (x1 <= x0 || y1 <= y0) return nullptr;
  return pixmap.Window(int(x0), int(y0), int(x1 - x0), int(y1 - y0));
}

void ApplyMask(drawing::Pixmap& pixmap, uint32_t mask_rgb) {
  mask_rgb &= 0xFFFFFF;
  for (int y = 0; y < pixmap.height(); ++y) {
    uint32_t* row = pixmap.row(y);
    for (int x = 0; x < pixmap.width(); ++x) {
      if ((row[x] & 0xFFFFFF) == mask_rgb) row[x] = 0;
    }
  }
}
