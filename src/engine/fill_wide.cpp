// The logical fill with all 81 cells at once, for processors with 512-bit
// vectors of 16-bit lanes.
//
// The 27 unit masks (columns, rows, boxes) of a PackedBoard fit one vector.
// Permuting it by each cell's column, row and box gives every cell's
// candidates in a few instructions, so finding the next cell that the
// count technique acts on, or the first cell the scan technique fills,
// costs about as much as looking at two cells one by one. The board itself
// is still changed by PackedBoard::Place, so both fills share every rule.
#include <immintrin.h>

#include <bit>
#include <cstddef>

#include "engine/packed_board.h"

namespace {

static_assert(offsetof(PackedBoard, rows) == offsetof(PackedBoard, cols) + 9 * sizeof(uint16_t));
static_assert(offsetof(PackedBoard, boxes) == offsetof(PackedBoard, rows) + 9 * sizeof(uint16_t));

constexpr int kUnits = 27;    // lanes 0-8 columns, 9-17 rows, 18-26 boxes
constexpr int kZeroLane = 27; // lanes 27-31 stay 0
constexpr int kBlocks = 3;    // cells 0-31, 32-63, 64-80 (lanes past 80 unused)

struct WideTables {
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
};

constexpr WideTables MakeWideTables() {
  WideTables t{};
  for (int i = 0; i < kBlocks * 32; ++i) {
    const bool cell = i < kBoardCells;
    const CellGeometry g = cell ? kGeometry[i] : CellGeometry{};
    t.col[i] = static_cast<uint16_t>(cell ? g.x : kZeroLane);
    t.row[i] = static_cast<uint16_t>(cell ? 9 + g.y : kZeroLane);
    t.box[i] = static_cast<uint16_t>(cell ? 18 + g.box : kZeroLane);
    if (cell) t.units_of[i] = (1u << g.x) | (1u << (9 + g.y)) | (1u << (18 + g.box));
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

constexpr WideTables kWide = MakeWideTables();

// The first cell at or after `from` in an 81-bit set (low: cells 0-63,
// high: cells 64-80), or -1.
inline int FirstFrom(uint64_t low, uint64_t high, int from) {
  if (from < 64) {
    low &= ~0ull << from;
    if (low) return std::countr_zero(low);
    from = 64;
  }
  high &= ~0ull << (from - 64);
  return high ? 64 + std::countr_zero(high) : -1;
}

#define GRIDLET_WIDE __attribute__((target("avx512f,avx512bw,avx512vl,bmi,bmi2,popcnt")))

GRIDLET_WIDE inline __m512i Lanes(const uint16_t* table) { return _mm512_load_si512(table); }

GRIDLET_WIDE inline __m512i LoadUnits(const PackedBoard& board) {
  return _mm512_maskz_loadu_epi16((1u << kUnits) - 1, board.cols);
}

// The vector's units gathered to the cells of one block.
GRIDLET_WIDE inline __m512i ByColumn(__m512i units, int block) {
  return _mm512_permutexvar_epi16(Lanes(kWide.col + 32 * block), units);
}
GRIDLET_WIDE inline __m512i ByRow(__m512i units, int block) {
  return _mm512_permutexvar_epi16(Lanes(kWide.row + 32 * block), units);
}
GRIDLET_WIDE inline __m512i ByBox(__m512i units, int block) {
  return _mm512_permutexvar_epi16(Lanes(kWide.box + 32 * block), units);
}

struct CellSet {
  uint64_t low, high;
};

// Empty cells with at most one candidate: the cells the count technique
// acts on (a digit, or a dead end).
GRIDLET_WIDE inline CellSet CountCells(__m512i units, CellSet empty) {
  const __m512i all = _mm512_set1_epi16(static_cast<short>(kAllDigits));
  const __m512i one = _mm512_set1_epi16(1);
  uint64_t found[kBlocks];
  for (int block = 0; block < kBlocks; ++block) {
    // all & ~(column | row | box)
    const __m512i candidates = _mm512_ternarylogic_epi32(
        all, _mm512_or_si512(ByColumn(units, block), ByRow(units, block)), ByBox(units, block), 0x10);
    const __m512i rest = _mm512_and_si512(candidates, _mm512_sub_epi16(candidates, one));
    found[block] = _mm512_testn_epi16_mask(rest, rest);
  }
  return CellSet{(found[0] | found[1] << 32) & empty.low, found[2] & empty.high};
}

// Empty cells that the scan technique would fill with some digit: the box
// lacks it and both other columns and both other rows of the box hold it.
GRIDLET_WIDE inline CellSet ScanCells(__m512i units, CellSet empty) {
  const __m512i pairs = _mm512_and_si512(_mm512_permutexvar_epi16(Lanes(kWide.other1), units),
                                         _mm512_permutexvar_epi16(Lanes(kWide.other2), units));
  const __m512i all = _mm512_set1_epi16(static_cast<short>(kAllDigits));
  uint64_t found[kBlocks];
  for (int block = 0; block < kBlocks; ++block) {
    // a & b & ~c
    const __m512i fits =
        _mm512_ternarylogic_epi32(ByColumn(pairs, block), ByRow(pairs, block), ByBox(pairs, block), 0x40);
    found[block] = _mm512_test_epi16_mask(fits, all);
  }
  return CellSet{(found[0] | found[1] << 32) & empty.low, found[2] & empty.high};
}

// Writes a digit into the board and into the vector of its units.
GRIDLET_WIDE inline void Place(PackedBoard& board, __m512i& units, CellSet& empty, int cell, int digit) {
  board.Place(cell, digit);
  units = _mm512_or_si512(units, _mm512_maskz_set1_epi16(kWide.units_of[cell], static_cast<short>(DigitBit(digit))));
  if (cell < 64) {
    empty.low &= ~(1ull << cell);
  } else {
    empty.high &= ~(1ull << (cell - 64));
  }
}

}  // namespace

bool WideFillAvailable() {
  static const bool available = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                                __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("bmi2");
  return available;
}

GRIDLET_WIDE bool CountFillWide(PackedBoard& board, FillCounters& counters) {
  const __m512i zero = _mm512_setzero_si512();
  CellSet empty{_mm512_cmpeq_epi8_mask(_mm512_loadu_si512(board.cells), zero),
                _mm512_mask_cmpeq_epi8_mask((1ull << (kBoardCells - 64)) - 1,
                                            _mm512_maskz_loadu_epi8((1ull << (kBoardCells - 64)) - 1, board.cells + 64),
                                            zero)};
  __m512i units = LoadUnits(board);

  for (;;) {
    bool changed = false;
    for (int from = 0;;) {
      const CellSet acts = CountCells(units, empty);
      const int cell = FirstFrom(acts.low, acts.high, from);
      if (cell < 0) break;
      const unsigned candidates = board.Candidates(cell);
      if (candidates == 0) return false;
      Place(board, units, empty, cell, std::countr_zero(candidates) + 1);
      ++counters.per_count;
      ++counters.sum;
      changed = true;
      from = cell + 1;

      // One scan pass after every digit the count technique found.
      const CellSet fills = ScanCells(units, empty);
      const int scan_cell = FirstFrom(fills.low, fills.high, 0);
      if (scan_cell >= 0) {
        const CellGeometry& g = kGeometry[scan_cell];
        const unsigned fits = board.cols[g.other_col1] & board.cols[g.other_col2] & board.rows[g.other_row1] &
                              board.rows[g.other_row2] & ~board.boxes[g.box] & kAllDigits;
        Place(board, units, empty, scan_cell, std::countr_zero(fits) + 1);
        ++counters.per_scan;
        ++counters.sum;
      }
    }
    if (!changed) return true;
  }
}
