#include "bake.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

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

void AddTheme(BakeJobs& jobs, const std::string& dir, const Palette& p, Decor decor) {
  auto add = [&](const std::string& name, std::function<Canvas()> draw) {
    jobs.pictures.push_back({dir + "/" + name, std::move(draw)});
  };
  add("startscreen.png", [=] { return StartScreen(p, decor); });
  add("bg.png", [=] { return PlayBackground(p, decor); });
  add("field.png", [=] { return BoardFrame(p, decor); });
  add("rectangle.png", [=] { return FrameRectangle(p); });
  add("stonesbg.png", [=] { return StoneBackground(p); });
  add("stones_numbers.png", [=] { return NumberFaces(p); });
  add("gui_button.png", [=] { return ButtonStrip(p); });
  add("gui_dropdown.png", [=] { return DropdownStrip(p); });
  add("mixit_mark.png", [=] { return MixItMark(p); });
  add("level_mark.png", [=] { return LevelMark(p); });
  jobs.fonts.push_back({dir + "/smallimagefont.png", SmallFontStyle(p)});
  jobs.fonts.push_back({dir + "/imagefont.png", LargeFontStyle(p)});
  if (decor == Decor::Base) {
    add("time.png", [=] { return TimePlate(p); });
    add("highcore.png", [=] { return HighscorePanel(p); });
    add("mixit_bg.png", [=] { return GaugeBackground(p, false); });
    add("mixit_front.png", [=] { return GaugeFront(p); });
    add("level_bg.png", [=] { return GaugeBackground(p, true); });
    add("level_front.png", [=] { return GaugeFront(p); });
    add("gfx_fx_star0.png", [] { return StarParticle(); });
    add("stones_persons.png", [=] { return PersonFaces(p); });
    add("stones_objects.png", [=] { return ShapeFaces(p); });
    add("stones_xmas.png", [=] { return ChristmasFaces(p); });
    add("gui_slider.png", [=] { return SliderStrip(p); });
    add("gui_input.png", [=] { return InputStrip(p); });
  } else {
    add("snowflake.png", [] { return SnowflakeParticle(); });
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

std::string ScaledPath(const std::string& path, int scale) {
  if (scale == 1) return path;
  auto dot = path.rfind('.');
  return path.substr(0, dot) + "@" + std::to_string(scale) + "x" + path.substr(dot);
}

BakeJobs AllJobs() {
  BakeJobs jobs;
  Palette base = BasePalette();
  jobs.pictures.push_back({"gfx/pxlogo.png", [base] { return Logo(base); }});
  jobs.pictures.push_back({"gfx/pxlogo_effect.png", [] { return LogoStreak(); }});
  jobs.pictures.push_back({"gfx/blank.png", [] { return BlankPanel(); }});
  jobs.pictures.push_back({"gfx/cursor.png", [base] { return Cursor(base); }});
  AddTheme(jobs, "themes/base", base, Decor::Base);
  AddTheme(jobs, "themes/winter", WinterPalette(), Decor::Winter);
  return jobs;
}

Bake BakeEverything(int scale) {
  ScaleScope scope(scale);
  BakeJobs jobs = AllJobs();
  Bake bake;
  for (const auto& job : jobs.pictures) bake.pictures.push_back({ScaledPath(job.path, scale), job.draw()});
  for (const auto& job : jobs.fonts)
    bake.fonts.push_back({ScaledPath(job.path, scale), BakeVantoFont(job.style)});
  return bake;
}

namespace {

std::string Prepare(const std::string& folder, const std::string& rel) {
  namespace fs = std::filesystem;
  fs::path full = fs::path(folder) / rel;
  std::error_code ec;
  fs::create_directories(full.parent_path(), ec);
  return full.string();
}

bool WritePicture(const std::string& folder, const std::string& rel, const Canvas& canvas) {
  std::string path = Prepare(folder, rel);
  if (drawing::SavePixmapPNG(*canvas.ToPixmap(), path, 6)) return true;
  std::fprintf(stderr, "baker: cannot write %s\n", path.c_str());
  return false;
}

bool WriteFont(const std::string& folder, const std::string& rel, const VantoFont& font) {
  std::string path = Prepare(folder, rel);
  if (drawing::SavePixmapPNG(*font.sheet.ToPixmap(), path, 6) &&
      WriteBytes(Prepare(folder, DataFileFor(rel)), font.DataFile()))
    return true;
  std::fprintf(stderr, "baker: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

bool WriteBake(const Bake& bake, const std::string& folder) {
  bool ok = true;
  for (const auto& p : bake.pictures) ok = WritePicture(folder, p.path, p.canvas) && ok;
  for (const auto& f : bake.fonts) ok = WriteFont(folder, f.path, f.font) && ok;
  return ok;
}

bool BakeAllScales(const std::string& folder, int threads) {
  // One task per picture and scale, largest first, taken by the workers in
  // turn; each task draws, writes and frees its picture, so memory stays at
  // a few pictures however many scales there are.
  BakeJobs jobs = AllJobs();
  struct Task {
    int scale;
    const PictureJob* picture;
    const FontJob* font;
  };
  std::vector<Task> tasks;
  for (int scale = kMaxBakeScale; scale >= 1; --scale) {
    for (const auto& job : jobs.pictures) tasks.push_back({scale, &job, nullptr});
    for (const auto& job : jobs.fonts) tasks.push_back({scale, nullptr, &job});
  }
  std::atomic<size_t> next{0};
  std::atomic<bool> ok{true};
  auto work = [&] {
    try {
      for (size_t i = next++; i < tasks.size(); i = next++) {
        const Task& t = tasks[i];
        ScaleScope scope(t.scale);
        bool written = t.picture ? WritePicture(folder, ScaledPath(t.picture->path, t.scale), t.picture->draw())
                                 : WriteFont(folder, ScaledPath(t.font->path, t.scale),
                                             BakeVantoFont(t.font->style));
        if (!written) ok = false;
      }
    } catch (const std::exception& e) {
      std::fprintf(stderr, "baker: %s\n", e.what());
      ok = false;
    }
  };
  std::vector<std::thread> workers;
  for (int i = 1; i < threads; ++i) workers.emplace_back(work);
  work();
  for (auto& w : workers) w.join();
  return ok;
}

}  // namespace baker
