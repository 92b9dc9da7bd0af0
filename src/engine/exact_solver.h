// An exhaustive solver, unlike the engine's own: it finds every solution
// of a board, which the set-up needs to make each puzzle unique.
#pragma once

#include <vector>

#include "engine/board.h"

// Up to `limit` solutions of the board, found in a fixed deterministic
// order; none when the givens contradict each other.
std::vector<Board> FindSolutions(const Board& givens, int limit);
