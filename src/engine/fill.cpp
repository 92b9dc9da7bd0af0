// The two logical techniques of the solver, on candidate bitmasks.
#include <bit>

#include "engine/packed_board.h"

bool ScanPass(PackedBoard& board, FillCounters& counters) {
  // The masks stand for the pass's tables: nothing changes before the pass
  // places its one digit. The cell's own column and row are not consulted.
  for (int i = 0; i < kBoardCells; ++i) {
    if (board.cells[i]) continue;
    const CellGeometry& g = kGeometry[i];
    const unsigned found = board.cols[g.other_col1] & board.cols[g.other_col2] & board.rows[g.other_row1] &
                           board.rows[g.other_row2] & ~board.boxes[g.box] & kAllDigits;
    if (found) {
      board.Place(i, std::countr_zero(found) + 1);
      ++counters.per_scan;
      ++counters.sum;
      return true;
    }
  }
  return false;
}

bool CountFill(PackedBoard& board, FillCounters& counters) {
  // The empty cells in engine order; cells filled meanwhile drop out.
  uint8_t empty[kBoardCells];
  int count = 0;
  for (int i = 0; i < kBoardCells; ++i)
    if (!board.cells[i]) empty[count++] = static_cast<uint8_t>(i);

  for (;;) {
    bool changed = false;
    int kept = 0;
    for (int k = 0; k < count; ++k) {
      const int i = empty[k];
      if (board.cells[i]) continue;
      const unsigned candidates = ~board.Used(i) & kAllDigits;
      if (candidates == 0) return false;
      if (candidates & (candidates - 1)) {
        empty[kept++] = static_cast<uint8_t>(i);
        continue;
      }
      board.Place(i, std::countr_zero(candidates) + 1);
      ++counters.per_count;
      ++counters.sum;
      ScanPass(board, counters);
      changed = true;
    }
    count = kept;
    if (!changed) return true;
  }
}
