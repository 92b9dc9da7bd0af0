// Skyscraper, 2-String Kite and Empty Rectangle: short patterns of strong
// links on one digit.
#include <vector>

#include "engine/logic_techniques.h"

namespace logic {

namespace {

struct Link {
  uint8_t a, b;  // the only two places of the digit in the unit
  uint8_t unit;
};

std::vector<Link> StrongLinks(const Grid& grid, int digit, int first_unit, int last_unit) {
  std::vector<Link> links;
  const CellSet cells = grid.DigitCells(digit);
  for (int unit = first_unit; unit < last_unit; ++unit) {
    const CellSet in = cells & kGeo.unit_set[unit];
    if (in.Size() != 2) continue;
    const int a = in.First();
    CellSet rest = in;
    rest.Remove(a);
    links.push_back({static_cast<uint8_t>(a), static_cast<uint8_t>(rest.First()), static_cast<uint8_t>(unit)});
  }
  return links;
}

// Two strong links joined by a weak one between `near1` and `near2`: one
// of the far ends holds the digit, so cells seeing both lose it.
bool ReportPair(const Grid& grid, Technique technique, int digit, int far1, int near1, int near2, int far2,
                uint8_t unit1, uint8_t unit2, Step& step) {
  CellSet ends = CellSet::Of(far1);
  ends.Add(far2);
  CellSet used = ends;
  used.Add(near1);
  used.Add(near2);
  const CellSet targets = (SeenByAll(ends) & grid.DigitCells(digit)) - used;
  if (targets.Empty()) return false;
  step.technique = technique;
  AddEliminations(grid, targets, digit, step);
  for (int c : {far1, near1, near2, far2}) {
    step.cells.push_back(static_cast<uint8_t>(c));
    step.candidates.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(digit)});
  }
  step.units = {unit1, unit2};
  return true;
}

}  // namespace

bool FindSkyscraper(const Grid& grid, Step& step, unsigned digits) {
  for (int digit = 1; digit <= 9; ++digit)
    for (bool columns : {false, true}) {
      if (!(digits & Bit(digit))) break;
      const std::vector<Link> links = StrongLinks(grid, digit, columns ? 9 : 0, columns ? 18 : 9);
      // Position across the line: the column of a row's cell, or the row.
      const auto across = [&](int c) { return columns ? RowOf(c) : ColOf(c); };
      for (size_t i = 0; i < links.size(); ++i)
        for (size_t j = i + 1; j < links.size(); ++j)
          for (int flip1 = 0; flip1 < 2; ++flip1)
            for (int flip2 = 0; flip2 < 2; ++flip2) {
              const int base1 = flip1 ? links[i].b : links[i].a, top1 = flip1 ? links[i].a : links[i].b;
              const int base2 = flip2 ? links[j].b : links[j].a, top2 = flip2 ? links[j].a : links[j].b;
              if (across(base1) != across(base2) || across(top1) == across(top2)) continue;
              if (ReportPair(grid, Technique::kSkyscraper, digit, top1, base1, base2, top2, links[i].unit,
                             links[j].unit, step))
                return true;
            }
    }
  return false;
}

bool FindTwoStringKite(const Grid& grid, Step& step, unsigned digits) {
  for (int digit = 1; digit <= 9; ++digit) {
    if (!(digits & Bit(digit))) continue;
    const std::vector<Link> rows = StrongLinks(grid, digit, 0, 9);
    const std::vector<Link> cols = StrongLinks(grid, digit, 9, 18);
    for (const Link& r : rows)
      for (const Link& c : cols)
        for (int flip1 = 0; flip1 < 2; ++flip1)
          for (int flip2 = 0; flip2 < 2; ++flip2) {
            const int near1 = flip1 ? r.b : r.a, far1 = flip1 ? r.a : r.b;
            const int near2 = flip2 ? c.b : c.a, far2 = flip2 ? c.a : c.b;
            if (near1 == near2 || far1 == far2 || near1 == far2 || far1 == near2) continue;
            if (BoxOfCell(near1) != BoxOfCell(near2) || BoxOfCell(far1) == BoxOfCell(near1) ||
                BoxOfCell(far2) == BoxOfCell(near2))
              continue;
            if (ReportPair(grid, Technique::kTwoStringKite, digit, far1, near1, near2, far2, r.unit, c.unit, step))
              return true;
          }
  }
  return false;
}

bool FindEmptyRectangle(const Grid& grid, Step& step, unsigned digits) {
  for (int digit = 1; digit <= 9; ++digit) {
    if (!(digits & Bit(digit))) continue;
    const CellSet cells = grid.DigitCells(digit);
    const std::vector<Link> links = StrongLinks(grid, digit, 0, 18);
    for (int box = 0; box < 9; ++box) {
      const CellSet in_box = cells & kGeo.unit_set[18 + box];
      if (in_box.Size() < 2) continue;
      const int row0 = (box / 3) * 3, col0 = (box % 3) * 3;
      for (int r = row0; r < row0 + 3; ++r)
        for (int c = col0; c < col0 + 3; ++c) {
          const CellSet row = kGeo.unit_set[r], col = kGeo.unit_set[9 + c];
          if ((in_box - (row | col)) != CellSet{}) continue;
          // All in one line would be locked candidates, not a rectangle.
          if ((in_box - row).Empty() || (in_box - col).Empty()) continue;
          for (const Link& link : links) {
            const bool is_col = link.unit >= 9;
            for (int flip = 0; flip < 2; ++flip) {
              const int x = flip ? link.b : link.a, y = flip ? link.a : link.b;
              int target = -1;
              if (is_col && ColOf(x) / 3 != box % 3 && RowOf(x) == r && RowOf(y) / 3 != box / 3)
                target = RowOf(y) * 9 + c;
              if (!is_col && RowOf(x) / 3 != box / 3 && ColOf(x) == c && ColOf(y) / 3 != box % 3)
                target = r * 9 + ColOf(y);
              if (target < 0 || !grid.Has(target, digit)) continue;
              step.technique = Technique::kEmptyRectangle;
              step.eliminations.push_back({static_cast<uint8_t>(target), static_cast<uint8_t>(digit)});
              AddCells(in_box, step);
              step.cells.push_back(static_cast<uint8_t>(x));
              step.cells.push_back(static_cast<uint8_t>(y));
              AddCandidates(grid, in_box, digit, step);
              step.candidates.push_back({static_cast<uint8_t>(x), static_cast<uint8_t>(digit)});
              step.candidates.push_back({static_cast<uint8_t>(y), static_cast<uint8_t>(digit)});
              step.units = {static_cast<uint8_t>(18 + box), link.unit};
              return true;
            }
          }
        }
    }
  }
  return false;
}

}  // namespace logic
