// The two logical techniques of the solver, on candidate bitmasks.
#include <bit>

#include "engine/packed_board.h"

bool ScanPass(PackedBoard& board, FillCounters& counters) {
  // The masks stand for the pass's tables: nothing changes before the pass
  // places its one digit. A cell qualifies for digit d when both other
  // columns and both other rows of its box hold d and the box does not; the
  // cell's own column and row are not consulted.
  // A digit can only qualify where it stands in two columns of the stack
  // and two rows of the band; most passes find no such box at all.
  unsigned twice_in_stack[3], twice_in_band[3];
  for (int k = 0; k < 3; ++k) {
    const unsigned c0 = board.cols[3 * k], c1 = board.cols[3 * k + 1], c2 = board.cols[3 * k + 2];
    const unsigned r0 = board.rows[3 * k], r1 = board.rows[3 * k + 1], r2 = board.rows[3 * k + 2];
    twice_in_stack[k] = (c0 & c1) | (c0 & c2) | (c1 & c2);
    twice_in_band[k] = (r0 & r1) | (r0 & r2) | (r1 & r2);
  }
  // Per box (stack s, band t at s + 3 t): the digits that may qualify.
  unsigned open[9];
  unsigned any = 0;
  for (int box = 0; box < 9; ++box) {
    open[box] = twice_in_stack[box % 3] & twice_in_band[box / 3] & ~board.boxes[box] & kAllDigits;
    any |= open[box];
  }
  if (!any) return false;

  // Engine order, skipping the stacks and boxes where nothing qualifies.
  for (int stack = 0; stack < 3; ++stack) {
    if (!(open[stack] | open[stack + 3] | open[stack + 6])) continue;
    for (int x = 3 * stack; x < 3 * stack + 3; ++x) {
      const CellGeometry& column = kGeometry[CellIndex(x, 0)];
      const unsigned col_pair = board.cols[column.other_col1] & board.cols[column.other_col2];
      for (int band = 0; band < 3; ++band) {
        const unsigned fits = open[stack + 3 * band] & col_pair;
        if (!fits) continue;
        for (int y = 3 * band; y < 3 * band + 3; ++y) {
          const CellGeometry& g = kGeometry[CellIndex(x, y)];
          const unsigned found = fits & board.rows[g.other_row1] & board.rows[g.other_row2];
          const int i = CellIndex(x, y);
          if (found && !board.cells[i]) {
            board.Place(i, std::countr_zero(found) + 1);
            ++counters.per_scan;
            ++counters.sum;
            return true;
          }
        }
      }
    }
  }
  return false;
}

bool CountFillPortable(PackedBoard& board, FillCounters& counters) {
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

bool CountFill(PackedBoard& board, FillCounters& counters) {
  return WideBoardAvailable() ? CountFillWide(board, counters, false) : CountFillPortable(board, counters);
}

bool CountFillSucceeds(PackedBoard& board, FillCounters& counters) {
  if (WideBoardAvailable()) return CountFillWide(board, counters, !board.repeated);
  // Cell by cell, only a look before the fill is cheap.
  if (!board.repeated && board.HasDeadCell()) return false;
  return CountFillPortable(board, counters);
}
