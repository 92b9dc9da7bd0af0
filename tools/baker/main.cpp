// Bakes the game's pictures and bitmap fonts.
//   baker --out GAMEDIR                              writes every picture and font at 1x, 2x and 3x
//   baker --contact-sheet FILE.png --data DATADIR    one page with all the art
//   baker --icons FOLDER                             the application icon, SIZE.png per size
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "app_icon.h"
#include "bake.h"
#include "preview.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: baker --out GAMEDIR | baker --contact-sheet FILE.png --data DATADIR | baker --icons FOLDER\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, sheet, data, icons;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--out")) out = argv[i + 1];
    else if (!std::strcmp(argv[i], "--icons")) icons = argv[i + 1];
    else if (!std::strcmp(argv[i], "--contact-sheet")) sheet = argv[i + 1];
    else if (!std::strcmp(argv[i], "--data")) data = argv[i + 1];
    else return Usage();
  }
  if (!icons.empty()) return out.empty() && sheet.empty() && baker::WriteAppIcons(icons) ? 0 : 1;
  if (out.empty() == sheet.empty() || (!sheet.empty() && data.empty())) return Usage();
  try {
    if (!out.empty()) {
      int threads = std::clamp(int(std::thread::hardware_concurrency()), 1, 4);
      return baker::BakeAllScales(out, threads) ? 0 : 1;
    }
    baker::Bake bake = baker::BakeEverything();
    if (!drawing::SavePixmapPNG(*baker::ContactSheet(bake, data).ToPixmap(), sheet, 6)) {
      std::fprintf(stderr, "baker: cannot write %s\n", sheet.c_str());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "baker: %s\n", e.what());
    return 1;
  }
  return 0;
}
