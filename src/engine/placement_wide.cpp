// Placing the digits of several attempts side by side.
//
// Most draws are refused (a cell that is taken or dead, a digit that does
// not fit), and a refusal one draw at a time is a branch the processor
// cannot guess. Here each attempt keeps the candidates of all its cells in
// a table, tests two cells (four draws) or sixteen digit draws at once,
// and stops at the first hit, where the one-by-one loop would have stopped.
// The work of one digit is a chain of dependent steps; the attempts are
// independent, so running several side by side keeps the processor busy.
#include <cstring>

#include "engine/fresh_draws.h"
#include "engine/placement.h"

#if GRIDLET_HAVE_WIDE
#include "engine/wide_board.h"

namespace {

using wide_board::kBlocks;
using wide_board::kTables;

constexpr int kCellWindow = 4;    // draws: two (x, y) pairs
constexpr int kDigitWindow = 16;  // draws

struct Lane {
  // Candidates of every cell; 0 for a filled one.
  alignas(64) uint16_t candidates[kBlocks * 32];
  // The board's unit masks (see wide_board.h), written to it at the end.
  __m512i units;
  const uint8_t* next;
  const uint8_t* end;
  int placed;
  bool active;
};

// Places one digit, or stops the lane before it when its fast draws run
// out. Windows read past the last fast draw, but use only fast draws.
GRIDLET_WIDE [[gnu::always_inline]] inline void PlaceOne(Lane& lane, PackedBoard& board) {
  const uint8_t* next = lane.next;
  int cell = 0;
  for (;;) {
    const auto left = lane.end - next;
    if (left < 2) {
      lane.active = false;
      return;
    }
    uint32_t window;
    std::memcpy(&window, next, sizeof(window));
    // 9 x + y of each pair in one 16-bit lane.
    const uint32_t cells = (window & 0x00ff00ffu) * 9 + ((window >> 8) & 0x00ff00ffu);
    const bool both = left >= kCellWindow;
    const unsigned open =
        (lane.candidates[cells & 0xff] != 0) | (both && lane.candidates[cells >> 16] != 0) << 1;
    if (open) {
      const int pair = std::countr_zero(open);
      cell = static_cast<int>((cells >> (16 * pair)) & 0xff);
      next += 2 * pair + 2;
      break;
    }
    next += both ? kCellWindow : 2;
  }

  const unsigned candidates = lane.candidates[cell];
  // Draw v stands for digit v + 1, whose candidate bit is bit v.
  const __m128i fits = _mm_set1_epi64x(candidates);
  int digit = 0;
  for (;;) {
    const auto left = lane.end - next;
    if (left < 1) {
      lane.active = false;
      return;
    }
    const int window = left >= kDigitWindow ? kDigitWindow : static_cast<int>(left);
    const unsigned hits = _mm_bitshuffle_epi64_mask(fits, _mm_loadu_si128(reinterpret_cast<const __m128i*>(next))) &
                          ((1u << window) - 1);
    if (hits) {
      const int at = std::countr_zero(hits);
      digit = next[at] + 1;
      next += at + 1;
      break;
    }
    next += window;
  }

  // Candidates never repeat a digit, so placing needs no checks.
  board.cells[cell] = static_cast<uint8_t>(digit);
  const __m512i bit = _mm512_set1_epi16(static_cast<short>(DigitBit(digit)));
  lane.units = _mm512_or_si512(lane.units, _mm512_maskz_mov_epi16(kTables.units_of[cell], bit));
  ++lane.placed;
  // The digit leaves the candidates of the cell's column, row and box.
  for (int block = 0; block < kBlocks; ++block) {
    uint16_t* at = lane.candidates + 32 * block;
    // candidates & ~bit
    const __m512i rest = _mm512_ternarylogic_epi32(_mm512_load_si512(at), bit, bit, 0x30);
    _mm512_mask_storeu_epi16(at, kTables.peers[cell][block], rest);
  }
  lane.candidates[cell] = 0;
  lane.next = next;
}

// Empty cells without candidates: cells with none beyond the filled ones.
GRIDLET_WIDE bool HasDeadCell(const Lane& lane, const PackedBoard& board) {
  int none = 0;
  for (int block = 0; block < kBlocks; ++block) {
    const __m512i candidates = _mm512_load_si512(lane.candidates + 32 * block);
    const uint32_t cells = block < kBlocks - 1 ? ~0u : (1u << (kBoardCells - 64)) - 1;
    none += std::popcount(_mm512_testn_epi16_mask(candidates, candidates) & cells);
  }
  return none > board.filled;
}

}  // namespace

GRIDLET_WIDE void PlaceRandomDigitsWide(const uint8_t* const draws[], int count, WideAttempt attempts[]) {
  Lane lanes[kWideAttempts];
  const __m512i all = _mm512_set1_epi16(static_cast<short>(kAllDigits));
  for (int a = 0; a < count; ++a) {
    attempts[a].board.Clear();
    _mm512_store_si512(lanes[a].candidates, all);
    _mm512_store_si512(lanes[a].candidates + 32, all);
    _mm512_store_si512(lanes[a].candidates + 64, _mm512_maskz_mov_epi16((1u << (kBoardCells - 64)) - 1, all));
    lanes[a].units = _mm512_setzero_si512();
    lanes[a].placed = 0;
    lanes[a].next = draws[a];
    lanes[a].end = draws[a] + FreshSeedDraws::kFastDraws;
    lanes[a].active = true;
  }
  for (int n = 0; n < kGivenDigits; ++n) {
#pragma GCC unroll 4
    for (int a = 0; a < kWideAttempts; ++a)
      if (a < count && lanes[a].active) PlaceOne(lanes[a], attempts[a].board);
  }
  for (int a = 0; a < count; ++a) {
    PackedBoard& board = attempts[a].board;
    _mm512_mask_storeu_epi16(board.cols, (1u << wide_board::kUnits) - 1, lanes[a].units);
    board.filled = lanes[a].placed;
    attempts[a].drawn = static_cast<int>(lanes[a].next - draws[a]);
    attempts[a].complete = lanes[a].active;
    attempts[a].lost = lanes[a].active && HasDeadCell(lanes[a], attempts[a].board);
  }
}

#else

// Never called where WideBoardAvailable() is false; kept so callers link.
void PlaceRandomDigitsWide(const uint8_t* const[], int count, WideAttempt attempts[]) {
  for (int k = 0; k < count; ++k) attempts[k].complete = false;
}

#endif
