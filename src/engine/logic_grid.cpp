#include "engine/logic_grid.h"

namespace logic {

std::optional<Grid> Grid::FromText(std::string_view text) {
  if (text.size() != kCells) return std::nullopt;
  std::array<uint8_t, kCells> values{};
  for (int i = 0; i < kCells; ++i) {
    const char ch = text[i];
    if (ch == '.' || ch == '0') continue;
    if (ch < '1' || ch > '9') return std::nullopt;
    values[i] = static_cast<uint8_t>(ch - '0');
  }
  return FromValues(values);
}

std::optional<Grid> Grid::FromValues(const std::array<uint8_t, kCells>& values) {
  Grid grid;
  grid.cand_.fill(kAll);
  const CellSet all{~uint64_t{0}, (uint64_t{1} << 17) - 1};
  grid.digit_cells_.fill(all);
  for (int i = 0; i < kCells; ++i) {
    const int digit = values[i];
    if (digit == 0) continue;
    if (digit > 9 || !grid.Has(i, digit)) return std::nullopt;
    grid.Place(i, digit);
  }
  return grid;
}

void Grid::Place(int cell, int digit) {
  value_[cell] = static_cast<uint8_t>(digit);
  cand_[cell] = 0;
  for (CellSet& set : digit_cells_) set.Remove(cell);
  const auto keep = static_cast<uint16_t>(~Bit(digit));
  kGeo.peers[cell].ForEach([&](int p) { cand_[p] &= keep; });
  digit_cells_[digit - 1] = digit_cells_[digit - 1] - kGeo.peers[cell];
}

void Grid::SetCandidates(int cell, uint16_t mask) {
  cand_[cell] = mask;
  for (int d = 1; d <= 9; ++d) {
    if (mask & Bit(d)) digit_cells_[d - 1].Add(cell); else digit_cells_[d - 1].Remove(cell);
  }
}

bool Grid::Solved() const {
  for (uint8_t v : value_)
    if (!v) return false;
  return true;
}

bool Grid::Broken() const {
  for (int i = 0; i < kCells; ++i)
    if (!value_[i] && !cand_[i]) return true;
  return false;
}

CellSet Grid::EmptyCells() const {
  CellSet set;
  for (int i = 0; i < kCells; ++i)
    if (!value_[i]) set.Add(i);
  return set;
}

std::string Grid::Text() const {
  std::string text;
  for (uint8_t v : value_) text.push_back(v ? static_cast<char>('0' + v) : '.');
  return text;
}

std::string CellName(int cell) {
  return "r" + std::to_string(RowOf(cell) + 1) + "c" + std::to_string(ColOf(cell) + 1);
}

}  // namespace logic
