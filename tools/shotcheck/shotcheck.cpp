// A check of headless screenshots for the end-to-end scripts.
//
//   shotcheck contrast SHOT.png BEHIND.png TEXTS.txt [MINIMUM]
//     SHOT and BEHIND are the same frame with and without its text, TEXTS
//     the text runs of that frame ("X0 Y0 X1 Y1 TEXT" lines). Prints each
//     run's contrast ratio (WCAG 2) against what is behind it and fails
//     with exit code 1 when one is below MINIMUM (default 4.5).
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "drawing/pixmap.h"
#include "presentation/contrast.h"

namespace {

int Contrast(int argc, char** argv) {
  if (argc != 5 && argc != 6) return 2;
  const auto shot = drawing::LoadPixmap(argv[2]);
  const auto behind = drawing::LoadPixmap(argv[3]);
  std::ifstream runs(argv[4]);
  if (!shot || !behind || !runs) {
    std::fprintf(stderr, "shotcheck: cannot read %s, %s or %s\n", argv[2], argv[3], argv[4]);
    return 2;
  }
  const double minimum = argc == 6 ? std::atof(argv[5]) : 4.5;
  int failed = 0;
  std::string line;
  while (std::getline(runs, line)) {
    std::istringstream in(line);
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!(in >> x0 >> y0 >> x1 >> y1)) continue;
    std::string text;
    std::getline(in, text);
    if (!text.empty() && text[0] == ' ') text.erase(0, 1);
    const double ratio = TextContrast(*shot, *behind, x0, y0, x1, y1);
    if (ratio == 0) continue;  // nothing of it shows (covered, or fully transparent)
    // Marks without a letter or digit (dot leaders, scale ticks) are decoration.
    if (std::none_of(text.begin(), text.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); })) {
      continue;
    }
    const bool low = ratio < minimum;
    failed += low ? 1 : 0;
    std::printf("%s %5.2f  %d %d  \"%s\"\n", low ? "LOW" : "ok ", ratio, x0, y0, text.c_str());
  }
  return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  int code = 2;
  if (mode == "contrast") code = Contrast(argc, argv);
  if (code == 2) std::fprintf(stderr, "usage: shotcheck contrast SHOT BEHIND TEXTS [MIN]\n");
  return code;
}
