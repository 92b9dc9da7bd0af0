// A board with candidate bitmasks, the value the solver works on.
//
// Each column, row and box keeps the set of digits it holds, so a cell's
// candidates are three ORs away. It is a plain value of under 200 bytes:
// a search step copies it on the stack instead of building a new engine.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "engine/board.h"

struct CellGeometry {
  uint8_t x, y, box;
  // The two other columns and rows of the cell's box, for the scan technique.
  uint8_t other_col1, other_col2, other_row1, other_row2;
};

constexpr uint8_t OtherInBox(int v, int which) {
  switch (v % 3) {
    case 0: return static_cast<uint8_t>(which == 0 ? v + 1 : v + 2);
    case 1: return static_cast<uint8_t>(which == 0 ? v - 1 : v + 1);
    default: return static_cast<uint8_t>(which == 0 ? v - 1 : v - 2);
  }
}

constexpr std::array<CellGeometry, kBoardCells> MakeGeometry() {
  std::array<CellGeometry, kBoardCells> cells{};
  for (int x = 0; x < 9; ++x) {
    for (int y = 0; y < 9; ++y) {
      cells[CellIndex(x, y)] = CellGeometry{
          static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(BoxOf(x, y)),
          OtherInBox(x, 0), OtherInBox(x, 1), OtherInBox(y, 0), OtherInBox(y, 1)};
    }
  }
  return cells;
}

inline constexpr std::array<CellGeometry, kBoardCells> kGeometry = MakeGeometry();

struct PackedBoard {
  uint8_t cells[kBoardCells];
  uint16_t cols[9], rows[9], boxes[9];
  int filled;
  // Some digit occurs twice in a column, row or box. The scan technique can
  // cause that on contradictory boards; such a board is never solved.
  bool repeated;

  void Clear() { std::memset(this, 0, sizeof(*this)); }

  void Load(const Board& board) {
    Clear();
    for (int i = 0; i < kBoardCells; ++i) {
      const int digit = board[i / 9][i % 9];
      if (digit >= 1 && digit <= 9) Place(i, digit);
    }
  }

  void Store(Board& board) const {
    for (int i = 0; i < kBoardCells; ++i) board[i / 9][i % 9] = cells[i];
  }

  uint16_t Used(int i) const {
    const CellGeometry& g = kGeometry[i];
    return static_cast<uint16_t>(cols[g.x] | rows[g.y] | boxes[g.box]);
  }

  // Possibilities: 0 for a filled cell or a cell that no digit fits.
  uint16_t Candidates(int i) const {
    if (cells[i]) return 0;
    return static_cast<uint16_t>(~Used(i) & kAllDigits);
  }

  // Writes a digit into an empty cell.
  void Place(int i, int digit) {
    const CellGeometry& g = kGeometry[i];
    const uint16_t bit = DigitBit(digit);
    if ((cols[g.x] | rows[g.y] | boxes[g.box]) & bit) repeated = true;
    cells[i] = static_cast<uint8_t>(digit);
    cols[g.x] |= bit;
    rows[g.y] |= bit;
    boxes[g.box] |= bit;
    ++filled;
  }

  // Empties a filled cell.
  void Remove(int i) {
    const int digit = cells[i];
    cells[i] = 0;
    --filled;
    if (repeated) {
      Rebuild();
      return;
    }
    // Without repetitions this cell held the only copy in its units.
    const CellGeometry& g = kGeometry[i];
    const uint16_t bit = DigitBit(digit);
    cols[g.x] &= static_cast<uint16_t>(~bit);
    rows[g.y] &= static_cast<uint16_t>(~bit);
    boxes[g.box] &= static_cast<uint16_t>(~bit);
  }

  bool Solved() const { return filled == kBoardCells && !repeated; }

  // Some empty cell has no candidate.
  bool HasDeadCell() const {
    for (int i = 0; i < kBoardCells; ++i)
      if (!cells[i] && !(~Used(i) & kAllDigits)) return true;
    return false;
  }

 private:
  void Rebuild() {
    uint8_t copy[kBoardCells];
    std::memcpy(copy, cells, sizeof(copy));
    Clear();
    for (int i = 0; i < kBoardCells; ++i)
      if (copy[i]) Place(i, copy[i]);
  }
};

struct FillCounters {
  int sum = 0;
  int per_scan = 0;
  int per_count = 0;
};

// One pass of the scan technique; true when it placed a digit.
bool ScanPass(PackedBoard& board, FillCounters& counters);
// The count technique with a scan after each digit it finds; false when it
// met an empty cell without candidates.
bool CountFill(PackedBoard& board, FillCounters& counters);
// The same result, for callers that drop the board and the counters when it
// is false: on a board without repeated digits it may stop at the first
// dead cell (empty, no candidate), because the fill fails once there is
// one. The count technique writes only a cell's one candidate, and the scan
// technique neither repeats a digit nor fills a dead cell on such a board:
// the digit it writes is missing from the box while both other columns and
// both other rows of the box hold it, so in the cell's own column (or row)
// it would stand a third time in the two other boxes of the stack (or
// band). Every digit stands in a dead cell's column, row or box, so the
// cell stays empty, and every pass of the count technique visits it.
bool CountFillSucceeds(PackedBoard& board, FillCounters& counters);
// CountFill cell by cell on any processor, and on all cells at once with
// 512-bit vectors where WideBoardAvailable() (the avx512-bitalg engine
// path, see engine_path.h); the wide one stops at the
// first dead cell when asked, as CountFillSucceeds may.
bool CountFillPortable(PackedBoard& board, FillCounters& counters);
bool CountFillWide(PackedBoard& board, FillCounters& counters, bool stop_at_dead);
bool WideBoardAvailable();

// The vector paths use GCC's x86-64 vector extensions; other compilers and
// processors build the cell-by-cell paths only (same results, slower).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define GRIDLET_HAVE_WIDE 1
#else
#define GRIDLET_HAVE_WIDE 0
#endif
