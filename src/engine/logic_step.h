// One step of human-style reasoning: which technique, what it places or
// removes, and the cells, units and candidates that prove it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace logic {

// Ordered simplest first within each grade; the solver tries them in this order.
enum class Technique : uint8_t {
  kFullHouse,
  kNakedSingle,
  kHiddenSingleBox,
  kHiddenSingleLine,
  kPointing,
  kClaiming,
  kNakedPair,
  kHiddenPair,
  kNakedTriple,
  kHiddenTriple,
  kNakedQuad,
  kHiddenQuad,
  kXWing,
  kSwordfish,
  kSkyscraper,
  kTwoStringKite,
  kXYWing,
  kXYZWing,
  kWWing,
  kEmptyRectangle,
  kUniqueRectangle1,
  kUniqueRectangle2,
  kUniqueRectangle4,
  kUniqueRectangle3,
  kFinnedXWing,
  kSashimiXWing,
  kSimpleColouring,
  kFinnedSwordfish,
  kSashimiSwordfish,
  kJellyfish,
  kBugPlusOne,
  kFinnedJellyfish,
  kSashimiJellyfish,
  kXChain,
  kXYChain,
  kAlternatingChain,
  kAlsXz,
  kNoLogicalStep,  // the exact solver's digit for one cell
};
constexpr int kTechniqueCount = static_cast<int>(Technique::kNoLogicalStep) + 1;

enum class Grade : uint8_t { kEasy, kMedium, kHard, kExpert, kExtreme };
constexpr int kGradeCount = 5;

struct TechniqueInfo {
  std::string_view key;   // language-file key and the command line's name
  std::string_view name;  // English name
  int score;              // tenths of a point on the 1.0 to 11 ladder
  Grade grade;
};

const TechniqueInfo& Info(Technique technique);
std::string_view GradeName(Grade grade);  // "Easy" ...
std::string_view GradeKey(Grade grade);   // "easy" ...

struct Candidate {
  uint8_t cell = 0;
  uint8_t digit = 0;
  bool operator==(const Candidate&) const = default;
};

struct Step {
  Technique technique = Technique::kNoLogicalStep;
  std::vector<Candidate> placements;
  std::vector<Candidate> eliminations;
  // The proof: cells and units to highlight and the candidates that carry
  // the argument. A chain lists its candidates in order along the chain.
  std::vector<uint8_t> cells;
  std::vector<uint8_t> units;  // 0-8 rows, 9-17 columns, 18-26 boxes
  std::vector<Candidate> candidates;
  // A chain's nodes in order (a node of several cells is a group); links
  // alternate strong and weak, starting and ending with a strong one.
  std::vector<std::vector<Candidate>> chain;
  bool Advances() const { return !placements.empty() || !eliminations.empty(); }
};

}  // namespace logic
