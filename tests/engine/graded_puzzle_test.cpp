#include "engine/graded_puzzle.h"

#include <gtest/gtest.h>

#include "engine/level_code.h"
#include "engine/logic_count.h"

namespace {

using namespace logic;

TEST(GradedCode, FormsReadsAndRefuses) {
  struct Case {
    GradedCode code;
    const char* text;
  };
  const Case cases[] = {{{Grade::kHard, 0x3F2A91}, "H-3F2A91"},
                        {{Grade::kMedium, 1}, "M-1"},
                        {{Grade::kExpert, 0x7FFFFFFF}, "X-7FFFFFFF"},
                        {{Grade::kExtreme, 255}, "Z-FF"},
                        {{Grade::kEasy, 10}, "S-A"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FormGradedCode(c.code), c.text);
    EXPECT_EQ(ReadGradedCode(c.text), c.code);
  }
  EXPECT_EQ(ReadGradedCode("h-3f2a91"), (GradedCode{Grade::kHard, 0x3F2A91}));
  for (const char* bad : {"", "H", "H-", "H-0", "H-80000000", "H-3G", "E-12", "HH-12", "H_12", "H-123456789", "4CCC7"})
    EXPECT_FALSE(ReadGradedCode(bad)) << bad;
  // A level code is hexadecimal only, so none reads as a graded code.
  for (int level = 1; level <= 9; ++level)
    for (int seed : {1, 4567, 9999999}) EXPECT_FALSE(ReadGradedCode(FormLevelCode(level, 1, seed)));
  EXPECT_EQ(ReadGradeName("Expert"), Grade::kExpert);
  EXPECT_FALSE(ReadGradeName("expert!"));
}

TEST(GradedPuzzle, HasTheGradeAskedForAndComesBackFromItsCode) {
  for (Grade grade : {Grade::kEasy, Grade::kMedium, Grade::kHard, Grade::kExpert})
    for (uint32_t seed : {1u, 4242u}) {
      SCOPED_TRACE(std::string(GradeName(grade)) + " " + std::to_string(seed));
      const GradedCode code{grade, seed};
      const std::optional<GradedPuzzle> made = MakeGradedPuzzle(code);
      ASSERT_TRUE(made);
      EXPECT_EQ(made->rating.grade, grade);
      EXPECT_EQ(RatePuzzle(*Grid::FromValues(made->givens)).grade, grade);
      std::array<uint8_t, kCells> solution{};
      ASSERT_EQ(CountSolutions(made->givens, 2, &solution), 1);
      EXPECT_EQ(solution, made->solution);
      int givens = 0;
      for (int c = 0; c < kCells; ++c) {
        givens += made->givens[c] != 0;
        if (made->givens[c]) {
          EXPECT_EQ(made->givens[c], made->solution[c]);
        }
        EXPECT_EQ(made->givens[c] != 0, made->givens[80 - c] != 0);  // symmetric through the centre
      }
      EXPECT_LE(givens, 45) << "a puzzle to solve, not a nearly filled grid";
      const std::optional<GradedPuzzle> again = MakeGradedPuzzle(*ReadGradedCode(FormGradedCode(code)));
      ASSERT_TRUE(again);
      EXPECT_EQ(again->givens, made->givens);
    }
  // Neighbouring seeds give different puzzles.
  EXPECT_NE(MakeGradedPuzzle({Grade::kHard, 7})->solution, MakeGradedPuzzle({Grade::kHard, 8})->solution);
}

// A code shared between players names one puzzle in every version: the
// grid the seed draws first, its removal orders, the grade's ceiling.
TEST(GradedPuzzle, ACodeGivesTheSamePuzzleInEveryVersion) {
  const struct {
    const char* code;
    const char* givens;
  } cases[] = {
      {"M-1", ".4..8..7.8.......4.27..6...6..253798..3.9.4..598741..6...8..32.4.......9.8..3..4."},
      {"H-3F2A91", ".7...5.648..4..7.5.....31.........839...1...674.........87.....4.7..8..121.3...4."},
  };
  for (const auto& c : cases) {
    const std::optional<GradedPuzzle> made = MakeGradedPuzzle(*ReadGradedCode(c.code));
    ASSERT_TRUE(made) << c.code;
    std::string givens;
    for (uint8_t digit : made->givens) givens += digit ? char('0' + digit) : '.';
    EXPECT_EQ(givens, c.givens) << c.code << " after " << made->attempts << " orders";
  }
}

TEST(GradedPuzzle, TheProgressCallbackStopsTheSearch) {
  int calls = 0;
  const auto stop_at_once = [&](int attempt) {
    ++calls;
    EXPECT_EQ(attempt, 1);
    return false;
  };
  EXPECT_FALSE(MakeGradedPuzzle({Grade::kExtreme, 5}, stop_at_once));
  EXPECT_EQ(calls, 1);
}

// Z-1 is found in its 147th attempt: a limit below gives up after exactly
// that many, and the default limit leaves room for it.
TEST(GradedPuzzle, ABuildGivesUpAfterItsAttemptLimit) {
  int calls = 0;
  const auto count = [&](int) { return ++calls > 0; };
  EXPECT_FALSE(MakeGradedPuzzle({Grade::kExtreme, 1}, count, 100));
  EXPECT_EQ(calls, 100);
  const std::optional<GradedPuzzle> made = MakeGradedPuzzle({Grade::kExtreme, 1});
  ASSERT_TRUE(made);
  EXPECT_EQ(made->attempts, 147);
  EXPECT_LT(made->attempts, kGradedAttemptLimit);
}

}  // namespace
