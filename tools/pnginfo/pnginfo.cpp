// Prints "WIDTH HEIGHT COLOURS" of a PNG (COLOURS: distinct RGB values, up
// to 1000), or fails with exit code 1 when the file is no readable PNG.
// With a region X Y W H it adds a digest of that region's RGB values, so a
// script can tell whether one part of two screenshots is the same.
// Used by the end-to-end scripts to check screenshots.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "drawing/pixmap.h"

namespace {

// FNV-1a over the region's pixels, row by row; pixels outside the picture count as 0.
uint64_t RegionDigest(const drawing::Pixmap& pix, int x0, int y0, int w, int h) {
  uint64_t digest = 1469598103934665603ull;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      const bool inside = x >= 0 && y >= 0 && x < pix.width() && y < pix.height();
      const uint32_t rgb = inside ? pix.ReadPixel(x, y) & 0xFFFFFFu : 0;
      for (int shift = 0; shift < 24; shift += 8) {
        digest ^= (rgb >> shift) & 0xFFu;
        digest *= 1099511628211ull;
      }
    }
  return digest;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 6) {
    std::fprintf(stderr, "usage: pnginfo FILE.png [X Y W H]\n");
    return 2;
  }
  auto pix = drawing::LoadPixmap(argv[1]);
  if (!pix) {
    std::fprintf(stderr, "pnginfo: %s is not a readable PNG\n", argv[1]);
    return 1;
  }
  std::set<uint32_t> colours;
  for (int y = 0; y < pix->height() && colours.size() < 1000; ++y)
    for (int x = 0; x < pix->width() && colours.size() < 1000; ++x) colours.insert(pix->ReadPixel(x, y) & 0xFFFFFFu);
  std::printf("%d %d %zu", pix->width(), pix->height(), colours.size());
  if (argc == 6) {
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]), w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    std::printf(" %016llx", static_cast<unsigned long long>(RegionDigest(*pix, x, y, w, h)));
  }
  std::printf("\n");
  return 0;
}
