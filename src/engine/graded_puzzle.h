// Puzzles of a chosen grade, reproducible from a seed, and their codes
// ("H-3F2A91": the grade's letter, a dash, the seed in hexadecimal), which
// no level code can be mistaken for: the dash and the letter are never hex.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/logic_solver.h"

namespace logic {

struct GradedCode {
  Grade grade = Grade::kHard;
  uint32_t seed = 1;  // 1 to 0x7FFFFFFF
  bool operator==(const GradedCode&) const = default;
};

// The letter of each grade: S(imple), M, H, X (expert), Z (extreme).
char GradeLetter(Grade grade);
std::string FormGradedCode(const GradedCode& code);
// Either case; nothing for any other form.
std::optional<GradedCode> ReadGradedCode(std::string_view text);
// "easy" ... "extreme" in either case.
std::optional<Grade> ReadGradeName(std::string_view text);

// The level a graded game's score is computed with, in place of the
// slider's 1 to 9: the game's top level already rates Easy, so each grade
// above it is worth more, roughly as much more as it takes players longer.
int GradeScoreLevel(Grade grade);

struct GradedPuzzle {
  std::array<uint8_t, kCells> givens{};
  std::array<uint8_t, kCells> solution{};
  Rating rating;
  int attempts = 0;  // removal orders tried
};

// Called before every attempt with its number; false stops the search.
using GradedProgress = std::function<bool(int attempt)>;

// Attempts a build may take. Of 300 seeds of the hardest grade none took
// more than about 1,100 (half of them under 140, about a millisecond each):
// a code the game made is built again within the same limit, and no build
// runs for more than a few seconds.
constexpr int kGradedAttemptLimit = 5000;

// A solution grid drawn from the seed as the game's generator draws its
// digits (each kept while the board stays solvable); then givens,
// in pairs opposite through the centre, are taken away in an order drawn
// from the same seed while the puzzle keeps one solution and its grade
// stays at most the target, until the grade is the target. Another order is
// drawn when one runs out first. Nothing when stopped, or when `attemptLimit`
// attempts found none.
std::optional<GradedPuzzle> MakeGradedPuzzle(const GradedCode& code, const GradedProgress& progress = {},
                                             int attemptLimit = kGradedAttemptLimit);

}  // namespace logic
