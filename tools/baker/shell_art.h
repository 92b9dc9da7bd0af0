// The shell's own pictures in gfx/: logo, logo light streak, blank panel and
// the mouse cursor.
#pragma once

#include "canvas.h"
#include "palette.h"

namespace baker {

constexpr int kLogoSize = 256;    // drawn at (272, 172) on black
constexpr int kStreakWidth = 40;  // swept across the logo with additive blending
constexpr int kCursorCell = 32;

Canvas Logo(const Palette& p);
Canvas LogoStreak();
Canvas BlankPanel();
// Three frames: 0 pointer with its tip at (7, 0), 1 the same with its tip at
// (7, 4), 2 a pencil with its tip at (7, 0).
Canvas Cursor(const Palette& p);

}  // namespace baker
