#include "preview.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "layout.h"
#include "palette.h"
#include "shapes.h"
#include "shell_art.h"
#include "stones.h"
#include "style.h"
#include "text.h"
#include "theme_config.h"

namespace baker {

namespace {

using namespace layout;

// ---- drawing the way the game does -------------------------------------

void DrawVanto(Canvas& c, const VantoFont& font, const std::string& text, int x, int y, Rgba tint = Rgb8(255, 255, 255)) {
  const int columns = font.sheet.width() / font.cellSize;
  int pen = x;
  for (unsigned char ch : text) {
    for (size_t i = 0; i < font.records.size(); ++i) {
      const VantoRecord& r = font.records[i];
      if (r.code != ch) continue;
      Canvas cell = font.sheet.Crop(int(i) % columns * font.cellSize, int(i) / columns * font.cellSize, font.cellSize,
                                    font.cellSize);
      c.Draw(cell.Tinted(tint), pen - int(r.xOffset), y - int(r.yOffset));
      pen += int(r.advance + 1.0f);
      break;
    }
  }
}

Canvas Cell(const Canvas& strip, int cellW, int cellH, int n) {
  int columns = strip.width() / cellW;
  return strip.Crop(n % columns * cellW, n / columns * cellH, cellW, cellH);
}

// Button and drop-down boxes: three-part frames, two rows of cells.
void ThreePartBox(Canvas& c, const Canvas& strip, int cellW, int cellH, int state, int x, int y, int w) {
  for (int row = 0; row < 2; ++row) {
    int base = state * 3 + row * 9, ty = y + row * cellH;
    Canvas band(w - cellW, cellH);
    for (int i = 1; i <= (w - cellW) / cellW; ++i) band.Draw(Cell(strip, cellW, cellH, base + 1), i * cellW, 0);
    band.Draw(Cell(strip, cellW, cellH, base), 0, 0);
    c.Draw(band, x, ty);
    c.Draw(Cell(strip, cellW, cellH, base + 2), x + w - cellW, ty);
  }
}

void Button(Canvas& c, const Canvas& strip, const VantoFont& font, const std::string& caption, int x, int y, int w,
            int state, bool centred = true) {
  ThreePartBox(c, strip, 22, 18, state, x, y, w);
  int tx = centred ? x + (w - font.TextWidth(caption)) / 2 : x + 10;
  int ty = y - (font.fontHeight - 36) / 2 - 2;
  if (state == 0) DrawVanto(c, font, caption, tx - 2, ty);
  else DrawVanto(c, font, caption, tx - 1, ty + 1, Rgb8(215, 215, 215));
}

void Input(Canvas& c, const Canvas& strip, const VantoFont& font, const std::string& text, int x, int y, int w,
           bool focused) {
  int s = focused ? 1 : 0;
  Canvas band(w - 54, 35);
  band.Draw(Cell(strip, 54, 35, s * 3), 0, 0);
  for (int i = 0; i <= (w - 54) / 54 - 1; ++i) band.Draw(Cell(strip, 54, 35, s * 3 + 1), 54 + i * 54, 0);
  c.Draw(band, x, y);
  c.Draw(Cell(strip, 54, 35, s * 3 + 2), x + w - 54, y);
  DrawVanto(c, font, text + (focused ? "_" : ""), x + 12, y + 7);
}

void Slider(Canvas& c, const Canvas& strip, int x, int y, int w, int knob) {
  const int cw = 35;
  c.Draw(Cell(strip, cw, 38, 4), x, y);
  for (int px = x + cw; px < x + knob; px += cw) c.Draw(Cell(strip, cw, 38, 5).Crop(0, 0, std::min(cw, x + knob - px), 38), px, y);
  for (int px = x + knob; px < x + w - cw; px += cw)
    c.Draw(Cell(strip, cw, 38, 1).Crop(0, 0, std::min(cw, x + w - cw - px), 38), px, y);
  c.Draw(Cell(strip, cw, 38, 2), x + w - cw, y);
  c.Draw(Cell(strip, cw, 38, 3), x + knob - 5, y);
}

void Dropdown(Canvas& c, const Canvas& strip, const VantoFont& font, const std::string& caption, int x, int y, int w,
              const std::vector<std::string>& entries) {
  if (!entries.empty()) {
    int inner = int(entries.size()) * font.fontHeight + 15;
    Canvas panel(w - 10, inner + 19 + 19);
    for (int row = 0; row * 19 < inner + 19; ++row) {
      int py = row * 19;
      panel.Draw(Cell(strip, 54, 19, 18), 0, py);
      for (int px = 54; px < w - 10 - 54; px += 54) panel.Draw(Cell(strip, 54, 19, 19), px, py);
      panel.Draw(Cell(strip, 54, 19, 20), w - 10 - 54, py);
    }
    int by = ((inner + 19) / 19) * 19;
    panel.Draw(Cell(strip, 54, 19, 21), 0, by);
    for (int px = 54; px < w - 10 - 54; px += 54) panel.Draw(Cell(strip, 54, 19, 22), px, by);
    panel.Draw(Cell(strip, 54, 19, 23), w - 10 - 54, by);
    c.Draw(panel.Crop(0, 0, panel.width(), by + 19), x + 5, y + 19, 0.8f);
    int h = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
      if (i == 1) {
        c.Fill(Rasterize(c.width(), c.height(), Box(float(x + 13), float(y + h + 35), float(x + w - 14), float(y + h + 35 + font.fontHeight))),
               Rgb8(95, 80, 30), 0.2f);
      }
      DrawVanto(c, font, entries[i], x + 15, y + h + 35, i == 1 ? Rgb8(244, 206, 74) : Rgb8(255, 255, 255));
      h += font.fontHeight;
    }
  }
  ThreePartBox(c, strip, 54, 19, entries.empty() ? 0 : 1, x, y, w);
  DrawVanto(c, font, caption, x + (w - font.TextWidth(caption)) / 2 - 3, y - (font.fontHeight - 38) / 2 - 1,
            Rgb8(230, 230, 230));
}

// The nine-region box, tiled as the game tiles it.
void GfxRect(Canvas& c, const Canvas& rect, int x, int y, int w, int h, float alpha = 1.0f) {
  Canvas box(w, h);
  auto piece = [&](int sx, int sy, int sw, int sh) { return rect.Crop(sx, sy, sw, sh); };
  auto tile = [&](const Canvas& p, int tx, int ty, int tw, int th) {
    Canvas area(std::max(tw, 1), std::max(th, 1));
    for (int yy = 0; yy < th; yy += p.height())
      for (int xx = 0; xx < tw; xx += p.width()) area.Draw(p, xx, yy);
    box.Draw(area.Crop(0, 0, tw, th), tx, ty);
  };
  box.Draw(piece(0, 0, 22, 22), 0, 0);
  box.Draw(piece(99, 0, 27, 22), w - 27, 0);
  box.Draw(piece(0, 99, 22, 27), 0, h - 27);
  box.Draw(piece(99, 99, 27, 27), w - 27, h - 27);
  tile(piece(0, 23, 22, 75), 0, 22, 22, h - 27 - 22);
  tile(piece(99, 23, 27, 75), w - 27, 22, 27, h - 27 - 22);
  tile(piece(23, 0, 75, 22), 22, 0, w - 22 - 27, 22);
  tile(piece(23, 99, 75, 27), 22, h - 27, w - 22 - 27, 27);
  tile(piece(23, 23, 75, 75), 22, 22, w - 22 - 27, h - 22 - 27);
  c.Draw(box, x, y, alpha);
}

struct Theme {
  const Bake* bake;
  std::shared_ptr<ConfigNode> config;
  std::string dir;

