#include "shell_art.h"

#include <cmath>

#include "screens.h"
#include "shapes.h"
#include "style.h"
#include "text.h"

namespace baker {

Canvas Logo(const Palette& p) {
  Canvas c(kLogoSize, kLogoSize);
  const float tile = 46, gap = 6;
  float grid = tile * 3 + gap * 2;
  // A soft halo keeps the emblem from floating on pure black.
  Mask all = Rasterize(kLogoSize, kLogoSize, Box(0, 0, 256, 256));
  c.Fill(all, Radial(128, 96, 118, {{0.0f, WithAlpha(p.bgGlow, 0.45f)}, {1.0f, WithAlpha(p.bgGlow, 0.0f)}}));
  DrawEmblem(c, p, 128 - grid / 2, 12, tile, gap);
  TypeFace word(VeraBoldPath(), 44);
  Mask m(kLogoSize, kLogoSize);
  word.DrawText(m, "Gridlet", std::round(128 - word.Measure("Gridlet") / 2), 232);
  c.Shadow(m, 0, 2, 2.0f, Rgb8(8, 8, 12, 200));
  c.Fill(m, Linear(0, 196, 0, 234, {{0.0f, Rgb8(255, 252, 244)}, {1.0f, Mix(p.cream, p.accent, 0.5f)}}));
  return c;
}

Canvas LogoStreak() {
  Canvas c(kStreakWidth, kLogoSize);
  Mask all = Rasterize(kStreakWidth, kLogoSize, Box(0, 0, float(kStreakWidth), float(kLogoSize)));
  c.Fill(all, Linear(0, 0, float(kStreakWidth), 0,
                     {{0.0f, Rgb8(255, 250, 235, 0)}, {0.5f, Rgb8(255, 250, 235, 255)}, {1.0f, Rgb8(255, 250, 235, 0)}}));
  // Fade at the top and bottom so the streak has no hard ends.
  Canvas fade(kStreakWidth, kLogoSize);
  fade.Fill(all, Linear(0, 0, 0, float(kLogoSize), {{0.0f, Rgb8(255, 255, 255, 0)}, {0.2f, Rgb8(255, 255, 255, 255)},
                                                    {0.8f, Rgb8(255, 255, 255, 255)}, {1.0f, Rgb8(255, 255, 255, 0)}}));
  c.KeepOnly(fade.Alpha());
  return c;
}

Canvas BlankPanel() {
  // Drawn over the side panel on two screens; it must never hide the in-game
  // buttons, so it stays clear.
  return Canvas(178, 240);
}

Canvas Cursor(const Palette& p) {
  Canvas c(kCursorCell * 3, kCursorCell);
  auto arrow = [](float ox, float oy) {
    return Polygon({{ox, oy}, {ox, oy + 19}, {ox + 4.5f, oy + 15}, {ox + 7.5f, oy + 22}, {ox + 11, oy + 20.5f},
                    {ox + 8, oy + 13.8f}, {ox + 13.5f, oy + 13.8f}});
  };
  auto paint = [&](const Sdf& shape, Rgba top, Rgba bottom, float y0) {
    Mask outer = Rasterize(c.width(), c.height(), Grow(shape, 1.1f));
    c.Shadow(outer, 1, 2, 1.3f, Rgb8(8, 8, 12, 150));
    c.Fill(outer, p.ink);
    c.Fill(Rasterize(c.width(), c.height(), shape), VerticalGradient(y0, y0 + 22, top, bottom));
  };
  // Tips sit one pixel in so the outline does not cut them.
  paint(arrow(7.5f, 1.0f), Rgb8(255, 253, 246), p.stoneBottom, 1);
  paint(arrow(32 + 7.5f, 5.0f), Scaled(p.accent, 1.3f), p.accent, 5);
  Sdf pencil = Union(Polygon({{64 + 7.5f, 1}, {64 + 13, 6}, {64 + 10, 9}}),
                     Polygon({{64 + 13, 6}, {64 + 26, 19}, {64 + 23, 22}, {64 + 10, 9}}));
  paint(pencil, Scaled(p.accent, 1.3f), p.accentDeep, 1);
  c.Fill(Rasterize(c.width(), c.height(), Polygon({{64 + 7.5f, 1}, {64 + 10, 3.5f}, {64 + 9, 4.5f}})), p.ink);
  return c;
}

}  // namespace baker
