// Engine objects, their boards and the rule checks on FCells.
#include "engine/sudoku.h"

#include <cmath>
#include <fstream>
#include <limits>

#include "engine/packed_board.h"

int TruncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

std::shared_ptr<TSudoku> TSudoku::Create() {
  auto sudoku = std::make_shared<TSudoku>();
  sudoku->SetLevelValues();
  return sudoku;
}

void TSudoku::CopyFields(const Board& source, Board& target) { target = source; }

std::shared_ptr<TSudoku> TSudoku::Copy() const {
  auto copy = Create();
  copy->FCells = FCells;
  copy->Cells = Cells;
  return copy;
}

void TSudoku::CopyFrom(const TSudoku& other) { FCells = other.FCells; }

void TSudoku::ClearFields() {
  for (auto& column : FCells) column.fill(0);
}

std::string TSudoku::appendtext(const std::string& path, const std::string& line) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out << line << '\n';
  return "";
}

int TSudoku::Possibilities(int x, int y) const {
  if (FCells[x][y] != 0) return 0;
  unsigned mask = kAllDigits;
  const auto clear = [&mask](int digit) {
    // An empty neighbour clears nothing; a shift by -1 would be undefined.
    if (digit >= 1 && digit <= 9) mask &= ~static_cast<unsigned>(DigitBit(digit));
  };
  for (int i = 0; i < 9; ++i) {
    clear(FCells[x][i]);
    clear(FCells[i][y]);
  }
  const int bx = x / 3 * 3;
  const int by = y / 3 * 3;
  for (int i = bx; i < bx + 3; ++i)
    for (int j = by; j < by + 3; ++j) clear(FCells[i][j]);
  return static_cast<int>(mask);
}

int TSudoku::ReturnPossibility(int x, int y) const {
  const unsigned mask = static_cast<unsigned>(Possibilities(x, y));
  if (mask == 0) return -1;
  if (mask & (mask - 1)) return 0;
  int digit = 1;
  while (!(mask & DigitBit(digit))) ++digit;
  return digit;
}

int TSudoku::SudokuIsValid() const {
  // Columns, then rows, then boxes, each with the set of digits seen.
  const auto unit_repeats = [](auto cell_of) {
    unsigned seen = 0;
    for (int k = 0; k < 9; ++k) {
      const int digit = cell_of(k);
      if (digit < 1 || digit > 9) continue;
      if (seen & DigitBit(digit)) return true;
      seen |= DigitBit(digit);
    }
    return false;
  };
  for (int x = 0; x < 9; ++x)
    if (unit_repeats([&](int k) { return FCells[x][k]; })) return 0;
  for (int y = 0; y < 9; ++y)
    if (unit_repeats([&](int k) { return FCells[k][y]; })) return 0;
  for (int b = 0; b < 9; ++b)
    if (unit_repeats([&](int k) { return FCells[b % 3 * 3 + k % 3][b / 3 * 3 + k / 3]; })) return 0;
  return 1;
}

int TSudoku::SudokuIsSolved() const {
  for (const auto& column : FCells)
    for (uint8_t digit : column)
      if (digit == 0) return 0;
  return SudokuIsValid();
}
