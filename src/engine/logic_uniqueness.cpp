// Unique rectangles (types 1 to 4) and BUG+1. Both rely on the puzzle
// having exactly one solution, as every puzzle the game deals has.
#include "engine/logic_techniques.h"

namespace logic {

namespace {

constexpr Technique kTypes[5] = {Technique::kUniqueRectangle1, Technique::kUniqueRectangle1,
                                 Technique::kUniqueRectangle2, Technique::kUniqueRectangle3,
                                 Technique::kUniqueRectangle4};

void Describe(const Grid& grid, const int (&corners)[4], unsigned pair, Step& step) {
  for (int c : corners) {
    step.cells.push_back(static_cast<uint8_t>(c));
    for (unsigned d = grid.Candidates(c) & pair; d; d &= d - 1)
      step.candidates.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(std::countr_zero(d) + 1)});
  }
}

// Units both roof cells share.
int SharedUnits(int a, int b, int (&units)[2]) {
  int n = 0;
  if (RowOf(a) == RowOf(b)) units[n++] = RowOf(a);
  if (ColOf(a) == ColOf(b)) units[n++] = 9 + ColOf(a);
  if (BoxOfCell(a) == BoxOfCell(b)) units[n++] = 18 + BoxOfCell(a);
  return n;
}

// Type 3: the roofs' extra digits act as one cell; with k more cells of a
// shared unit they form a naked subset.
bool Type3(const Grid& grid, int roof1, int roof2, unsigned extra, Step& step) {
  int units[2];
  const int n = SharedUnits(roof1, roof2, units);
  for (int u = 0; u < n; ++u) {
    const int unit = units[u];
    uint8_t others[9];
    int count = 0;
    for (uint8_t c : kGeo.unit_cells[unit])
      if (!grid.Value(c) && c != roof1 && c != roof2) others[count++] = c;
    for (unsigned pick = 1; pick < (1u << count); ++pick) {
      const int k = Count(pick);
      if (k > 3) continue;
      unsigned digits = extra;
      for (int i = 0; i < count; ++i)
        if (pick & (1u << i)) digits |= grid.Candidates(others[i]);
      if (Count(digits) != k + 1) continue;
      for (int i = 0; i < count; ++i) {
        if (pick & (1u << i)) continue;
        for (unsigned d = grid.Candidates(others[i]) & digits; d; d &= d - 1)
          step.eliminations.push_back({others[i], static_cast<uint8_t>(std::countr_zero(d) + 1)});
      }
      if (step.eliminations.empty()) continue;
      for (int i = 0; i < count; ++i)
        if (pick & (1u << i)) step.cells.push_back(others[i]);
      step.units.push_back(static_cast<uint8_t>(unit));
      return true;
    }
  }
  return false;
}

bool TryRectangle(const Grid& grid, int type, const int (&corners)[4], unsigned pair, Step& step) {
  int floors[4], roofs[4];
  int nf = 0, nr = 0;
  for (int c : corners) (grid.Candidates(c) == pair ? floors[nf++] : roofs[nr++]) = c;
  if (type == 1) {
    if (nf != 3) return false;
    for (unsigned d = pair; d; d &= d - 1)
      step.eliminations.push_back({static_cast<uint8_t>(roofs[0]), static_cast<uint8_t>(std::countr_zero(d) + 1)});
    return true;
  }
  if (nf != 2) return false;
  const int r1 = roofs[0], r2 = roofs[1];
  // Roofs on a diagonal share no unit and prove nothing here.
  if (RowOf(r1) != RowOf(r2) && ColOf(r1) != ColOf(r2)) return false;
  const unsigned extra1 = grid.Candidates(r1) & ~pair, extra2 = grid.Candidates(r2) & ~pair;
  if (type == 2) {
    if (extra1 != extra2 || Count(extra1) != 1) return false;
    CellSet roofs_set = CellSet::Of(r1);
    roofs_set.Add(r2);
    AddEliminations(grid, SeenByAll(roofs_set), FirstDigit(extra1), step);
    return !step.eliminations.empty();
  }
  if (type == 3) return Type3(grid, r1, r2, extra1 | extra2, step);
  // Type 4: one of the pair is locked into the roofs in a shared unit, so
  // the other would complete the rectangle.
  int units[2];
  const int n = SharedUnits(r1, r2, units);
  for (unsigned d = pair; d; d &= d - 1) {
    const int locked = std::countr_zero(d) + 1;
    const int other = FirstDigit(pair & ~Bit(locked));
    for (int u = 0; u < n; ++u) {
      if ((grid.DigitCells(locked) & kGeo.unit_set[units[u]]).Size() != 2) continue;
      step.eliminations.push_back({static_cast<uint8_t>(r1), static_cast<uint8_t>(other)});
      step.eliminations.push_back({static_cast<uint8_t>(r2), static_cast<uint8_t>(other)});
      step.units.push_back(static_cast<uint8_t>(units[u]));
      return true;
    }
  }
  return false;
}

}  // namespace

