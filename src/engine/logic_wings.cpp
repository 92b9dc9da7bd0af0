// XY-Wing, XYZ-Wing and W-Wing.
#include "engine/logic_techniques.h"

namespace logic {

namespace {

bool Report(const Grid& grid, Technique technique, std::initializer_list<int> cells, CellSet seen_by, int digit,
            Step& step) {
  CellSet pattern;
  for (int c : cells) pattern.Add(c);
  const CellSet targets = (SeenByAll(seen_by) & grid.DigitCells(digit)) - pattern;
  if (targets.Empty()) return false;
  step.technique = technique;
  AddEliminations(grid, targets, digit, step);
  for (int c : cells) {
    step.cells.push_back(static_cast<uint8_t>(c));
    for (unsigned d = grid.Candidates(c); d; d &= d - 1)
      step.candidates.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(std::countr_zero(d) + 1)});
  }
  return true;
}

}  // namespace

bool FindXYWing(const Grid& grid, Step& step) {
  for (int pivot = 0; pivot < kCells; ++pivot) {
    const unsigned p = grid.Candidates(pivot);
    if (Count(p) != 2) continue;
    bool found = false;
    kGeo.peers[pivot].ForEach([&](int a) {
      const unsigned ma = grid.Candidates(a);
      if (found || Count(ma) != 2 || Count(ma & p) != 1) return;
      const unsigned z = ma & ~p;
      const unsigned mb_want = (p & ~ma) | z;
      kGeo.peers[pivot].ForEach([&](int b) {
        if (found || b <= a || grid.Candidates(b) != mb_want) return;
        CellSet pincers = CellSet::Of(a);
        pincers.Add(b);
        found = Report(grid, Technique::kXYWing, {pivot, a, b}, pincers, FirstDigit(z), step);
      });
    });
    if (found) return true;
  }
  return false;
}

bool FindXYZWing(const Grid& grid, Step& step) {
  for (int pivot = 0; pivot < kCells; ++pivot) {
    const unsigned p = grid.Candidates(pivot);
    if (Count(p) != 3) continue;
    bool found = false;
    kGeo.peers[pivot].ForEach([&](int a) {
      const unsigned ma = grid.Candidates(a);
      if (found || Count(ma) != 2 || (ma & ~p)) return;
      kGeo.peers[pivot].ForEach([&](int b) {
        const unsigned mb = grid.Candidates(b);
        if (found || b <= a || Count(mb) != 2 || (mb & ~p) || (ma | mb) != p) return;
        CellSet all = CellSet::Of(pivot);
        all.Add(a);
        all.Add(b);
        found = Report(grid, Technique::kXYZWing, {pivot, a, b}, all, FirstDigit(ma & mb), step);
      });
    });
    if (found) return true;
  }
  return false;
}

bool FindWWing(const Grid& grid, Step& step) {
  for (int p = 0; p < kCells; ++p) {
    const unsigned m = grid.Candidates(p);
    if (Count(m) != 2) continue;
    for (int q = p + 1; q < kCells; ++q) {
      if (grid.Candidates(q) != m || Sees(p, q)) continue;
      for (int which = 0; which < 2; ++which) {
        const int x = which ? FirstDigit(m & (m - 1)) : FirstDigit(m);
        const int y = which ? FirstDigit(m) : FirstDigit(m & (m - 1));
        const CellSet xs = grid.DigitCells(x);
        for (int unit = 0; unit < kUnits; ++unit) {
          const CellSet in = xs & kGeo.unit_set[unit];
          if (in.Size() != 2 || in.Has(p) || in.Has(q)) continue;
          const int s = in.First();
          CellSet rest = in;
          rest.Remove(s);
          const int t = rest.First();
          int near_p = -1, near_q = -1;
          if (Sees(s, p) && Sees(t, q)) near_p = s, near_q = t;
          else if (Sees(t, p) && Sees(s, q)) near_p = t, near_q = s;
          if (near_p < 0) continue;
          CellSet ends = CellSet::Of(p);
          ends.Add(q);
          if (Report(grid, Technique::kWWing, {p, near_p, near_q, q}, ends, y, step)) {
            step.units.push_back(static_cast<uint8_t>(unit));
            return true;
          }
        }
      }
    }
  }
  return false;
}

}  // namespace logic
