// ALS-XZ: two almost locked sets (n cells, n + 1 digits) joined by a
// restricted common digit x; a second common digit z must then sit in one
// of them, so a cell seeing all their z places loses z.
#include <functional>
#include <unordered_set>
#include <vector>

#include "engine/logic_techniques.h"

namespace logic {

namespace {

constexpr int kMaxAlsCells = 5;

struct Als {
  CellSet cells;
  uint16_t digits;
  uint8_t unit;
  CellSet places[9];  // per digit
  CellSet seen[9];    // per digit: the cells seeing all its places
};

struct CellSetHash {
  size_t operator()(const CellSet& s) const { return std::hash<uint64_t>()(s.lo * 0x9E3779B97F4A7C15ull ^ s.hi); }
};

void Collect(const Grid& grid, std::vector<Als>& found) {
  std::unordered_set<CellSet, CellSetHash> known;
  for (int unit = 0; unit < kUnits; ++unit) {
    uint8_t cells[9];
    int n = 0;
    for (uint8_t c : kGeo.unit_cells[unit])
      if (!grid.Value(c)) cells[n++] = c;
    for (unsigned pick = 1; pick < (1u << n); ++pick) {
      const int size = Count(pick);
      if (size > kMaxAlsCells || size >= n) continue;
      unsigned digits = 0;
      CellSet set;
      for (int i = 0; i < n; ++i)
        if (pick & (1u << i)) {
          digits |= grid.Candidates(cells[i]);
          set.Add(cells[i]);
        }
      if (Count(digits) != size + 1) continue;
      // A set inside a box and a line is met twice; the first unit keeps it.
      if (!known.insert(set).second) continue;
      Als als{set, static_cast<uint16_t>(digits), static_cast<uint8_t>(unit), {}, {}};
      for (unsigned d = digits; d; d &= d - 1) {
        const int i = std::countr_zero(d);
        als.places[i] = set & grid.DigitCells(i + 1);
        als.seen[i] = SeenByAll(als.places[i]);
      }
      found.push_back(als);
    }
  }
}

}  // namespace

bool FindAlsXz(const Grid& grid, Step& step) {
  std::vector<Als> sets;
  Collect(grid, sets);
  for (size_t i = 0; i < sets.size(); ++i)
    for (size_t j = i + 1; j < sets.size(); ++j) {
      const Als& a = sets[i];
      const Als& b = sets[j];
      const unsigned common = a.digits & b.digits;
      if (Count(common) < 2 || !(a.cells & b.cells).Empty()) continue;
      for (unsigned xs = common; xs; xs &= xs - 1) {
        const int x = std::countr_zero(xs);
        // Restricted: every x of one set sees every x of the other.
        if (!(b.places[x] - a.seen[x]).Empty()) continue;
        for (unsigned zs = common & ~(1u << x); zs; zs &= zs - 1) {
          const int z = std::countr_zero(zs);
          // Seeing every z of both sets is seeing all of each.
          const CellSet targets = (a.seen[z] & b.seen[z]) - a.cells - b.cells;
          if ((targets & grid.DigitCells(z + 1)).Empty()) continue;
          AddEliminations(grid, targets, z + 1, step);
          if (step.eliminations.empty()) continue;
          step.technique = Technique::kAlsXz;
          AddCells(a.cells | b.cells, step);
          step.units = {a.unit, b.unit};
          for (const Als* s : {&a, &b})
            s->cells.ForEach([&](int c) {
              for (unsigned d = grid.Candidates(c); d; d &= d - 1)
                step.candidates.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(std::countr_zero(d) + 1)});
            });
          return true;
        }
      }
    }
  return false;
}

}  // namespace logic
