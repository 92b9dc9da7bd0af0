#include "shell/score_line.h"

#include <algorithm>

namespace {

// The longest start of the name that fits with "..." behind it.
std::string CutToFit(const std::string& name, float room, const TextWidthFn& width) {
  if (float(width(name)) <= room) return name;
  const std::string ellipsis = "...";
  std::string cut = name;
  while (!cut.empty() && float(width(cut + ellipsis)) > room) cut.pop_back();
  // Blanks before the ellipsis would read as a gap, not as a cut.
  while (!cut.empty() && cut.back() == ' ') cut.pop_back();
  return cut.empty() ? std::string() : cut + ellipsis;
}

}  // namespace

ScoreLineLayout LayOutScoreLine(float x, const std::string& score, const std::string& name, const TextWidthFn& width) {
  ScoreLineLayout line;
  line.scoreX = x + kScoreLineScore;
  const float scoreEnd = line.scoreX + float(width(score));
  const float nameEnd = x + kScoreLineNameEnd;
  line.name = CutToFit(name, nameEnd - scoreEnd - kScoreLineGap, width);
  line.nameX = nameEnd - float(width(line.name));
  line.dotsX = std::max(x + kScoreLineDots, scoreEnd + kScoreLineGap);
  const float dotsEnd = line.nameX - kScoreLineGap;
  // A font without a width for the dots would never fill the gap.
  if (width(". ") <= 0) return line;
  while (line.dotsX + float(width(line.dots + ".")) <= dotsEnd) line.dots += ". ";
  // The leader ends on a dot, not on the blank behind it.
  if (!line.dots.empty() && line.dots.back() == ' ') line.dots.pop_back();
  return line;
}
