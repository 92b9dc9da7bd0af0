// Hover tips of the play screen: one line on a dark strip, telling what a
// control does and, for the side buttons that cost something, what.
#pragma once

#include <optional>
#include <string>

// The side button pointed at that has a tip, with the language key of the
// tip and where the strip goes; none over a greyed button.
struct PlayTip {
  std::string key;
  float x = 0, y = 0;
};
std::optional<PlayTip> SideButtonTip();
void DrawSideButtonTip();

// One tip strip whose left edge is at x (moved left to stay on the board).
void DrawTipStrip(const std::string& text, float x, float y);
