// The 30 random digits of a generation attempt.
#pragma once

#include "engine/fresh_draws.h"
#include "engine/packed_board.h"

constexpr int kGivenDigits = 30;

// Places the digits one after the other: draws x and then y until the cell
// [x, y] is empty and some digit fits, then draws digits until one fits.
// Every draw is RandRange(0, 8) or RandRange(1, 9): the output mod 9, which
// Draws::Next9() gives. Goes on from the digits already on the board.
template <typename Draws>
void PlaceRandomDigits(PackedBoard& board, Draws& draws_out) {
  Draws draws = draws_out;  // a local copy stays in registers
  while (board.filled < kGivenDigits) {
    int cell = 0;
    unsigned candidates = 0;
    do {
      const int x = static_cast<int>(draws.Next9());
      const int y = static_cast<int>(draws.Next9());
      cell = CellIndex(x, y);
      candidates = board.Candidates(cell);
    } while (candidates == 0);
    int digit = 0;
    do {
      digit = 1 + static_cast<int>(draws.Next9());
    } while (!(candidates & DigitBit(digit)));
    board.Place(cell, digit);
  }
  draws_out = draws;
}

// An attempt placed by PlaceRandomDigitsWide.
struct WideAttempt {
  PackedBoard board;
  int drawn;      // draws used
  bool complete;  // all digits placed; else PlaceRandomDigits goes on
  bool lost;      // complete, with a dead cell: the fill fails on it
};

// Places the digits of up to kWideAttempts attempts side by side with
// 512-bit vectors (only where WideBoardAvailable()), from the fast draws of
// each seed (FreshSeedDraws::FastDraws). An attempt that would need more
// draws stops before the digit that needs them.
constexpr int kWideAttempts = 4;
void PlaceRandomDigitsWide(const uint8_t* const draws[], int count, WideAttempt attempts[]);
