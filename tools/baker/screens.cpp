#include "screens.h"

#include <cmath>
#include <string>

#include "layout.h"
#include "shapes.h"
#include "style.h"
#include "text.h"

namespace baker {

using namespace layout;

namespace {

Sdf BoxOf(const Rect& r, float radius, float inset = 0.0f) {
  return Box(float(r.x) + inset, float(r.y) + inset, float(r.x + r.w) - inset, float(r.y + r.h) - inset, radius);
}

void SnowDrifts(Canvas& c, const Palette& p) {
  const int w = c.width(), h = c.height();
  Sdf back = Union({Ellipse(120, 640, 260, 90), Ellipse(470, 660, 300, 100), Ellipse(760, 630, 200, 80)});
  Sdf front = Union({Ellipse(300, 690, 330, 110), Ellipse(700, 700, 260, 110)});
  Mask backMask = Rasterize(w, h, back);
  c.Fill(backMask, VerticalGradient(540, 600, Mix(p.bgGlow, p.cream, 0.5f), Mix(p.bgGlow, p.cream, 0.2f)), 0.55f);
  Mask frontMask = Rasterize(w, h, front);
  c.Shadow(frontMask, 0, -2, 3.0f, Rgb8(8, 12, 24, 60));
  c.Fill(frontMask, VerticalGradient(580, 600, p.cream, Mix(p.cream, p.bgGlow, 0.4f)), 0.8f);
}

void Flakes(Canvas& c, int count, int seed, float maxAlpha) {
  Mask dots(c.width(), c.height());
  std::vector<Sdf> flakes;
  for (int i = 0; i < count; ++i) {
    float x = Hash01(i, 1, seed) * float(c.width());
    float y = Hash01(i, 2, seed) * float(c.height());
    float r = 0.8f + Hash01(i, 3, seed) * 1.8f;
    flakes.push_back(Circle(x, y, r));
  }
  Mask m = Rasterize(c.width(), c.height(), Union(std::move(flakes)));
  c.Fill(m.Blurred(0.6f), Rgb8(255, 255, 255), maxAlpha);
}

}  // namespace

Canvas Backdrop(const Palette& p, Decor decor) {
  Canvas c(kScreenW, kScreenH);
  c.Flood(VerticalGradient(0, kScreenH, p.bgTop, p.bgBottom));
  Mask all = Rasterize(kScreenW, kScreenH, Box(-10, -10, 810, 610));
  c.Fill(all, Radial(480, 280, 460, {{0.0f, WithAlpha(p.bgGlow, 0.55f)}, {1.0f, WithAlpha(p.bgGlow, 0.0f)}}));
  if (decor == Decor::Base) {
    // A faint dotted grid: a quiet nod to the board.
    std::vector<Sdf> dots;
    for (int y = 13; y < kScreenH; y += 26)
      for (int x = 13; x < kScreenW; x += 26) dots.push_back(Circle(float(x), float(y), 1.1f));
    c.Fill(Rasterize(kScreenW, kScreenH, Union(std::move(dots))), Rgb8(255, 255, 255), 0.05f);
  } else {
    Flakes(c, 140, 11, 0.35f);
    SnowDrifts(c, p);
  }
  c.Fill(all, Radial(400, 300, 560, {{0.55f, Rgb8(4, 6, 10, 0)}, {1.0f, Rgb8(4, 6, 10, 120)}}));
  Grain(c, 0.03f, p.seed);
  return c;
}

void DrawEmblem(Canvas& c, const Palette& p, float x, float y, float tile, float gap) {
  static const int kMagic[9] = {2, 7, 6, 9, 5, 1, 4, 3, 8};  // every line sums to 15
  TypeFace digits(DejaVuBoldPath(), tile * 0.62f);
  for (int i = 0; i < 9; ++i) {
    float tx = x + float(i % 3) * (tile + gap), ty = y + float(i / 3) * (tile + gap);
    Sdf shape = Box(tx, ty, tx + tile, ty + tile, tile * 0.2f);
    bool centre = i == 4;
    PlateLook look = Plate(centre ? Scaled(p.accent, 1.2f) : p.stoneTop, centre ? p.accentDeep : p.stoneBottom)
                         .Rims(0.8f, 0.3f)
                         .DropShadow(170, int(std::ceil(tile / 16.0f)), tile / 14.0f)
                         .Outlined(0.2f);
    RaisedPlate(c, shape, ty, ty + tile, look);
    std::string d(1, char('0' + kMagic[i]));
    DrawLabel(c, digits, d, tx + tile / 2, ty + tile * 0.78f, Align::Centre, Solid(centre ? p.cream : p.ink),
              centre ? Rgb8(8, 8, 12, 140) : Rgba{}, 0, 1, 0.6f);
  }
}

Canvas PlayBackground(const Palette& p, Decor decor) {
  Canvas c = Backdrop(p, decor);
  // Side panel: a darker glass pane.
  Sdf side = BoxOf(kSidePanel, 14);
  Mask sideMask = Rasterize(kScreenW, kScreenH, side);
  c.Shadow(sideMask, 0, 3, 4.0f, Rgb8(8, 8, 12, 110));
  c.Fill(sideMask, VerticalGradient(12, 592, WithAlpha(p.panelDeep, 0.72f), WithAlpha(Scaled(p.panelDeep, 0.8f), 0.8f)));
  c.Fill(Rasterize(kScreenW, kScreenH, Intersect(Outline(side, 0.6f), side)), p.panel, 0.7f);
  for (int y : {281, 389}) {
    Mask line = Rasterize(kScreenW, kScreenH, Capsule(30, float(y), 182, float(y), 0.6f));
    c.Fill(line, p.accent, 0.35f);
    c.Fill(line.Shifted(0, 1), Rgb8(8, 8, 12), 0.35f);
  }
  Recessed(c, BoxOf(kClockSlot, 8), float(kClockSlot.y), float(kClockSlot.y + kClockSlot.h), p.well, p.panelDeep, 0.7f);

  // Board well with one slot per cell.
  Recessed(c, BoxOf(kBoardWell, 10), float(kBoardWell.y), float(kBoardWell.y + kBoardWell.h), p.well,
           Scaled(p.well, 0.85f), 0.8f);
  std::vector<Sdf> slots;
  for (int cx : kCellX)
    for (int cy : kCellY) slots.push_back(Box(float(cx) + 1.5f, float(cy) + 1.5f, float(cx) + 48.5f, float(cy) + 47.5f, 8));
  Recessed(c, Union(std::move(slots)), 75, 549, p.slot, Scaled(p.slot, 0.9f), 0.5f);

  if (decor == Decor::Winter) {
    // The title strip carries the grade line in light text: a little dusk
    // over the bright winter sky keeps it readable.
    Mask strip = Rasterize(kScreenW, kScreenH, Box(-10, -10, 810, 70));
    c.Fill(strip, Linear(0, 0, 0, 70, {{0.0f, Rgb8(8, 12, 24, 82)}, {0.65f, Rgb8(8, 12, 24, 62)}, {1.0f, Rgb8(8, 12, 24, 0)}}));
  }
  TypeFace title(VeraBoldPath(), 22);
  DrawLabel(c, title, "Gridlet", 487, 42, Align::Centre, Solid(WithAlpha(p.cream, 0.55f)), Rgb8(8, 8, 12, 120), 0, 2,
            1.5f);
  return c;
}

Canvas BoardFrame(const Palette& p, Decor decor) {
  Canvas c(kScreenW, kScreenH);
  Sdf ring = Subtract(BoxOf(kBoardFrame, 16), BoxOf(kBoardWell, 10));
  PlateLook look = Plate(p.frameTop, p.frameBottom).Rims(0.6f, 0.5f).DropShadow(150, 4, 5.0f).Outlined(0.5f);
  RaisedPlate(c, ring, float(kBoardFrame.y), float(kBoardFrame.y + kBoardFrame.h), look);
  // Block lines sit in the wider gaps between the 3 x 3 blocks.
  std::vector<Sdf> lines;
  for (float x : {407.0f, 567.0f}) lines.push_back(Box(x - 1.0f, 70, x + 1.0f, 554));
  for (float y : {231.5f, 391.5f}) lines.push_back(Box(245, y - 1.0f, 729, y + 1.0f));
  Mask lineMask = Rasterize(kScreenW, kScreenH, Union(std::move(lines)));
  c.Shadow(lineMask, 1, 1, 0.8f, Rgb8(8, 8, 12, 170));
  c.Fill(lineMask, p.accent, 0.85f);
  if (decor == Decor::Winter) {
    // Snow resting on the top of the frame, icicles under the bottom edge.
    std::vector<Sdf> caps;
    for (int i = 0; i < 14; ++i) {
      float x = 244 + float(i) * 35.5f + Hash01(i, 4, 9) * 8;
      caps.push_back(Ellipse(x, 60, 20 + Hash01(i, 5, 9) * 10, 5 + Hash01(i, 6, 9) * 3));
    }
    Sdf snow = Intersect(Union(std::move(caps)), Box(236, 40, 738, 62));
    Mask snowMask = Rasterize(kScreenW, kScreenH, snow);
    c.Shadow(snowMask, 0, 1, 1.0f, Rgb8(8, 12, 24, 90));
    c.Fill(snowMask, VerticalGradient(52, 62, Rgb8(255, 255, 255), Rgb8(214, 232, 248)));
    std::vector<Sdf> icicles;
    for (int i = 0; i < 22; ++i) {
      float x = 252 + float(i) * 22.0f + Hash01(i, 7, 9) * 6;
      float len = 5 + Hash01(i, 8, 9) * 9;
      icicles.push_back(Polygon({{x - 3, 563}, {x + 3, 563}, {x, 563 + len}}));
    }
    Mask ice = Rasterize(kScreenW, kScreenH, Union(std::move(icicles)));
    c.Fill(ice, VerticalGradient(563, 578, Rgb8(236, 246, 255, 240), Rgb8(160, 210, 240, 120)));
  }
  // This picture lies over the given stones: the frame's shadow must not
  // darken them, so every cell stays clear.
  std::vector<Sdf> cells;
  for (int cx : kCellX)
    for (int cy : kCellY) cells.push_back(Box(float(cx), float(cy), float(cx + 50), float(cy + 49)));
  c.KeepOnly(Rasterize(kScreenW, kScreenH, Union(std::move(cells))).Inverted());
  return c;
}

Canvas StartScreen(const Palette& p, Decor decor) {
  Canvas c = Backdrop(p, decor);
  TypeFace title(VeraBoldPath(), 96);
  const std::string word = "Gridlet";
  float wordW = title.Measure(word);
  const float tile = 24, gap = 4, emblem = tile * 3 + gap * 2;
  float x0 = 400 - (emblem + 26 + wordW) / 2;
  DrawEmblem(c, p, x0, 58, tile, gap);
  float tx = x0 + emblem + 26;
  Mask m(kScreenW, kScreenH);
  title.DrawText(m, word, std::round(tx), 150);
  c.Shadow(m, 0, 5, 6.0f, Rgb8(8, 8, 12, 150));
  c.Fill(m, Linear(0, 70, 0, 152, {{0.0f, Rgb8(255, 252, 244)}, {0.6f, p.cream}, {1.0f, Mix(p.cream, p.accent, 0.45f)}}));
  // Tagline with wide letter spacing under a thin rule.
  TypeFace small(VeraBoldPath(), 17);
  const std::string tag = "S U D O K U";
  DrawLabel(c, small, tag, 400, 206, Align::Centre, Solid(p.accent), Rgb8(8, 8, 12, 150), 0, 1, 1.0f);
  for (float side : {-1.0f, 1.0f}) {
    float a = 400 + side * 80, b = 400 + side * 190;
    Mask rule = Rasterize(kScreenW, kScreenH, Capsule(a, 200, b, 200, 0.7f));
    c.Fill(rule, Linear(a, 0, b, 0, {{0.0f, WithAlpha(p.accent, 0.8f)}, {1.0f, WithAlpha(p.accent, 0.0f)}}));
  }
  return c;
}

namespace {

// The raised plates that carry captions on the side panel.
void CaptionPlate(Canvas& c, const Palette& p, float x1, float y1) {
  PlateLook look = Plate(Scaled(p.panel, 1.15f), Scaled(p.panel, 0.8f)).DropShadow(130, 1, 1.6f).Outlined(0.5f);
  RaisedPlate(c, Box(1, 1, x1, y1, 8), 1, y1, look);
}

}  // namespace

Canvas TimePlate(const Palette& p) {
  Canvas c(kTimePlate.w, kTimePlate.h);
  CaptionPlate(c, p, float(c.width()) - 1, float(c.height()) - 3);
  return c;
}

Canvas HighscorePanel(const Palette& p) {
  Canvas c(kHighscore.w, kHighscore.h);
  const float w = float(c.width()), h = float(c.height());
  Recessed(c, Box(1, 14, w - 1, h - 1, 10), 14, h, WithAlpha(p.well, 0.85f), WithAlpha(p.panelDeep, 0.85f), 0.7f);
  // Faint bands behind every other line of the list.
  for (int i = 0; i < 6; i += 2) {
    float y = float(kHighscoreListY - kHighscore.y + 12 * i) + 1.0f;
    c.Fill(Rasterize(c.width(), c.height(), Box(8, y, w - 8, y + 12, 3)), Rgb8(255, 255, 255), 0.04f);
  }
  CaptionPlate(c, p, w - 1, 25);
  return c;
}

Canvas GaugeBackground(const Palette& p, bool withTicks) {
  Canvas c(kMixIt.w, kMixIt.h);
  Sdf track = Box(float(kGaugeTrackX0) - 4, float(kGaugeTrackY0), float(kGaugeTrackX1), float(kGaugeTrackY1), 8);
  Recessed(c, track, float(kGaugeTrackY0), float(kGaugeTrackY1), p.well, p.slot, 0.8f);
  if (withTicks) {
    // One dot per level, where the pointer stops.
    for (int level = 1; level <= 9; ++level) {
      float x = float(int(float(kLevelMarkX) + float(level) * 95.0f / 9.0f) + 6 - kLevel.x);
      c.Fill(Rasterize(c.width(), c.height(), Circle(x, 15, level % 3 == 0 ? 1.7f : 1.2f)), p.accent, 0.55f);
    }
  }
  return c;
}

Canvas GaugeFront(const Palette& p) {
  Canvas c(kMixIt.w, kMixIt.h);
  Sdf track = Box(float(kGaugeTrackX0) - 4, float(kGaugeTrackY0), float(kGaugeTrackX1), float(kGaugeTrackY1), 8);
  // Glass over the track: a rim and a sheen, clear in the middle.
  c.Fill(Rasterize(c.width(), c.height(), Intersect(Outline(track, 0.7f), track)), Rgb8(255, 255, 255), 0.25f);
  Gloss(c, Box(float(kGaugeTrackX0), float(kGaugeTrackY0) + 1, float(kGaugeTrackX1) - 2, 14, 6), 7, 14, 0.22f);
  // The caption plate hides whatever slides in from the left.
  CaptionPlate(c, p, float(kGaugePlateW), float(c.height()) - 3);
  return c;
}

Canvas MixItMark(const Palette& p) {
  Canvas c(100, 16);
  Sdf bar = Box(-20, 1, 99, 15, 7);
  PlateLook look = Plate(Scaled(p.accent, 1.25f), p.accentDeep).Rims(0.5f, 0.30f).Outlined(0.4f);
  RaisedPlate(c, bar, 1, 15, look);
  return c;
}

Canvas LevelMark(const Palette& p) {
  Canvas c(12, 22);
  PlateLook look = Plate(Scaled(p.accent, 1.3f), p.accentDeep).Rims(0.7f, 0.30f).DropShadow(160, 1, 1.0f).Outlined(0.6f);
  RaisedPlate(c, Box(1.5f, 1.5f, 10.5f, 19.5f, 4.5f), 1, 20, look);
  return c;
}

Canvas FrameRectangle(const Palette& p) {
  // Regions are cut at 0..21, 23..97 and 99..125 on both axes; the body is
  // flat where it repeats. It fills the whole picture, so a framed box's
  // visible edge is exactly the rectangle it is drawn into.
  Canvas c(126, 126);
  Sdf body = Box(0, 0, 126, 126, 13);
  Mask bodyMask = Rasterize(126, 126, body);
  // Dark enough that white text on it keeps a contrast ratio above 4.5.
  Rgba face = Scaled(Mix(p.panel, p.cream, 0.12f), 0.76f);
  c.Fill(bodyMask, WithAlpha(face, 0.96f));
  c.Fill(Rasterize(126, 126, Intersect(Outline(Grow(body, -2.5f), 0.8f), body)), Rgb8(255, 255, 255), 0.22f);
  c.Fill(Rasterize(126, 126, Intersect(Outline(body, 0.8f), body)), Rgb8(10, 14, 22), 0.6f);
  Mask top = bodyMask.Minus(bodyMask.Shifted(0, 1));
  c.Fill(top, Rgb8(255, 255, 255), 0.4f);
  return c;
}

Canvas StarParticle() {
  Canvas c(32, 32);
  Mask all = Rasterize(32, 32, Circle(16, 16, 16));
  c.Fill(all, Radial(16, 16, 15, {{0.0f, Rgb8(255, 255, 255, 150)}, {0.35f, Rgb8(255, 250, 230, 60)},
                                  {1.0f, Rgb8(255, 250, 230, 0)}}));
  Sdf sparkle = Union(Star(16, 16, 4, 15, 2.6f, -90), Star(16, 16, 4, 8, 2.0f, -45));
  c.Fill(Rasterize(32, 32, sparkle), Rgb8(255, 253, 244));
  return c;
}

Canvas SnowflakeParticle() {
  Canvas c(24, 24);
  std::vector<Sdf> arms;
  for (int i = 0; i < 6; ++i) {
    float a = float(i) * 60.0f * 3.14159265f / 180.0f;
    float dx = std::cos(a), dy = std::sin(a);
    arms.push_back(Capsule(12, 12, 12 + dx * 10, 12 + dy * 10, 1.1f));
    for (float side : {-1.0f, 1.0f}) {
      float bx = 12 + dx * 6, by = 12 + dy * 6, a2 = a + side * 0.8f;
      arms.push_back(Capsule(bx, by, bx + std::cos(a2) * 3.5f, by + std::sin(a2) * 3.5f, 0.9f));
    }
  }
  Mask flake = Rasterize(24, 24, Union(std::move(arms)));
  c.Fill(flake.Blurred(1.2f), Rgb8(220, 238, 255), 0.7f);
  c.Fill(flake, Rgb8(252, 254, 255));
  return c;
}

}  // namespace baker
