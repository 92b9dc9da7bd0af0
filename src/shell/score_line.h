// Where the parts of one highscore line go: rank, score, a dot leader and
// the name ending at a fixed right edge. A long name is cut with "..." so it
// never reaches the score, and the dots always stop short of the name.
#pragma once

#include <functional>
#include <string>

struct ScoreLineLayout {
  float scoreX = 0;
  float dotsX = 0;
  std::string dots;
  float nameX = 0;
  std::string name;  // as drawn: whole, or cut with "..."
};

// Pixel width of a text in the font the score, dots and name are drawn in.
using TextWidthFn = std::function<int(const std::string&)>;

// Offsets from the line's left edge x.
constexpr float kScoreLineScore = 20;
constexpr float kScoreLineDots = 35;
constexpr float kScoreLineNameEnd = 142;
// The least room between the score, the dots and the name.
constexpr float kScoreLineGap = 3;

ScoreLineLayout LayOutScoreLine(float x, const std::string& score, const std::string& name, const TextWidthFn& width);
