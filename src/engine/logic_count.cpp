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

  void Run() {
    int best = -1;
    int best_count = 10;
    uint16_t best_mask = 0;
    for (int c = 0; c < 81; ++c) {
      if (cells[c]) continue;
      const uint16_t m = Free(c);
      const int n = Count(m);
      if (n < best_count) {
        best = c;
        best_count = n;
        best_mask = m;
        if (n <= 1) break;
      }
    }
    if (best < 0) {
      if (found++ == 0 && first) *first = cells;
      return;
    }
    for (uint16_t m = best_mask; m && found < limit; m &= m - 1) {
      const int d = std::countr_zero(m) + 1;
      Set(best, d);
      Run();
      Set(best, d);
      cells[best] = 0;
    }
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
