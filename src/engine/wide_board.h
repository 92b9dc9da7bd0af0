// A PackedBoard seen through 512-bit vectors, for the generator's hot
// loops on processors that have them (see WideBoardAvailable).
//
// The 27 unit masks (columns, rows, boxes) of a PackedBoard fit one vector
// of 16-bit lanes. Permuting it by each cell's column, row and box gives
// the candidates of all 81 cells in a few instructions, so questions like
// "the next cell with at most one candidate" cost about as much as looking
// at two cells one by one. Digits are still written by PackedBoard::Place,
// so the vector code shares every rule with the cell-by-cell code.
#pragma once

#include <immintrin.h>

#include <bit>
#include <cstddef>

#include "engine/packed_board.h"

// Everything that runs on the vectors is compiled for these features.
#define GRIDLET_WIDE __attribute__((target("avx512f,avx512bw,avx512vl,avx512bitalg,bmi,bmi2,popcnt")))

namespace wide_board {

static_assert(offsetof(PackedBoard, rows) == offsetof(PackedBoard, cols) + 9 * sizeof(uint16_t));
static_assert(offsetof(PackedBoard, boxes) == offsetof(PackedBoard, rows) + 9 * sizeof(uint16_t));

constexpr int kUnits = 27;     // lanes 0-8 columns, 9-17 rows, 18-26 boxes
constexpr int kZeroLane = 27;  // lanes 27-31 stay 0
constexpr int kBlocks = 3;     // cells 0-31, 32-63, 64-80 (lanes past 80 unused)

struct Tables {
  // Per cell: the lane of its column, its row and its box.
  alignas(64) uint16_t col[kBlocks * 32];
  alignas(64) uint16_t row[kBlocks * 32];
  alignas(64) uint16_t box[kBlocks * 32];
  // The lanes whose AND gives, per unit lane, the digits both other
  // columns (or rows) of the box hold; box lanes keep the box's own mask.
  alignas(64) uint16_t other1[32];
  alignas(64) uint16_t other2[32];
  // Per cell: its three unit lanes as one mask.
  uint32_t units_of[kBoardCells];
  // Per cell: the cells of its column, row and box (itself too), as one
  // lane mask per block.
  uint32_t peers[kBoardCells][kBlocks];
};

constexpr Tables MakeTables() {
  Tables t{};
  for (int i = 0; i < kBlocks * 32; ++i) {
    const bool cell = i < kBoardCells;
    const CellGeometry g = cell ? kGeometry[i] : CellGeometry{};
    t.col[i] = static_cast<uint16_t>(cell ? g.x : kZeroLane);
    t.row[i] = static_cast<uint16_t>(cell ? 9 + g.y : kZeroLane);
    t.box[i] = static_cast<uint16_t>(cell ? 18 + g.box : kZeroLane);
    if (cell) t.units_of[i] = (1u << g.x) | (1u << (9 + g.y)) | (1u << (18 + g.box));
  }
  for (int i = 0; i < kBoardCells; ++i)
    for (int j = 0; j < kBoardCells; ++j) {
      const CellGeometry a = kGeometry[i], b = kGeometry[j];
      if (a.x == b.x || a.y == b.y || a.box == b.box) t.peers[i][j / 32] |= 1u << (j % 32);
    }
  for (int lane = 0; lane < 32; ++lane) {
    uint16_t a = kZeroLane, b = kZeroLane;
    if (lane < 9) {
      a = OtherInBox(lane, 0);
      b = OtherInBox(lane, 1);
    } else if (lane < 18) {
      a = static_cast<uint16_t>(9 + OtherInBox(lane - 9, 0));
      b = static_cast<uint16_t>(9 + OtherInBox(lane - 9, 1));
    } else if (lane < kUnits) {
      a = b = static_cast<uint16_t>(lane);
    }
    t.other1[lane] = a;
    t.other2[lane] = b;
  }
  return t;
}

inline constexpr Tables kTables = MakeTables();

// A set of cells: low holds cells 0-63, high cells 64-80.
struct CellSet {
  uint64_t low, high;

  // The first cell at or after `from`, or -1.
  int FirstFrom(int from) const {
    if (from < 64) {
      const uint64_t rest = low & (~0ull << from);
      if (rest) return std::countr_zero(rest);
      from = 64;
    }
    const uint64_t rest = high & (~0ull << (from - 64));
    return rest ? 64 + std::countr_zero(rest) : -1;
  }