  const ConfigNode* Element(const std::string& name) const {
    const ConfigNode* settings = config ? config->Child("settings") : nullptr;
    return settings ? settings->Child(name) : nullptr;
  }
  // The picture an element names, or the base theme's default as the game falls back.
  const Canvas& Picture(const ConfigNode* node, const std::string& fallback) const {
    static const Canvas empty(1, 1);
    const Canvas* c = node ? bake->Find(ResolveThemePath(node->Attr("IMAGE"), dir)) : nullptr;
    if (!c) c = bake->Find("themes/base/" + fallback);
    return c ? *c : empty;
  }
  const Canvas& Sprite(const std::string& name, const std::string& fallback) const {
    return Picture(Element(name), fallback);
  }
  int X(const std::string& name) const { return Element(name) ? Element(name)->IntAttr("X") : 0; }
  int Y(const std::string& name) const { return Element(name) ? Element(name)->IntAttr("Y") : 0; }
  Rgba Colour(const std::string& name) const {
    const ConfigNode* colours = Element("COLORS");
    const ConfigNode* n = colours ? colours->Child(name) : nullptr;
    return n ? Rgb8(n->IntAttr("R"), n->IntAttr("G"), n->IntAttr("B")) : Rgb8(255, 255, 255);
  }
  const VantoFont& Font(const std::string& name, const std::string& fallback) const {
    const ConfigNode* n = Element(name);
    const VantoFont* f = n ? bake->FindFont(ResolveThemePath(n->Attr("IMAGE"), dir)) : nullptr;
    return f ? *f : *bake->FindFont("themes/base/" + fallback);
  }
  // Sprite with its caption, at its configured position.
  void DrawSprite(Canvas& c, const std::string& name, const std::string& fallback, const std::string& caption = "",
                  int addX = 0) const {
    c.Draw(Sprite(name, fallback), X(name) + addX, Y(name));
    if (!caption.empty()) {
      const ConfigNode* n = Element(name);
      DrawVanto(c, Font("SMALLIMAGEFONT", "smallimagefont.png"), caption, X(name) + n->IntAttr("TEXTX"),
                Y(name) + n->IntAttr("TEXTY"));
    }
  }
  const ConfigNode* StoneSet(int n) const { return Element("STONES" + std::to_string(n)); }
};

// A valid solution to take digits from.
constexpr int kSolution[9][9] = {{5, 3, 4, 6, 7, 8, 9, 1, 2}, {6, 7, 2, 1, 9, 5, 3, 4, 8}, {1, 9, 8, 3, 4, 2, 5, 6, 7},
                                 {8, 5, 9, 7, 6, 1, 4, 2, 3}, {4, 2, 6, 8, 5, 3, 7, 9, 1}, {7, 1, 3, 9, 2, 4, 8, 5, 6},
                                 {9, 6, 1, 5, 3, 7, 2, 8, 4}, {2, 8, 7, 4, 1, 9, 6, 3, 5}, {3, 4, 5, 2, 8, 6, 1, 7, 9}};

Canvas Stone(const Theme& t, int set, int digit, Rgba tint) {
  const ConfigNode* s = t.StoneSet(set);
  const Canvas& bg = t.Picture(s->Child("STONESBG"), "stonesbg.png");
  const Canvas& faces = t.Picture(s->Child("STONES"), "stones_numbers.png");
  return ComposeStone(bg, faces, digit - 1, tint);
}

Canvas MockPlayScreen(const Theme& t, int set, bool picker) {
  Canvas c(kScreenW, kScreenH);
  const VantoFont& small = t.Font("SMALLIMAGEFONT", "smallimagefont.png");
  TypeFace bold20(VeraBoldPath(), 20), bold12(VeraBoldPath(), 12), regular10(VeraPath(), 10);
  c.Draw(t.Sprite("BACKGROUND", "bg.png"), t.X("BACKGROUND"), t.Y("BACKGROUND"));
  // Mix It gauge, 60 % through its interval.
  t.DrawSprite(c, "MIXIT_BG", "mixit_bg.png");
  {
    const Canvas& front = t.Sprite("MIXIT_FRONT", "mixit_front.png");
    const Canvas& mark = t.Sprite("MIXIT_MARK", "mixit_mark.png");
    int clipX = t.X("MIXIT_FRONT") + 10, clipY = t.Y("MIXIT_FRONT") + 2;
    Canvas layer(kScreenW, kScreenH);
    layer.Draw(mark, t.X("MIXIT_MARK") + 60 - mark.width(), t.Y("MIXIT_MARK"));
    c.Draw(layer.Crop(clipX, clipY, front.width() - 20, front.height() - 5), clipX, clipY);
  }
  t.DrawSprite(c, "MIXIT_FRONT", "mixit_front.png", "Mix It");
  t.DrawSprite(c, "LEVEL_BG", "level_bg.png");
  t.DrawSprite(c, "LEVEL_MARK", "level_mark.png", "", int(4 * 95.0f / 9.0f));
  t.DrawSprite(c, "LEVEL_FRONT", "level_front.png", "Level");
  // Play time, as the game draws it with its TrueType font.
  {
    Mask m(kScreenW, kScreenH);
    bold20.DrawText(m, "04:27", float(kClockX), float(kClockY) + std::round(bold20.ascender()));
    c.Fill(m.Shifted(2, 2), Rgb8(1, 1, 1), 0.3f);
    c.Fill(m, t.Colour("TIME"), 0.8f);
  }
  t.DrawSprite(c, "TIME", "time.png", "Time");
  t.DrawSprite(c, "HIGHSCORE", "highcore.png", "Highscore");
  const char* names[6] = {"Create", "Your", "Own", "Sudoku", "Game", "Have fun!"};
  for (int i = 0; i < 6; ++i) {
    Mask m(kScreenW, kScreenH);
    float base = float(kHighscoreListY + 12 * i);
    bold12.DrawText(m, std::to_string(i + 1) + ".", float(kHighscoreListX), base + std::round(bold12.ascender()));
    regular10.DrawText(m, std::to_string(150 - 25 * i), float(kHighscoreListX + 20), base + std::round(regular10.ascender()));
    std::string dots = ". ";
    while (regular10.Measure(dots) + regular10.Measure(names[i]) < 117) dots += ". ";
    regular10.DrawText(m, dots, float(kHighscoreListX + 35), base + std::round(regular10.ascender()));
    regular10.DrawText(m, names[i], float(kHighscoreListX + 142) - regular10.Measure(names[i]),
                       base + std::round(regular10.ascender()));
    c.Fill(m, t.Colour("HIGHSCORE"));
  }
  const Canvas& buttons = t.Sprite("GUI_BUTTON", "gui_button.png");
  const char* captions[7] = {"New game", "Hint", "Show mistakes", "Solve", "Clear board", "Settings", "Quit"};
  for (int i = 0; i < 7; ++i)
    Button(c, buttons, small, captions[i], kButtonX, kButtonY + kButtonStep * i, kButtonW, i == 2 ? 1 : 0);
  Button(c, buttons, small, "?", kHelpButton.x, kHelpButton.y, kHelpButton.w, 0);
  c.Draw(*t.bake->Find("gfx/blank.png"), 15, 178);

  // Board: givens, hints, the highlight, the frame, then the player's stones.
  auto at = [](int col, int row) { return std::pair<int, int>{kCellX[col], kCellY[row]}; };
  for (int col = 0; col < 9; ++col)
    for (int row = 0; row < 9; ++row) {
      int k = (col * 7 + row * 5) % 9;
      auto [x, y] = at(col, row);
      if (k < 3) c.Draw(Stone(t, set, kSolution[row][col], t.Colour("STONES_PRESET")), x, y);
      else if (k == 4 && (col + row) % 4 == 0) c.Draw(Stone(t, set, kSolution[row][col], t.Colour("STONES_PROPOSED")), x, y);
    }
  {
    auto [x, y] = at(4, 1);
    c.Fill(Rasterize(kScreenW, kScreenH, Box(float(x), float(y), float(x + 51), float(y + 51))), t.Colour("ACTIVE_FIELD"), 0.5f);
  }
  c.Draw(t.Sprite("FIELD", "field.png"), t.X("FIELD"), t.Y("FIELD"));
  for (int col = 0; col < 9; ++col)
    for (int row = 0; row < 9; ++row) {
      int k = (col * 7 + row * 5) % 9;
      auto [x, y] = at(col, row);
      if (k == 5 && (col + row) % 3 != 0) {
        bool wrong = col == 6 && row == 2;
        c.Draw(Stone(t, set, wrong ? 4 : kSolution[row][col], wrong ? Rgb8(250, 120, 150) : Rgb8(255, 255, 255)), x, y);
      }
    }
  {
    auto [x, y] = at(1, 3);
    Canvas marked = Stone(t, set, 7, t.Colour("STONES_MARKED"));
    c.Draw(marked, x, y, 0.75f);
  }
  // Level code.
  {
    Mask m(kScreenW, kScreenH);
    bold12.DrawText(m, "LevelCode:" "C4E3A7", float(kLevelCodeX), float(kLevelCodeY) + std::round(bold12.ascender()));
    c.Fill(m.Shifted(2, 2), Rgb8(1, 1, 1), 0.3f);
    c.Fill(m, Rgb8(255, 255, 255));
  }
  if (picker) {
    const Canvas& rect = t.Sprite("RECTANGLE", "rectangle.png");
    auto [cx, cy] = at(5, 6);
    int ox = cx - 75, oy = cy - 220;
    GfxRect(c, rect, ox, oy, 200, 240);
    for (int i = 0; i < 9; ++i) {
      int bx = ox + 19 + (i % 3) * 55, by = oy + 20 + (i / 3) * 55;
      c.Draw(Stone(t, set, i + 1, i == 4 ? Rgb8(255, 255, 110) : Rgb8(255, 255, 255)), bx, by);
    }
    Button(c, buttons, small, "Empty cell", ox + 18, oy + 185, 115, 0);
    Button(c, buttons, small, "X", ox + 136, oy + 185, 44, 0);
  }
  c.Draw(t.bake->Find("gfx/cursor.png")->Crop(0, 0, 32, 32), 470 - 7, 140);
  return c;
}

Canvas MockGameMenu(const Theme& t) {
  Canvas c(kScreenW, kScreenH);
  const VantoFont& small = t.Font("SMALLIMAGEFONT", "smallimagefont.png");
  const VantoFont& large = t.Font("IMAGEFONT", "imagefont.png");
  c.Draw(t.Sprite("BACKGROUND", "bg.png"), 0, 0);
  c.Draw(t.Sprite("FIELD", "field.png"), 0, 0);
  t.DrawSprite(c, "TIME", "time.png");
  t.DrawSprite(c, "HIGHSCORE", "highcore.png");
  const Canvas& buttons = t.Sprite("GUI_BUTTON", "gui_button.png");
  for (int i = 0; i < 7; ++i) Button(c, buttons, small, "", kButtonX, kButtonY + kButtonStep * i, kButtonW, 0);
  c.Fill(Rasterize(kScreenW, kScreenH, Box(0, 0, 800, 600)), Rgb8(1, 1, 1), 0.2f);
  const Canvas& rect = t.Sprite("RECTANGLE", "rectangle.png");
  GfxRect(c, rect, 250, 25, 300, 100);
  GfxRect(c, rect, 200, 130, 400, 355);
  GfxRect(c, rect, 230, 497, 340, 80);
  // Title at the game's 0.65 x 0.55 scale, approximated by drawing at full size and reducing.
  {
    Canvas title(400, 60);
    DrawVanto(title, large, "New game", 10, 10);
    Canvas shrunk(400, 60);
    for (int y = 0; y < 33; ++y)
      for (int x = 0; x < 260; ++x) {
        shrunk.Set(x, y, title.Get(int(float(x) / 0.65f), int(float(y) / 0.55f)));
      }
    c.Draw(shrunk, 400 - int(large.TextWidth("New game") * 0.65f) / 2 - 6, 145 - 5);
  }
  TypeFace bold16(VeraBoldPath(), 16), regular10(VeraPath(), 10);
  auto label = [&](const std::string& s, int x, int y) {
    Mask m(kScreenW, kScreenH);
    bold16.DrawText(m, s, float(x), float(y) + std::round(bold16.ascender()));
    c.Fill(m.Shifted(2, 2), Rgb8(1, 1, 1), 0.5f);
    c.Fill(m, Rgb8(255, 255, 255));
  };
  label("Player name:", 322, 45);
  label("Difficulty:3", 228, 185);
  label("Stones:", 228, 300);
  label("Preview:", 228, 420);
  Input(c, t.Sprite("GUI_INPUT", "gui_input.png"), small, "Player", 320, 70, 160, true);
  Slider(c, t.Sprite("GUI_SLIDER", "gui_slider.png"), 230, 205, 155, 44);
  {
    Mask m(kScreenW, kScreenH);
    regular10.DrawText(m, "easy", 225, 237 + 10);
    regular10.DrawText(m, "medium", 312 - regular10.Measure("medium") / 2, 247);
    regular10.DrawText(m, "hard", 390 - regular10.Measure("hard"), 247);
    c.Fill(m, Rgb8(255, 255, 255));
    Mask d(kScreenW, kScreenH);
    regular10.DrawText(d, "Relaxed", 410, 195);
    regular10.DrawText(d, "Fewer givens than the 40 of", 410, 219);
    regular10.DrawText(d, "the first level; now and then", 410, 231);
    regular10.DrawText(d, "a cell needs a second look.", 410, 243);
    c.Fill(d, Rgb8(255, 255, 255));
  }
  const char* sets[4] = {"Numbers", "Persons", "Objects", "X-Mas"};
  for (int i = 0; i < 4; ++i) Button(c, buttons, small, sets[i], i < 2 ? 230 : 410, i % 2 ? 360 : 325, 160, i == 1, false);
  for (int i = 0; i < 3; ++i) c.Draw(Stone(t, 2, i + 4, Rgb8(255, 255, 255)), 340 + 52 * i, 410);
  Button(c, buttons, small, "Start game", 320, 520, 160, 0);
  Dropdown(c, t.Sprite("GUI_DROPDOWN", "gui_dropdown.png"), small, "Mix It: 2 min.", 230, 255, 155,
           {"Mix It: never", "Mix It: 1 min.", "Mix It: 2 min.", "Mix It: 3 min.", "Mix It: 5 min."});
  c.Draw(t.bake->Find("gfx/cursor.png")->Crop(0, 0, 32, 32), 300 - 7, 300);
  return c;
}

Canvas MockStartMenu(const Theme& t) {
  Canvas c(kScreenW, kScreenH);
  c.Draw(t.Sprite("STARTSCREEN", "startscreen.png"), 0, 0);
  const VantoFont& small = t.Font("SMALLIMAGEFONT", "smallimagefont.png");
  const Canvas& buttons = t.Sprite("GUI_BUTTON", "gui_button.png");
  const char* captions[5] = {"Start game", "Replay a level", "How to play", "Settings", "Quit"};
  for (int i = 0; i < 5; ++i)
    Button(c, buttons, small, captions[i], kStartButtonX, kStartButtonY + kStartButtonStep * i, kStartButtonW, i == 2 ? 2 : 0);
  return c;
}

// The logo screen during the light sweep: the streak is added on top.
Canvas MockLogo(const Bake& bake) {
  Canvas c(kScreenW, kScreenH);
  c.Flood(Solid(Rgb8(1, 1, 1)));
  const Canvas& logo = *bake.Find("gfx/pxlogo.png");
  const Canvas& streak = *bake.Find("gfx/pxlogo_effect.png");
  c.Draw(logo, 272, 172);
  for (int y = 0; y < streak.height(); ++y)
    for (int x = 0; x < streak.width(); ++x) {
      Rgba s = streak.Get(x, y), d = c.Get(272 + 90 + x, 172 + y);
      float a = s.a * 0.25f;
      c.Set(272 + 90 + x, 172 + y,
            Rgba{std::min(1.0f, d.r + s.r * a), std::min(1.0f, d.g + s.g * a), std::min(1.0f, d.b + s.b * a), 1.0f});
    }
  return c;
}

Canvas MockResult(const Theme& t) {
  Canvas c = MockPlayScreen(t, 1, false);
  const Canvas& rect = t.Sprite("RECTANGLE", "rectangle.png");
  for (int i = 1; i <= 4; ++i)
    GfxRect(c, rect, 150 + 30 * i, 50 + 20 * i, 800 - 2 * (150 + 30 * i), 600 - 2 * (50 + 20 * i), 0.2f * float(i + 1));
  const VantoFont& small = t.Font("SMALLIMAGEFONT", "smallimagefont.png");
  DrawVanto(c, small, "Congratulations!", 395 - small.TextWidth("Congratulations!") / 2, 185);
  DrawVanto(c, small, "You solved the Gridlet.", 395 - small.TextWidth("You solved the Gridlet.") / 2, 217);
  DrawVanto(c, small, "Score: 1250", 395 - small.TextWidth("Score: 1250") / 2, 270);
  TypeFace bold12(VeraBoldPath(), 12), regular10(VeraPath(), 10), regular12(VeraPath(), 12);
  Mask m(kScreenW, kScreenH);
  regular12.DrawText(m, "Highscore:", 350, 310 + 12);
  c.Fill(m, Rgb8(255, 255, 255));
  for (int i = 0; i < 6; ++i) {
    Mask line(kScreenW, kScreenH);
    bold12.DrawText(line, std::to_string(i + 1) + ".", 330, float(335 + 12 * i + 11));
    regular10.DrawText(line, std::to_string(1250 - 200 * i) + "  . . . . . . Player", 350, float(335 + 12 * i + 10));
    c.Fill(line, i == 0 ? Rgb8(255, 100, 100) : Rgb8(50, 50, 50));
  }
  return c;
}

// ---- the sheet ----------------------------------------------------------

Canvas Checker(int w, int h) {
  Canvas c(w, h);
  c.Flood([](float x, float y) {
    bool dark = (int(x) / 8 + int(y) / 8) % 2;
    return dark ? Rgb8(92, 92, 100) : Rgb8(120, 120, 128);
  });
  return c;
}

Canvas Reduced(const Canvas& src, int factor) {
  Canvas out(src.width() / factor, src.height() / factor);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      float r = 0, g = 0, b = 0, a = 0;
      for (int dy = 0; dy < factor; ++dy)
        for (int dx = 0; dx < factor; ++dx) {
          Rgba v = src.Get(x * factor + dx, y * factor + dy);
          r += v.r * v.a, g += v.g * v.a, b += v.b * v.a, a += v.a;
        }
      if (a <= 0) continue;
      out.Set(x, y, Rgba{r / a, g / a, b / a, a / float(factor * factor)});
    }
  return out;
}

