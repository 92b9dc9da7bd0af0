#include "engine/graded_puzzle.h"

#include <utility>

#include "engine/logic_count.h"
#include "engine/twister.h"

namespace logic {

namespace {

constexpr char kLetters[kGradeCount] = {'S', 'M', 'H', 'X', 'Z'};
constexpr uint32_t kMaxSeed = 0x7FFFFFFF;
constexpr int kOrdersPerGrid = 6;

// The generator's way of drawing digits (a column, a row until the cell is
// empty and open to some digit, then digits until one fits), each digit
// kept only while the board can still be solved, until one solution is left.
std::array<uint8_t, kCells> SolutionGrid(uint32_t seed, MersenneTwister& twister) {
  twister.Seed(seed);
  const auto next9 = [&] { return static_cast<int>(twister.Next() % 9u); };
  std::array<uint8_t, kCells> values{};
  Grid grid = *Grid::FromValues(values);
  for (;;) {
    int cell = 0;
    do {
      const int x = next9();
      const int y = next9();
      cell = y * 9 + x;
    } while (grid.Value(cell) || !grid.Candidates(cell));
    int digit = 0;
    do {
      digit = 1 + next9();
    } while (!grid.Has(cell, digit));
    values[cell] = static_cast<uint8_t>(digit);
    std::array<uint8_t, kCells> solution{};
    const int found = CountSolutions(values, 2, &solution);
    if (found == 0) {
      values[cell] = 0;
      grid = *Grid::FromValues(values);
      continue;
    }
    if (found == 1) return solution;
    grid.Place(cell, digit);
  }
}

Rating Rate(const std::array<uint8_t, kCells>& values, Grade ceiling) {
  return RatePuzzle(*Grid::FromValues(values), ceiling);
}

}  // namespace

int GradeScoreLevel(Grade grade) {
  static constexpr int kLevels[kGradeCount] = {9, 11, 14, 18, 24};
  return kLevels[static_cast<int>(grade)];
}

char GradeLetter(Grade grade) { return kLetters[static_cast<int>(grade)]; }

std::string FormGradedCode(const GradedCode& code) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string hex;
  for (uint32_t s = code.seed; s; s >>= 4) hex.insert(hex.begin(), kHex[s & 15]);
  return std::string(1, GradeLetter(code.grade)) + "-" + (hex.empty() ? "0" : hex);
}

std::optional<GradedCode> ReadGradedCode(std::string_view text) {
  if (text.size() < 3 || text.size() > 10 || text[1] != '-') return std::nullopt;
  GradedCode code;
  const char letter = static_cast<char>(text[0] & ~0x20);
  int grade = -1;
  for (int g = 0; g < kGradeCount; ++g)
    if (kLetters[g] == letter) grade = g;
  if (grade < 0) return std::nullopt;
  code.grade = static_cast<Grade>(grade);
  uint64_t seed = 0;
  for (char ch : text.substr(2)) {
    int v = -1;
    if (ch >= '0' && ch <= '9') v = ch - '0';
    if (ch >= 'A' && ch <= 'F') v = ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') v = ch - 'a' + 10;
    if (v < 0) return std::nullopt;
    seed = seed * 16 + static_cast<uint64_t>(v);
  }
  if (seed == 0 || seed > kMaxSeed) return std::nullopt;
  code.seed = static_cast<uint32_t>(seed);
  return code;
}

std::optional<Grade> ReadGradeName(std::string_view text) {
  for (int g = 0; g < kGradeCount; ++g) {
    const std::string_view key = GradeKey(static_cast<Grade>(g));
    if (key.size() != text.size()) continue;
    bool same = true;
    for (size_t i = 0; i < key.size(); ++i) same = same && (text[i] | 0x20) == key[i];
    if (same) return static_cast<Grade>(g);
  }
  return std::nullopt;
}

std::optional<GradedPuzzle> MakeGradedPuzzle(const GradedCode& code, const GradedProgress& progress,
                                             int attemptLimit) {
  MersenneTwister twister;
  GradedPuzzle result;
  result.solution = SolutionGrid(code.seed, twister);
  const Grade target = code.grade;
  for (int attempt = 1; attempt <= attemptLimit; ++attempt) {
    if (progress && !progress(attempt)) return std::nullopt;
    result.attempts = attempt;
    // Some grids seldom give the target: a new grid every few orders keeps
    // the slowest seeds close to the typical ones.
    if (attempt % kOrdersPerGrid == 0) result.solution = SolutionGrid(twister.Next() % kMaxSeed + 1, twister);
    // Cells 0 to 40 stand for themselves and their mirror through the centre.
    std::array<uint8_t, 41> order{};
    for (int i = 0; i < 41; ++i) order[i] = static_cast<uint8_t>(i);
    for (int i = 40; i > 0; --i) std::swap(order[i], order[twister.Next() % static_cast<uint32_t>(i + 1)]);
    std::array<uint8_t, kCells> puzzle = result.solution;
    for (uint8_t cell : order) {
      const int mirror = 80 - cell;
      const std::array<uint8_t, kCells> before = puzzle;
      puzzle[cell] = 0;
      puzzle[mirror] = 0;
      if (CountSolutions(puzzle, 2) != 1) {
        puzzle = before;
        continue;
      }
      const Rating rating = Rate(puzzle, target);
      if (rating.above_ceiling || rating.grade > target) {
        puzzle = before;
        continue;
      }
      // Any grid is already Easy, so an Easy puzzle takes every removal the
      // order allows; harder grades stop as soon as they are reached.
      if (rating.grade == target && target != Grade::kEasy) {
        result.givens = puzzle;
        result.rating = rating;
        return result;
      }
    }
    if (target == Grade::kEasy) {
      result.givens = puzzle;
      result.rating = Rate(puzzle, target);
      return result;
    }
  }
  return std::nullopt;
}

}  // namespace logic
