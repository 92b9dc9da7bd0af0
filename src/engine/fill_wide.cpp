// The logical fill on all 81 cells at once (see wide_board.h); the same
// visiting order and results as CountFillPortable.
#include "engine/engine_path.h"
#include "engine/packed_board.h"

#if GRIDLET_HAVE_WIDE
#include "engine/wide_board.h"

using wide_board::CellSet;
using wide_board::WideBoard;

bool WideBoardAvailable() {
  static const bool available = ActiveEnginePath() == EnginePath::kAvx512Bitalg;
  return available;
}

GRIDLET_WIDE bool CountFillWide(PackedBoard& packed, FillCounters& counters, bool stop_at_dead) {
  WideBoard board(packed);
  for (;;) {
    bool changed = false;
    // The count technique visits the cells in engine order; the next cell
    // it acts on is the first one at or after `from` with at most one
    // candidate on the board as it stands.
    for (int from = 0;;) {
      bool dead = false;
      const int cell = board.CountCells(dead).FirstFrom(from);
      if (dead && stop_at_dead) return false;
      if (cell < 0) break;
      const unsigned candidates = packed.Candidates(cell);
      if (candidates == 0) return false;
      board.Place(cell, std::countr_zero(candidates) + 1);
      ++counters.per_count;
      ++counters.sum;
      changed = true;
      from = cell + 1;

      // One scan pass after every digit the count technique found.
      const int scan_cell = board.ScanCells().FirstFrom(0);
      if (scan_cell >= 0) {
        const CellGeometry& g = kGeometry[scan_cell];
        const unsigned fits = packed.cols[g.other_col1] & packed.cols[g.other_col2] & packed.rows[g.other_row1] &
                              packed.rows[g.other_row2] & ~packed.boxes[g.box] & kAllDigits;
        board.Place(scan_cell, std::countr_zero(fits) + 1);
        ++counters.per_scan;
        ++counters.sum;
      }
    }
    if (!changed) return true;
  }
}

#else

bool WideBoardAvailable() { return false; }

// Never called where WideBoardAvailable() is false; kept so callers link.
bool CountFillWide(PackedBoard& packed, FillCounters& counters, bool) { return CountFillPortable(packed, counters); }

#endif