bool FindUniqueRectangle(const Grid& grid, int type, Step& step) {
  // Type 1 needs three corners holding just the pair, the others two.
  const int floors = type == 1 ? 3 : 2;
  for (int r1 = 0; r1 < 9; ++r1)
    for (int r2 = r1 + 1; r2 < 9; ++r2) {
      int pairs[9];  // per column: how many of its two corners hold two digits
      for (int c = 0; c < 9; ++c)
        pairs[c] = (Count(grid.Candidates(r1 * 9 + c)) == 2) + (Count(grid.Candidates(r2 * 9 + c)) == 2);
      for (int c1 = 0; c1 < 9; ++c1)
        for (int c2 = c1 + 1; c2 < 9; ++c2) {
          // Exactly two boxes: one band or one stack, not both.
          if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;
          if (pairs[c1] + pairs[c2] < floors) continue;
          const int corners[4] = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
          unsigned common = kAll;
          for (int c : corners) common &= grid.Candidates(c);
          if (Count(common) < 2) continue;
          for (unsigned a = common; a; a &= a - 1)
            for (unsigned b = a & (a - 1); b; b &= b - 1) {
              const unsigned pair = (a & -a) | (b & -b);
              Step trial;
              if (!TryRectangle(grid, type, corners, pair, trial)) continue;
              trial.technique = kTypes[type];
              Describe(grid, corners, kAll, trial);
              step = std::move(trial);
              return true;
            }
        }
    }
  return false;
}

bool FindBugPlusOne(const Grid& grid, Step& step) {
  int odd = -1;
  for (int c = 0; c < kCells; ++c) {
    if (grid.Value(c)) continue;
    const int n = Count(grid.Candidates(c));
    if (n == 2) continue;
    if (n != 3 || odd >= 0) return false;
    odd = c;
  }
  if (odd < 0) return false;
  // The digit seen three times in the odd cell's units is the one that
  // keeps the board from a deadly pattern of pairs.
  for (unsigned d = grid.Candidates(odd); d; d &= d - 1) {
    const int digit = std::countr_zero(d) + 1;
    bool three = true;
    for (int unit : {RowOf(odd), 9 + ColOf(odd), 18 + BoxOfCell(odd)})
      three = three && (grid.DigitCells(digit) & kGeo.unit_set[unit]).Size() == 3;
    if (!three) continue;
    // Everywhere else every digit must appear twice or not at all.
    bool pattern = true;
    for (int unit = 0; unit < kUnits && pattern; ++unit)
      for (int e = 1; e <= 9 && pattern; ++e) {
        CellSet in = grid.DigitCells(e) & kGeo.unit_set[unit];
        if (e == digit) in.Remove(odd);
        pattern = in.Size() == 0 || in.Size() == 2;
      }
    if (!pattern) return false;
    step.technique = Technique::kBugPlusOne;
    step.placements.push_back({static_cast<uint8_t>(odd), static_cast<uint8_t>(digit)});
    step.cells.push_back(static_cast<uint8_t>(odd));
    for (unsigned e = grid.Candidates(odd); e; e &= e - 1)
      step.candidates.push_back({static_cast<uint8_t>(odd), static_cast<uint8_t>(std::countr_zero(e) + 1)});
    return true;
  }
  return false;
}

}  // namespace logic
