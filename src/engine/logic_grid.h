// The board the human-style solver reasons on: digits and a 9-bit
// candidate set per cell, cells numbered row by row (r * 9 + c), and the
// fixed geometry of rows, columns and boxes as cell sets.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace logic {

constexpr int kCells = 81;
constexpr uint16_t kAll = 0x1FF;

constexpr int RowOf(int cell) { return cell / 9; }
constexpr int ColOf(int cell) { return cell % 9; }
constexpr int BoxOfCell(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }
constexpr uint16_t Bit(int digit) { return static_cast<uint16_t>(1u << (digit - 1)); }
// Counting bits without relying on the processor's popcount instruction,
// which the portable build cannot assume (the library call is slow).
inline int Count64(uint64_t x) {
  x = x - ((x >> 1) & 0x5555555555555555ull);
  x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}
// Candidate and position sets have nine bits: those are counted by table.
inline constexpr std::array<uint8_t, 512> kNineBitCounts = [] {
  std::array<uint8_t, 512> counts{};
  for (unsigned m = 1; m < 512; ++m) counts[m] = static_cast<uint8_t>(counts[m >> 1] + (m & 1));
  return counts;
}();
inline int Count(unsigned mask) { return mask < 512 ? kNineBitCounts[mask] : Count64(mask); }
// The lowest digit of a non-empty set.
inline int FirstDigit(unsigned mask) { return std::countr_zero(mask) + 1; }

// A set of cells in two words; cheap to copy, intersect and walk.
struct CellSet {
  uint64_t lo = 0;  // cells 0 to 63
  uint64_t hi = 0;  // cells 64 to 80

  static constexpr CellSet Of(int cell) {
    CellSet s;
    s.Add(cell);
    return s;
  }
  constexpr void Add(int cell) {
    if (cell < 64) lo |= uint64_t{1} << cell; else hi |= uint64_t{1} << (cell - 64);
  }
  constexpr void Remove(int cell) {
    if (cell < 64) lo &= ~(uint64_t{1} << cell); else hi &= ~(uint64_t{1} << (cell - 64));
  }
  constexpr bool Has(int cell) const {
    return cell < 64 ? (lo >> cell) & 1 : (hi >> (cell - 64)) & 1;
  }
  constexpr bool Empty() const { return (lo | hi) == 0; }
  int Size() const { return Count64(lo) + Count64(hi); }
  int First() const { return lo ? std::countr_zero(lo) : 64 + std::countr_zero(hi); }
  constexpr CellSet operator&(CellSet o) const { return {lo & o.lo, hi & o.hi}; }
  constexpr CellSet operator|(CellSet o) const { return {lo | o.lo, hi | o.hi}; }
  constexpr CellSet operator-(CellSet o) const { return {lo & ~o.lo, hi & ~o.hi}; }
  constexpr CellSet& operator&=(CellSet o) { return *this = *this & o; }
  constexpr CellSet& operator|=(CellSet o) { return *this = *this | o; }
  constexpr bool operator==(const CellSet&) const = default;

  // Calls f(cell) for every cell in ascending order.
  template <typename F>
  void ForEach(F&& f) const {
    for (uint64_t w = lo; w; w &= w - 1) f(std::countr_zero(w));
    for (uint64_t w = hi; w; w &= w - 1) f(64 + std::countr_zero(w));
  }
};

// Units 0-8 are rows, 9-17 columns, 18-26 boxes.
constexpr int kUnits = 27;
struct Geometry {
  std::array<std::array<uint8_t, 9>, kUnits> unit_cells{};
  std::array<CellSet, kUnits> unit_set{};
  std::array<CellSet, kCells> peers{};  // the 20 cells sharing a unit, not the cell
};

constexpr Geometry MakeLogicGeometry() {
  Geometry g;
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j) {
      const int row_cell = i * 9 + j;
      const int col_cell = j * 9 + i;
      const int box_cell = (i / 3) * 27 + (i % 3) * 3 + (j / 3) * 9 + j % 3;
      g.unit_cells[i][j] = static_cast<uint8_t>(row_cell);
      g.unit_cells[9 + i][j] = static_cast<uint8_t>(col_cell);
      g.unit_cells[18 + i][j] = static_cast<uint8_t>(box_cell);
      g.unit_set[i].Add(row_cell);
      g.unit_set[9 + i].Add(col_cell);
      g.unit_set[18 + i].Add(box_cell);
    }
  for (int c = 0; c < kCells; ++c) {
    g.peers[c] = g.unit_set[RowOf(c)] | g.unit_set[9 + ColOf(c)] | g.unit_set[18 + BoxOfCell(c)];
    g.peers[c].Remove(c);
  }
  return g;
}

inline constexpr Geometry kGeo = MakeLogicGeometry();

inline bool Sees(int a, int b) { return kGeo.peers[a].Has(b); }
// The cells that see every cell of the set (the set's own cells excluded).
inline CellSet SeenByAll(CellSet cells) {
  CellSet seen{~uint64_t{0}, (uint64_t{1} << 17) - 1};
  cells.ForEach([&](int c) { seen &= kGeo.peers[c]; });
  return seen - cells;
}

class Grid {
 public:
  // 81 characters, row by row; "." or "0" for an empty cell. Nothing for
  // any other length or character, or when a digit repeats in a unit.
  static std::optional<Grid> FromText(std::string_view text);
  // From digits (0 empty) with every candidate the placed digits allow.
  static std::optional<Grid> FromValues(const std::array<uint8_t, kCells>& values);

  // Writes the digit and takes it from the candidates of its peers.
  void Place(int cell, int digit);
  void Eliminate(int cell, int digit) {
    cand_[cell] &= static_cast<uint16_t>(~Bit(digit));
    digit_cells_[digit - 1].Remove(cell);
  }
  // Replaces a cell's candidates, e.g. by the player's notes.
  void SetCandidates(int cell, uint16_t mask);

  int Value(int cell) const { return value_[cell]; }
  uint16_t Candidates(int cell) const { return cand_[cell]; }
  bool Has(int cell, int digit) const { return cand_[cell] & Bit(digit); }
  bool Solved() const;
  // An empty cell without candidates: the board can no longer be solved.
  bool Broken() const;
  // The empty cells holding the digit as a candidate.
  CellSet DigitCells(int digit) const { return digit_cells_[digit - 1]; }
  CellSet EmptyCells() const;
  std::string Text() const;
  const std::array<uint8_t, kCells>& Values() const { return value_; }

 private:
  std::array<uint8_t, kCells> value_{};
  std::array<uint16_t, kCells> cand_{};
  std::array<CellSet, 9> digit_cells_{};  // kept in step with cand_
};

// "r4c7": the cell's row and column counted from 1.
std::string CellName(int cell);

}  // namespace logic
