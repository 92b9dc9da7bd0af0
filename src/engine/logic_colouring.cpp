// Simple colouring: the strong links of one digit split its cells into two
// colours of which exactly one holds the digit.
#include "engine/logic_techniques.h"

namespace logic {

namespace {

void Report(const Grid& grid, int digit, CellSet targets, CellSet on, CellSet off, Step& step) {
  step.technique = Technique::kSimpleColouring;
  AddEliminations(grid, targets, digit, step);
  // Colour one first, then colour two, so the picture can tell them apart.
  AddCells(on, step);
  AddCells(off, step);
  AddCandidates(grid, on, digit, step);
  AddCandidates(grid, off, digit, step);
}

}  // namespace

bool FindSimpleColouring(const Grid& grid, Step& step) {
  for (int digit = 1; digit <= 9; ++digit) {
    const CellSet cells = grid.DigitCells(digit);
    // Each cell's strong-link partners.
    CellSet partners[kCells];
    for (int unit = 0; unit < kUnits; ++unit) {
      const CellSet in = cells & kGeo.unit_set[unit];
      if (in.Size() != 2) continue;
      const int a = in.First();
      CellSet rest = in;
      rest.Remove(a);
      const int b = rest.First();
      partners[a].Add(b);
      partners[b].Add(a);
    }
    CellSet done;
    bool found = false;
    cells.ForEach([&](int start) {
      if (found || done.Has(start) || partners[start].Empty()) return;
      CellSet colour[2];
      colour[0].Add(start);
      CellSet frontier = CellSet::Of(start);
      int side = 0;
      while (!frontier.Empty()) {
        CellSet next;
        frontier.ForEach([&](int c) { next |= partners[c]; });
        side ^= 1;
        next = next - colour[0] - colour[1];
        colour[side] |= next;
        frontier = next;
      }
      done |= colour[0] | colour[1];
      if (colour[0].Size() + colour[1].Size() < 3) return;
      // Wrap: two cells of one colour see each other, so that colour is off.
      for (int k = 0; k < 2 && !found; ++k) {
        bool clash = false;
        colour[k].ForEach([&](int c) { clash = clash || !(kGeo.peers[c] & colour[k]).Empty(); });
        if (clash) {
          Report(grid, digit, colour[k], colour[1 - k], colour[k], step);
          found = true;
        }
      }
      if (found) return;
      // Trap: a cell seeing both colours cannot hold the digit.
      CellSet sees[2];
      for (int k = 0; k < 2; ++k) colour[k].ForEach([&](int c) { sees[k] |= kGeo.peers[c]; });
      const CellSet targets = (sees[0] & sees[1] & cells) - colour[0] - colour[1];
      if (!targets.Empty()) {
        Report(grid, digit, targets, colour[0], colour[1], step);
        found = true;
      }
    });
    if (found) return true;
  }
  return false;
}

}  // namespace logic
