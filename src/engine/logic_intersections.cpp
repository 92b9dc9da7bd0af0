// Locked candidates: a digit confined to where a box and a line cross.
#include "engine/logic_techniques.h"

namespace logic {

namespace {

// The digit's cells in `from` all lie in `into`: the rest of `into` loses it.
bool Locked(const Grid& grid, Technique technique, bool from_boxes, Step& step) {
  for (int digit = 1; digit <= 9; ++digit) {
    const CellSet cells = grid.DigitCells(digit);
    for (int from = from_boxes ? 18 : 0; from < (from_boxes ? 27 : 18); ++from) {
      const CellSet inside = cells & kGeo.unit_set[from];
      if (inside.Size() < 2) continue;
      const int first = inside.First();
      const int candidates[2] = {from_boxes ? RowOf(first) : 18 + BoxOfCell(first),
                                 from_boxes ? 9 + ColOf(first) : -1};
      for (int into : candidates) {
        if (into < 0 || (inside - kGeo.unit_set[into]) != CellSet{}) continue;
        const CellSet targets = (cells & kGeo.unit_set[into]) - inside;
        if (targets.Empty()) continue;
        step.technique = technique;
        AddEliminations(grid, targets, digit, step);
        AddCells(inside, step);
        AddCandidates(grid, inside, digit, step);
        step.units = {static_cast<uint8_t>(from), static_cast<uint8_t>(into)};
        return true;
      }
    }
  }
  return false;
}

}  // namespace

bool FindPointing(const Grid& grid, Step& step) { return Locked(grid, Technique::kPointing, true, step); }
bool FindClaiming(const Grid& grid, Step& step) { return Locked(grid, Technique::kClaiming, false, step); }

}  // namespace logic
