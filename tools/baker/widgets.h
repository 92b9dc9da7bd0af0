// The four widget strips. Each is a grid of equal cells in the order the
// widgets draw them: three-part frames (left, middle, right) per state, the
// middle cells tiling seamlessly.
#pragma once

#include "canvas.h"
#include "palette.h"

namespace baker {

// 18 cells of 22 x 18: rows of top and bottom halves for normal, pressed, greyed.
Canvas ButtonStrip(const Palette& p);
// 8 cells of 35 x 38: empty left, middle, right, knob, filled left, middle, right, knob held.
Canvas SliderStrip(const Palette& p);
// 6 cells of 54 x 35: left, middle, right for idle and focused.
Canvas InputStrip(const Palette& p);
// 24 cells of 54 x 19: box halves for three states, then the list panel body
// (left, middle, right) and its bottom edge.
Canvas DropdownStrip(const Palette& p);

}  // namespace baker
