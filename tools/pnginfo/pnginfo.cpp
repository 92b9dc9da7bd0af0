// Prints "WIDTH HEIGHT COLOURS" of a PNG (COLOURS: distinct RGB values, up
// to 1000), or fails with exit code 1 when the file is no readable PNG.
// Used by the end-to-end scripts to check screenshots.
#include <cstdio>
#include <set>

#include "drawing/pixmap.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pnginfo FILE.png\n");
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
  std::printf("%d %d %zu\n", pix->width(), pix->height(), colours.size());
  return 0;
}
