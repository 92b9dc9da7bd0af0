#include "engine/score.h"

#include "engine/sudoku.h"

int ComputeScore(int mixit_multi, int given_hints, int level, int elapsed_ms, int stone_set_factor) {
  const float base = static_cast<float>(mixit_multi) *
                     (1.0f / (static_cast<float>(given_hints) / 10.0f + 1.0f)) * static_cast<float>(level) *
                     50000.0f;
  const float seconds = static_cast<float>(elapsed_ms) / 1000.0f;
  const float score = base / (seconds * static_cast<float>(stone_set_factor));
  int result = TruncToInt(score);
  if (given_hints > 15) result /= given_hints;
  return result;
}
