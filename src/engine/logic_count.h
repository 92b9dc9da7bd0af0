// Counting solutions quickly, for building graded puzzles: a depth-first
// search on candidate masks that always branches on the tightest cell.
#pragma once

#include <array>
#include <cstdint>

namespace logic {

// Solutions of the digits (0 empty, cells row by row), counted up to
// `limit`; the first one found goes to `first` when given.
int CountSolutions(const std::array<uint8_t, 81>& values, int limit,
                   std::array<uint8_t, 81>* first = nullptr);

}  // namespace logic
