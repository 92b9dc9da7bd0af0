// The game menu's grade choice, the level a graded game scores with, and
// the codes "Replay a level" and saved games read.
#include "shell/grade_choice.h"

#include <gtest/gtest.h>

#include "shell/game_code.h"

namespace {

using logic::Grade;

TEST(GradeChoice, EachListPositionGivesItsGradeAndTheLevelItScoresWith) {
  const struct {
    int position;
    std::optional<Grade> grade;
    int scoreLevel;  // of a game whose level is 5
  } cases[] = {
      {-1, std::nullopt, 5},  // nothing picked: the slider's level
      {0, std::nullopt, 5},   // "any"
      {1, Grade::kMedium, 11}, {2, Grade::kHard, 14}, {3, Grade::kExpert, 18}, {4, Grade::kExtreme, 24},
      {5, std::nullopt, 5},   // past the list
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChosenGrade(c.position), c.grade) << c.position;
    EXPECT_EQ(ScoreLevelOf(5, ChosenGrade(c.position)), c.scoreLevel) << c.position;
  }
  // Easy is what the top level already gives: it scores as that level.
  EXPECT_EQ(ScoreLevelOf(9, std::nullopt), ScoreLevelOf(1, Grade::kEasy));
}

TEST(GameCodes, GradedCodesAreReadBeforeAndNeverAsLevelCodes) {
  // Every graded code would pass the level-code reading, which counts a
  // letter that is no hex digit as 0.
  for (const Grade grade : kChoosableGrades)
    for (const uint32_t seed : {1u, 0x3F2A91u, 0xFFFFFFu, 0x7FFFFFFFu}) {
      const logic::GradedCode code{grade, seed};
      const std::string text = FormGameCode(9, 1, 0, code);
      const std::optional<GameCode> read = ReadGameCode(text);
      ASSERT_TRUE(read && std::holds_alternative<logic::GradedCode>(*read)) << text;
      EXPECT_EQ(std::get<logic::GradedCode>(*read), code) << text;
    }
  const struct {
    const char* text;
    bool level;  // read as a level code (else as nothing)
  } others[] = {{"247058E3", true}, {"H-0", false}, {"H-", false}, {"1", false}};
  for (const auto& c : others) {
    const std::optional<GameCode> read = ReadGameCode(c.text);
    EXPECT_EQ(read && std::holds_alternative<LevelCodeParts>(*read), c.level) << c.text;
    EXPECT_EQ(read.has_value(), c.level) << c.text;
  }
  EXPECT_EQ(FormGameCode(2, 4, 7058, std::nullopt), FormLevelCode(2, 4, 7058));
}

}  // namespace
