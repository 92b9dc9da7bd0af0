// The human-style solver: the next step on a board, a whole logical
// solution, and the grade of a puzzle from the hardest technique it needs.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "engine/logic_grid.h"
#include "engine/logic_step.h"

namespace logic {

// What the techniques that work on one digit at a time last searched in
// vain: per technique and digit, the digit's places then. While those
// places stay the same the search would fail again, so it is left out.
// Kept by a caller that takes several steps on one board.
struct SearchMemo {
  std::array<std::array<CellSet, 9>, kTechniqueCount> failed_on{};
  std::array<uint16_t, kTechniqueCount> known{};  // digits with a failed_on entry
};

// The simplest step that advances the board, trying no technique above
// `ceiling`. When none applies the step is kNoLogicalStep: it places the
// solution's digit in the empty cell with the fewest candidates, taken from
// `solution` or, without one, from the exact solver (no placement when the
// board has no solution). Nothing on a solved or broken board.
std::optional<Step> NextStep(const Grid& grid, const std::array<uint8_t, kCells>* solution = nullptr,
                             Grade ceiling = Grade::kExtreme, SearchMemo* memo = nullptr);

// Places the step's digits and removes its eliminations.
void ApplyStep(Grid& grid, const Step& step);

struct Rating {
  Grade grade = Grade::kEasy;
  int score = 0;  // tenths: the hardest step's score
  std::array<int, kTechniqueCount> counts{};
  int steps = 0;
  bool solved = false;      // by logic alone
  bool above_ceiling = false;  // stopped: a harder technique would be needed
};

// Solves by logic from the givens. With a ceiling below Extreme it stops
// at the first board no technique up to the ceiling advances.
Rating RatePuzzle(const Grid& givens, Grade ceiling = Grade::kExtreme);

// Every step from the board to its end; the last is kNoLogicalStep (not
// applied) when logic gets stuck.
std::vector<Step> SolveSteps(Grid grid);

}  // namespace logic
