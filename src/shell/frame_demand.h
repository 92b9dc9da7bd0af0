// Whether the next frame is worth drawing. Most screens move all the time
// (clock, particles, fades) and draw every frame; a still screen (the start
// menu) changes only with what its look holds, so it draws when that look
// changes, when the window needs its picture again, and once in a while in
// case something outside the look changed it.
#pragma once

#include "engine/clock_math.h"

// What a still screen's picture depends on.
struct ScreenLook {
  int detail = 0;  // which screen, and its own changes (a question open, a button enabled)
  int mouseX = 0, mouseY = 0, buttons = 0;  // the pointer is drawn, hovering and pressing show
  int exposures = 0;   // the window was uncovered or resized (drawing::WindowExposures)
  int width = 0, height = 0;
  bool operator==(const ScreenLook&) const = default;
};

class TFrameDemand {
 public:
  // A still screen draws at least this often.
  static constexpr int kRefreshMs = 1000;
  // and for this long after its look changed: what the updates make of a
  // change (a button's hover) may show a frame or two later.
  static constexpr int kSettleMs = 250;

  bool Wanted(bool still, const ScreenLook& look, int nowMs) const {
    if (!still || !drawn_) return true;
    return !(look == last_) || ClockDifference(nowMs, changedMs_) < kSettleMs ||
           ClockDifference(nowMs, lastMs_) >= kRefreshMs;
  }
  void Drawn(const ScreenLook& look, int nowMs) {
    if (!drawn_ || !(look == last_)) changedMs_ = nowMs;
    last_ = look;
    lastMs_ = nowMs;
    drawn_ = true;
  }

 private:
  ScreenLook last_;
  int lastMs_ = 0, changedMs_ = 0;
  bool drawn_ = false;
};