class Sheet {
 public:
  explicit Sheet(int width) : width_(width), label_(VeraBoldPath(), 12) {}
  void Section(const std::string& title) {
    NewRow();
    items_.push_back({Canvas(), title, 0, y_, true});
    y_ += 26;
  }
  void Add(const std::string& label, const Canvas& picture, bool checker = true) {
    int w = std::max(picture.width(), int(label_.Measure(label)) + 4), h = picture.height() + 18;
    if (x_ + w > width_ - 10) NewRow();
    Canvas framed = checker ? Checker(picture.width(), picture.height()) : Canvas(picture.width(), picture.height());
    framed.Draw(picture, 0, 0);
    items_.push_back({framed, label, x_, y_, false});
    x_ += w + 16;
    rowH_ = std::max(rowH_, h);
  }
  Canvas Render(Rgba background) {
    NewRow();
    Canvas c(width_, y_ + 10);
    c.Flood(Solid(background));
    for (const auto& it : items_) {
      if (it.heading) {
        DrawLabel(c, label_, it.label, 10, float(it.y + 18), Align::Left, Solid(Rgb8(250, 236, 200)), Rgba{}, 0, 0);
        continue;
      }
      DrawLabel(c, label_, it.label, float(it.x), float(it.y + 12), Align::Left, Solid(Rgb8(220, 226, 236)), Rgba{}, 0, 0);
      c.Draw(it.picture, it.x, it.y + 16);
    }
    return c;
  }

