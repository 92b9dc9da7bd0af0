// The engine's 9 by 9 board and the order in which the engine visits it.
#pragma once

#include <array>
#include <cstdint>

// Indexed [x][y]: x the column (0 left), y the row (0 top); 0 is empty.
// The column-major layout makes cell index x * 9 + y the engine's visiting
// order, which decides every "first match" and so the generated puzzles.
using Board = std::array<std::array<uint8_t, 9>, 9>;

constexpr int kBoardCells = 81;
constexpr uint16_t kAllDigits = 511;

constexpr int CellIndex(int x, int y) { return x * 9 + y; }
constexpr int BoxOf(int x, int y) { return x / 3 + 3 * (y / 3); }
constexpr uint16_t DigitBit(int digit) { return static_cast<uint16_t>(1u << (digit - 1)); }
