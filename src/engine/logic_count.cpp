#include "engine/logic_count.h"

#include <bit>

#include "engine/logic_grid.h"

namespace logic {

namespace {

struct Counter {
  std::array<uint8_t, 81> cells{};
  uint16_t rows[9]{}, cols[9]{}, boxes[9]{};
  int limit = 2;
  int found = 0;
  std::array<uint8_t, 81>* first = nullptr;

  uint16_t Free(int c) const {
    return static_cast<uint16_t>(~(rows[RowOf(c)] | cols[ColOf(c)] | boxes[BoxOfCell(c)]) & kAll);
  }
  void Set(int c, int d) {
    cells[c] = static_cast<uint8_t>(d);
    rows[RowOf(c)] ^= Bit(d);
    cols[ColOf(c)] ^= Bit(d);
    boxes[BoxOfCell(c)] ^= Bit(d);
  }

  uint16_t Placed(int unit) const { return unit < 9 ? rows[unit] : unit < 18 ? cols[unit - 9] : boxes[unit - 18]; }

  void Branch(int c, uint16_t digits) {
    for (uint16_t m = digits; m && found < limit; m &= m - 1) {
      const int d = std::countr_zero(m) + 1;
      Set(c, d);
      Run();
      Set(c, d);
      cells[c] = 0;
    }
  }

  void Run() {
    std::array<uint16_t, 81> free{};
    int best = -1;
    int best_count = 10;
    for (int c = 0; c < 81; ++c) {
      if (cells[c]) continue;
      free[c] = Free(c);
      const int n = Count(free[c]);
      if (n == 0) return;
      if (n < best_count) {
        best = c;
        best_count = n;
      }
    }
    if (best < 0) {
      if (found++ == 0 && first) *first = cells;
      return;
    }
    if (best_count > 1) {
      // A digit with no place left in a unit ends this branch; a digit with
      // one place must go there, which is a single branch to follow.
      for (int unit = 0; unit < kUnits; ++unit) {
        unsigned once = 0, twice = 0;
        for (uint8_t c : kGeo.unit_cells[unit]) {
          twice |= once & free[c];
          once |= free[c];
        }
        if ((once | Placed(unit)) != kAll) return;
        const unsigned single = once & ~twice;
        if (!single) continue;
        const uint16_t digit = static_cast<uint16_t>(single & (~single + 1));
        for (uint8_t c : kGeo.unit_cells[unit])
          if (free[c] & digit) return Branch(c, digit);
      }
    }
    Branch(best, free[best]);
  }
};

}  // namespace

int CountSolutions(const std::array<uint8_t, 81>& values, int limit, std::array<uint8_t, 81>* first) {
  Counter counter;
  counter.limit = limit;
  counter.first = first;
  for (int c = 0; c < 81; ++c) {
    const int d = values[c];
    if (!d) continue;
    if (d > 9 || !(counter.Free(c) & Bit(d))) return 0;
    counter.Set(c, d);
  }
  counter.Run();
  return counter.found;
}

}  // namespace logic