 private:
  void NewRow() {
    if (x_ > 10) y_ += rowH_ + 10;
    x_ = 10;
    rowH_ = 0;
  }
  struct Item {
    Canvas picture;
    std::string label;
    int x, y;
    bool heading;
  };
  int width_, x_ = 10, y_ = 10, rowH_ = 0;
  TypeFace label_;
  std::vector<Item> items_;
};

}  // namespace

Canvas ContactSheet(const Bake& bake, const std::string& dataDir) {
  Theme base{&bake, ReadConfig(dataDir + "/themes/base/config.xml"), "themes/base"};
  Theme winter{&bake, ReadConfig(dataDir + "/themes/winter/config.xml"), "themes/winter"};
  Sheet sheet(1640);
  sheet.Section("Screens as the game composes them (base theme, then winter)");
  sheet.Add("play screen, numbers, picker open", MockPlayScreen(base, 1, true), false);
  sheet.Add("play screen, persons", MockPlayScreen(base, 2, false), false);
  sheet.Add("start menu", MockStartMenu(base), false);
  sheet.Add("game menu", MockGameMenu(base), false);
  sheet.Add("result panel", MockResult(base), false);
  sheet.Add("logo screen, light sweep", MockLogo(bake), false);
  sheet.Add("winter: play screen, numbers", MockPlayScreen(winter, 1, true), false);
  sheet.Add("winter: start menu", MockStartMenu(winter), false);
  sheet.Add("winter: game menu", MockGameMenu(winter), false);

  sheet.Section("Stone sets: given, hint, player, wrong, marked (enlarged twice)");
  for (const Theme* t : {&base, &winter}) {
    for (int set = 1; set <= 4; ++set) {
      Canvas row(52 * 9 + 4, 52 * 5);
      Rgba tints[5] = {t->Colour("STONES_PRESET"), t->Colour("STONES_PROPOSED"), Rgb8(255, 255, 255), Rgb8(250, 120, 150),
                       t->Colour("STONES_MARKED")};
      for (int k = 0; k < 5; ++k)
        for (int d = 1; d <= 9; ++d) row.Draw(Stone(*t, set, d, tints[k]), (d - 1) * 52, k * 52);
      Canvas bg(row.width(), row.height());
      bg.Flood(Solid(Rgb8(30, 40, 52)));
      bg.Draw(row, 0, 0);
      const ConfigNode* desc = t->StoneSet(set)->Child("DESCRIPTION");
      sheet.Add(t->dir + " STONES" + std::to_string(set) + ": " + desc->Attr("english"), bg.Enlarged(2), false);
    }
  }

  sheet.Section("Every picture (full-screen pictures at half size)");
  for (const auto& p : bake.pictures) {
    bool large = p.canvas.width() >= 800;
    sheet.Add(p.path + (large ? " (1:2)" : ""), large ? Reduced(p.canvas, 2) : p.canvas);
  }
  sheet.Add("gfx/cursor.png (x3)", bake.Find("gfx/cursor.png")->Enlarged(3));

  sheet.Section("Bitmap fonts");
  const std::string sample = "Gridlet 0123456789 ÄÖÜ äöü ß é ñ ç € «Mix It!» (Zeit: 12:05)";
  std::string latin1;
  for (size_t i = 0; i < sample.size(); ++i) {
    unsigned char ch = static_cast<unsigned char>(sample[i]);
    if (ch < 0x80) latin1 += char(ch);
    else if ((ch & 0xE0) == 0xC0 && i + 1 < sample.size()) {
      latin1 += char(((ch & 0x1F) << 6) | (static_cast<unsigned char>(sample[i + 1]) & 0x3F));
      ++i;
    } else if (ch == 0xE2) {  // the euro sign, 0x80 in the game's code page
      latin1 += char(0x80);
      i += 2;
    }
  }
  for (const auto& f : bake.fonts) {
    sheet.Add(f.path, f.font.sheet);
    Canvas text(std::max(f.font.TextWidth(latin1) + 20, 200), f.font.fontHeight + 20);
    text.Flood(Solid(Rgb8(70, 90, 112)));
    DrawVanto(text, f.font, latin1, 10, 10);
    sheet.Add(f.path + " sample", text, false);
  }
  return sheet.Render(Rgb8(36, 40, 48));
}

}  // namespace baker
