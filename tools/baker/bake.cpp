#include "bake.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "palette.h"
#include "screens.h"
#include "shell_art.h"
#include "stones.h"
#include "text.h"
#include "widgets.h"

namespace baker {

namespace {

VantoStyle SmallFontStyle(const Palette& p) {
  VantoStyle s;
  s.fontPath = VeraBoldPath();
  s.pixelSize = 13;
  s.fillTop = Mix(p.cream, Rgb8(255, 255, 255), 0.5f);
  s.fillBottom = Scaled(p.cream, 0.9f);
  s.shadowX = 1;
  s.shadowY = 1;
  s.shadowBlur = 0.7f;
  s.shadowColour = Rgb8(8, 8, 12, 210);
  return s;
}

VantoStyle LargeFontStyle(const Palette& p) {
  VantoStyle s;
  s.fontPath = VeraBoldPath();
  s.pixelSize = 30;
  s.fillTop = Mix(p.cream, Rgb8(255, 255, 255), 0.6f);
  s.fillBottom = Mix(p.cream, p.accent, 0.55f);
  s.outline = 1.6f;
  s.outlineColour = Scaled(p.panelDeep, 0.6f);
  s.shadowX = 0;
  s.shadowY = 2;
  s.shadowBlur = 1.6f;
  s.shadowColour = Rgb8(8, 8, 12, 160);
  s.extraSpacing = 1;
  return s;
}

void AddTheme(Bake& bake, const std::string& dir, const Palette& p, Decor decor) {
  auto add = [&](const std::string& name, Canvas c) { bake.pictures.push_back({dir + "/" + name, std::move(c)}); };
  add("startscreen.png", StartScreen(p, decor));
  add("bg.png", PlayBackground(p, decor));
  add("field.png", BoardFrame(p, decor));
  add("rectangle.png", FrameRectangle(p));
  add("stonesbg.png", StoneBackground(p));
  add("stones_numbers.png", NumberFaces(p));
  add("gui_button.png", ButtonStrip(p));
  add("gui_dropdown.png", DropdownStrip(p));
  add("mixit_mark.png", MixItMark(p));
  add("level_mark.png", LevelMark(p));
  bake.fonts.push_back({dir + "/smallimagefont.png", BakeVantoFont(SmallFontStyle(p))});
  bake.fonts.push_back({dir + "/imagefont.png", BakeVantoFont(LargeFontStyle(p))});
  if (decor == Decor::Base) {
    add("time.png", TimePlate(p));
    add("highcore.png", HighscorePanel(p));
    add("mixit_bg.png", GaugeBackground(p, false));
    add("mixit_front.png", GaugeFront(p));
    add("level_bg.png", GaugeBackground(p, true));
    add("level_front.png", GaugeFront(p));
    add("gfx_fx_star0.png", StarParticle());
    add("stones_persons.png", PersonFaces(p));
    add("stones_objects.png", ShapeFaces(p));
    add("stones_xmas.png", ChristmasFaces(p));
    add("gui_slider.png", SliderStrip(p));
    add("gui_input.png", InputStrip(p));
  } else {
    add("snowflake.png", SnowflakeParticle());
  }
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace

const Canvas* Bake::Find(const std::string& path) const {
  for (const auto& p : pictures)
    if (p.path == path) return &p.canvas;
  for (const auto& f : fonts)
    if (f.path == path) return &f.font.sheet;
  return nullptr;
}

const VantoFont* Bake::FindFont(const std::string& path) const {
  for (const auto& f : fonts)
    if (f.path == path) return &f.font;
  return nullptr;
}

std::string DataFileFor(const std::string& picturePath) {
  auto dot = picturePath.rfind('.');
  return picturePath.substr(0, dot) + ".vnt";
}

Bake BakeEverything() {
  Bake bake;
  Palette base = BasePalette();
  bake.pictures.push_back({"gfx/pxlogo.png", Logo(base)});
  bake.pictures.push_back({"gfx/pxlogo_effect.png", LogoStreak()});
  bake.pictures.push_back({"gfx/blank.png", BlankPanel()});
  bake.pictures.push_back({"gfx/cursor.png", Cursor(base)});
  AddTheme(bake, "themes/base", base, Decor::Base);
  AddTheme(bake, "themes/winter", WinterPalette(), Decor::Winter);
  return bake;
}

bool WriteBake(const Bake& bake, const std::string& folder) {
  namespace fs = std::filesystem;
  auto prepare = [&](const std::string& rel) {
    fs::path full = fs::path(folder) / rel;
    std::error_code ec;
    fs::create_directories(full.parent_path(), ec);
    return full.string();
  };
  bool ok = true;
  for (const auto& p : bake.pictures) {
    std::string path = prepare(p.path);
    if (!drawing::SavePixmapPNG(*p.canvas.ToPixmap(), path, 6)) {
      std::fprintf(stderr, "baker: cannot write %s\n", path.c_str());
      ok = false;
    }
  }
  for (const auto& f : bake.fonts) {
    std::string path = prepare(f.path);
    if (!drawing::SavePixmapPNG(*f.font.sheet.ToPixmap(), path, 6) ||
        !WriteBytes(prepare(DataFileFor(f.path)), f.font.DataFile())) {
      std::fprintf(stderr, "baker: cannot write %s\n", path.c_str());
      ok = false;
    }
  }
  return ok;
}

}  // namespace baker