  void Remove(int cell) {
    if (cell < 64) {
      low &= ~(1ull << cell);
    } else {
      high &= ~(1ull << (cell - 64));
    }
  }
};

GRIDLET_WIDE inline __m512i Lanes(const uint16_t* table) { return _mm512_load_si512(table); }

// The vector's unit lanes gathered to the cells of one block.
GRIDLET_WIDE inline __m512i ByColumn(__m512i units, int block) {
  return _mm512_permutexvar_epi16(Lanes(kTables.col + 32 * block), units);
}
GRIDLET_WIDE inline __m512i ByRow(__m512i units, int block) {
  return _mm512_permutexvar_epi16(Lanes(kTables.row + 32 * block), units);
}
GRIDLET_WIDE inline __m512i ByBox(__m512i units, int block) {
  return _mm512_permutexvar_epi16(Lanes(kTables.box + 32 * block), units);
}

GRIDLET_WIDE inline CellSet Joined(const uint64_t (&blocks)[kBlocks]) {
  return CellSet{blocks[0] | blocks[1] << 32, blocks[2]};
}

// A board and the vector of its unit masks, kept in step.
class WideBoard {
 public:
  GRIDLET_WIDE explicit WideBoard(PackedBoard& board)
      : board_(board), units_(_mm512_maskz_loadu_epi16((1u << kUnits) - 1, board.cols)) {
    const __m512i zero = _mm512_setzero_si512();
    const uint64_t tail = (1ull << (kBoardCells - 64)) - 1;
    empty_.low = _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(board.cells), zero);
    empty_.high = _mm512_mask_cmpeq_epi8_mask(tail, _mm512_maskz_loadu_epi8(tail, board.cells + 64), zero);
  }

  PackedBoard& board() { return board_; }

  // Writes a digit into an empty cell.
  GRIDLET_WIDE void Place(int cell, int digit) {
    board_.Place(cell, digit);
    units_ = _mm512_or_si512(
        units_, _mm512_maskz_set1_epi16(kTables.units_of[cell], static_cast<short>(DigitBit(digit))));
    empty_.Remove(cell);
  }

  // Empty cells with at most one candidate: the cells the count technique
  // acts on (a digit, or a dead end). `dead` tells whether any of them has
  // none.
  GRIDLET_WIDE CellSet CountCells(bool& dead) const {
    uint64_t found[kBlocks], none[kBlocks];
    for (int block = 0; block < kBlocks; ++block) {
      const __m512i candidates = Candidates(block);
      const __m512i rest = _mm512_and_si512(candidates, _mm512_sub_epi16(candidates, _mm512_set1_epi16(1)));
      found[block] = _mm512_testn_epi16_mask(rest, rest);
      none[block] = _mm512_testn_epi16_mask(candidates, candidates);
    }
    const CellSet dead_cells = Only(Joined(none));
    dead = (dead_cells.low | dead_cells.high) != 0;
    return Only(Joined(found));
  }

  // Empty cells that the scan technique would fill with some digit: the
  // box lacks it and both other columns and both other rows of the box
  // hold it.
  GRIDLET_WIDE CellSet ScanCells() const {
    const __m512i pairs = _mm512_and_si512(_mm512_permutexvar_epi16(Lanes(kTables.other1), units_),
                                           _mm512_permutexvar_epi16(Lanes(kTables.other2), units_));
    const __m512i all = _mm512_set1_epi16(static_cast<short>(kAllDigits));
    uint64_t found[kBlocks];
    for (int block = 0; block < kBlocks; ++block) {
      // column pair & row pair & ~box
      const __m512i fits =
          _mm512_ternarylogic_epi32(ByColumn(pairs, block), ByRow(pairs, block), ByBox(pairs, block), 0x40);
      found[block] = _mm512_test_epi16_mask(fits, all);
    }
    return Only(Joined(found));
  }

 private:
  // all & ~(column | row | box), per cell of the block.
  GRIDLET_WIDE __m512i Candidates(int block) const {
    return _mm512_ternarylogic_epi32(_mm512_set1_epi16(static_cast<short>(kAllDigits)),
                                     _mm512_or_si512(ByColumn(units_, block), ByRow(units_, block)),
                                     ByBox(units_, block), 0x10);
  }

  CellSet Only(CellSet cells) const { return CellSet{cells.low & empty_.low, cells.high & empty_.high}; }

  PackedBoard& board_;
  __m512i units_;
  CellSet empty_;  // kept in step with board_.cells
};

}  // namespace wide_board
