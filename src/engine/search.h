// The solver's search step on a packed board.
//
// It gives exactly the solutions, their order and the search value of the
// engine's search rules, and counts the engine objects those rules would
// create (one per step), so that the caller can move the general random
// generator on as their creation would.
#pragma once

#include <cstdint>

#include "engine/packed_board.h"

struct SearchContext {
  int limit = 0;             // guess when the fill placed more digits than this
  bool always_guess = false; // the current level is 9
  int search_value = 0;      // the engine-wide SearchValue, read and written
  uint64_t steps = 0;        // search steps made (engine objects created)
  int depth_limit_hits = 0;  // steps ended by the depth limit

  // Solutions in the order reached. A search guesses only in cell [0, 0],
  // so it reaches at most nine.
  static constexpr int kMaxKept = 9;
  int solutions = 0;
  uint8_t kept[kMaxKept][kBoardCells];
};

constexpr int kSearchDepthLimit = 100;

// One search step on a copy of `board`; returns the step's result.
int SearchStep(const PackedBoard& board, int depth, SearchContext& context);

// Moves the general random generator on as creating that many engine
// objects would (each draws the five numbers of its level jitter).
void SkipEngineCreations(uint64_t creations);
