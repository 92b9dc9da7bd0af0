// The colours of a theme. Every picture of a theme is drawn from one palette,
// so the base and the winter theme share their drawing code.
#pragma once

#include "canvas.h"

namespace baker {

struct Palette {
  Rgba bgTop, bgBottom, bgGlow;    // screen backdrop and the light behind the board
  Rgba panel, panelDeep;           // side panel and boxes, their darker inset
  Rgba well, slot;                 // board well and empty cell slots
  Rgba frameTop, frameBottom;      // board frame ring
  Rgba accent, accentDeep;         // gauges, separators, highlights
  Rgba button, buttonDeep;         // widget faces
  Rgba stoneTop, stoneBottom;      // stone body (light, tinted by the game)
  Rgba ink;                        // dark strokes on stones
  Rgba cream;                      // light text
  Rgba shadow;                     // soft shadows
  int seed = 1;                    // texture variation
};

Palette BasePalette();
Palette WinterPalette();

}  // namespace baker
