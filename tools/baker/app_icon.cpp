#include "app_icon.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "shapes.h"
#include "style.h"
#include "text.h"

namespace baker {

Canvas AppIcon(const Palette& p, int size) {
  Canvas c(size, size);
  // Laid out on 256 units; every length scales with the size.
  const float u = float(size) / 256.0f;
  const auto at = [u](float units) { return units * u; };

  // The frame: a raised slate square with a soft shadow, like the board's.
  const Sdf frame = Box(at(12), at(10), at(244), at(240), at(44));
  RaisedPlate(c, frame, at(10), at(240),
              Plate(p.frameTop, p.frameBottom).Rims(0.5f, 0.4f).DropShadow(150, std::max(1, int(at(5))), at(6)));
  const Sdf well = Box(at(26), at(24), at(230), at(226), at(32));
  Recessed(c, well, at(24), at(226), p.well, Scaled(p.well, 0.8f), 0.6f);

  // The stones, with the magic square's digits where they can be read.
  static const int kMagic[9] = {2, 7, 6, 9, 5, 1, 4, 3, 8};
  const float tile = at(58), gap = at(7), first = at(128) - (3 * tile + 2 * gap) / 2;
  const bool digits = size >= 64;
  TypeFace face(DejaVuBoldPath(), tile * 0.64f);
  for (int i = 0; i < 9; ++i) {
    const float x = first + float(i % 3) * (tile + gap), y = first - at(1) + float(i / 3) * (tile + gap);
    const bool centre = i == 4;
    const Sdf stone = Box(x, y, x + tile, y + tile, tile * 0.22f);
    RaisedPlate(c, stone, y, y + tile,
                Plate(centre ? Scaled(p.accent, 1.2f) : p.stoneTop, centre ? p.accentDeep : p.stoneBottom)
                    .Rims(0.8f, 0.35f)
                    .DropShadow(170, std::max(1, int(std::lround(at(3)))), std::max(0.6f, at(3)))
                    .Outlined(0.25f));
    if (digits) {
      DrawLabel(c, face, std::string(1, char('0' + kMagic[i])), x + tile / 2, y + tile * 0.78f, Align::Centre,
                Solid(centre ? p.cream : p.ink), centre ? Rgb8(8, 8, 12, 140) : Rgba{}, 0, 1, 0.6f);
    } else if (centre) {
      // Too small for nine digits: the centre one alone, a little larger.
      TypeFace large(DejaVuBoldPath(), tile * 0.8f);
      DrawLabel(c, large, "5", x + tile / 2, y + tile * 0.84f, Align::Centre, Solid(p.cream), Rgb8(8, 8, 12, 160), 0, 1,
                0.5f);
    }
  }
  return c;
}

bool WriteAppIcons(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  bool ok = true;
  for (int size : kAppIconSizes) {
    const std::string path = (std::filesystem::path(folder) / (std::to_string(size) + ".png")).string();
    if (!drawing::SavePixmapPNG(*AppIcon(BasePalette(), size).ToPixmap(), path, 9)) {
      std::fprintf(stderr, "baker: cannot write %s\n", path.c_str());
      ok = false;
    }
  }
  return ok;
}

}  // namespace baker
