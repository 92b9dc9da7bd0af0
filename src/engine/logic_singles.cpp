// Full house, naked single and hidden single.
#include "engine/logic_techniques.h"

namespace logic {

void AddEliminations(const Grid& grid, CellSet cells, int digit, Step& step) {
  cells.ForEach([&](int c) {
    if (grid.Has(c, digit)) step.eliminations.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(digit)});
  });
}

void AddCells(CellSet cells, Step& step) {
  cells.ForEach([&](int c) { step.cells.push_back(static_cast<uint8_t>(c)); });
}

void AddCandidates(const Grid& grid, CellSet cells, int digit, Step& step) {
  cells.ForEach([&](int c) {
    if (grid.Has(c, digit)) step.candidates.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(digit)});
  });
}

namespace {

void Single(Technique technique, int cell, int digit, int unit, Step& step) {
  step.technique = technique;
  step.placements.push_back({static_cast<uint8_t>(cell), static_cast<uint8_t>(digit)});
  step.cells.push_back(static_cast<uint8_t>(cell));
  if (unit >= 0) step.units.push_back(static_cast<uint8_t>(unit));
  step.candidates.push_back({static_cast<uint8_t>(cell), static_cast<uint8_t>(digit)});
}

}  // namespace

bool FindFullHouse(const Grid& grid, Step& step) {
  // Empty cells per unit, counted in one pass over the board.
  int counts[kUnits]{};
  int last[kUnits]{};
  for (int c = 0; c < kCells; ++c) {
    if (grid.Value(c)) continue;
    for (int unit : {RowOf(c), 9 + ColOf(c), 18 + BoxOfCell(c)}) {
      ++counts[unit];
      last[unit] = c;
    }
  }
  for (int unit = 0; unit < kUnits; ++unit) {
    const int empty = last[unit];
    if (counts[unit] == 1 && Count(grid.Candidates(empty)) == 1) {
      Single(Technique::kFullHouse, empty, FirstDigit(grid.Candidates(empty)), unit, step);
      return true;
    }
  }
  return false;
}

bool FindNakedSingle(const Grid& grid, Step& step) {
  for (int c = 0; c < kCells; ++c)
    if (!grid.Value(c) && Count(grid.Candidates(c)) == 1) {
      Single(Technique::kNakedSingle, c, FirstDigit(grid.Candidates(c)), -1, step);
      return true;
    }
  return false;
}

bool FindHiddenSingle(const Grid& grid, bool boxes, Step& step) {
  const int first = boxes ? 18 : 0;
  const int last = boxes ? 27 : 18;
  for (int unit = first; unit < last; ++unit) {
    // Digits seen once and more than once among the unit's candidates.
    unsigned once = 0, more = 0;
    for (uint8_t c : kGeo.unit_cells[unit]) {
      const unsigned m = grid.Candidates(c);
      more |= once & m;
      once |= m;
    }
    const unsigned single = once & ~more;
    if (!single) continue;
    const int digit = FirstDigit(single);
    for (uint8_t c : kGeo.unit_cells[unit])
      if (grid.Has(c, digit)) {
        Single(boxes ? Technique::kHiddenSingleBox : Technique::kHiddenSingleLine, c, digit, unit, step);
        return true;
      }
  }
  return false;
}

}  // namespace logic
