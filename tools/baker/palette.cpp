#include "palette.h"

namespace baker {

// Slate blue with warm brass: calm, and light text and dark text both read
// on the mid-tone boxes.
Palette BasePalette() {
  Palette p;
  p.bgTop = Rgb8(44, 60, 78);
  p.bgBottom = Rgb8(22, 30, 41);
  p.bgGlow = Rgb8(70, 92, 116);
  p.panel = Rgb8(86, 108, 132);
  p.panelDeep = Rgb8(30, 41, 54);
  p.well = Rgb8(24, 33, 44);
  p.slot = Rgb8(40, 53, 68);
  p.frameTop = Rgb8(122, 140, 160);
  p.frameBottom = Rgb8(56, 70, 88);
  p.accent = Rgb8(226, 178, 98);
  p.accentDeep = Rgb8(160, 112, 52);
  p.button = Rgb8(78, 104, 130);
  p.buttonDeep = Rgb8(50, 70, 92);
  p.stoneTop = Rgb8(252, 249, 240);
  p.stoneBottom = Rgb8(226, 219, 204);
  p.ink = Rgb8(36, 48, 64);
  p.cream = Rgb8(250, 244, 228);
  p.shadow = Rgb8(8, 8, 12, 170);
  p.seed = 1;
  return p;
}

// Frosty blues and white with a cool cyan accent. The faces that carry light
// text (buttons, panels and so the framed boxes) are a shade deeper than the
// sky, so that text on them reads at a contrast ratio above 4.5.
Palette WinterPalette() {
  Palette p;
  p.bgTop = Rgb8(92, 132, 172);
  p.bgBottom = Rgb8(30, 52, 84);
  p.bgGlow = Rgb8(150, 190, 222);
  p.panel = Rgb8(80, 114, 150);
  p.panelDeep = Rgb8(28, 48, 76);
  p.well = Rgb8(26, 44, 70);
  p.slot = Rgb8(44, 68, 100);
  p.frameTop = Rgb8(236, 244, 252);
  p.frameBottom = Rgb8(150, 182, 212);
  p.accent = Rgb8(136, 220, 246);
  p.accentDeep = Rgb8(58, 140, 186);
  p.button = Rgb8(70, 106, 144);
  p.buttonDeep = Rgb8(44, 74, 110);
  p.stoneTop = Rgb8(250, 253, 255);
  p.stoneBottom = Rgb8(208, 224, 240);
  p.ink = Rgb8(30, 56, 92);
  p.cream = Rgb8(246, 250, 255);
  p.shadow = Rgb8(8, 12, 24, 170);
  p.seed = 2;
  return p;
}

}  // namespace baker
