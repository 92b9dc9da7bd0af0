// What the option menu offers for the display, one line per screen size:
// windowed play in every listed size that fits the desktop (800 x 600
// always), full screen in the display's modes, and full screen at the
// desktop's own size without a mode change (the game area sits in the
// middle with bars at its sides).
#pragma once

#include <vector>

#include "widgets/graphics_resolutions.h"

struct TScreenSize {
  int width = 0, height = 0;

  bool operator==(const TScreenSize&) const = default;
};

struct TScreenChoice {
  int width = 0, height = 0;
  bool windowed = false;     // a window of this size fits the desktop
  std::vector<int> depths;   // full-screen colour depths, as the display lists them
  std::vector<int> hertz;    // refresh rates of those modes
  bool desktop = false;      // the desktop's own size: full screen needs no mode change

  bool operator==(const TScreenChoice&) const = default;
};

// The smallest size the game area fits in unscaled; always offered.
inline constexpr TScreenSize kSmallestScreen{800, 600};

// Window sizes offered besides the display's modes, when they fit.
const std::vector<TScreenSize>& ListedWindowSizes();

// Every choice, by width and then height. `modes` are the display's modes
// merged by size (sizes below 800 x 600 are left out); `desktop` is the
// desktop's size with its depth and rate, and is offered full screen even
// when the display lists no mode of its size. A desktop of unknown size
// (0 x 0) lets every size count as fitting.
std::vector<TScreenChoice> ScreenChoices(const std::vector<TGraphicsResolutionsPtr>& modes,
                                         const TGraphicsResolutions& desktop);

// The choice of that size, or null.
const TScreenChoice* FindScreenChoice(const std::vector<TScreenChoice>& choices, int width, int height);

// The choices the resolution list offers in this run: its entry ids are
// positions here + 1. Empty until the list is filled; then the ids no
// longer count in the mode list.
std::vector<TScreenChoice>& OfferedScreenChoices();
// The offered choice of a resolution list entry id, or null.
const TScreenChoice* OfferedScreenChoice(int id);
// A mode-list entry as a choice: windowed, with its depths and rates.
TScreenChoice ChoiceOf(const TGraphicsResolutions& entry);
