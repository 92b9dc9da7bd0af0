// The coach without a screen: a wrong digit comes first, a step is shown and
// then applied as one undo step, and advice on a changed board is not applied.
#include "engine/coach.h"

#include <gtest/gtest.h>

#include <string_view>

#include "engine/logic_grid.h"

namespace {

constexpr std::string_view kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
constexpr std::string_view kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

class CoachTest : public ::testing::Test {
 protected:
  MapGrid map{};
  MapGrid solution{};
  TPlayBoard board{map};
  TCoach coach;

  void SetUp() override {
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) {
        const char given = kPuzzle[size_t(r * 9 + c)];
        map[c][r][0] = given == '.' ? 0 : given - '0';
        map[c][r][1] = given == '.' ? kCellPlayer : kCellGiven;
        solution[c][r][0] = kSolution[size_t(r * 9 + c)] - '0';
        solution[c][r][1] = kCellGiven;
      }
    board.NewGame();
  }
  int Answer(int column, int row) const { return solution[column][row][0]; }
  bool Solved() const {
    for (int c = 0; c < 9; ++c)
      for (int r = 0; r < 9; ++r)
        if (map[c][r][0] != Answer(c, r)) return false;
    return true;
  }
};

TEST_F(CoachTest, AStepIsShownThenAppliedAsOneUndoStep) {
  ASSERT_EQ(coach.Ask(board, solution), TCoach::Press::kExplained);
  const CoachAdvice* advice = coach.Shown(board);
  ASSERT_NE(advice, nullptr);
  ASSERT_FALSE(advice->wrongDigit);
  const logic::Step step = advice->step;
  ASSERT_TRUE(step.Advances());
  EXPECT_FALSE(board.CanUndo()) << "showing changes nothing";

  ASSERT_EQ(coach.Ask(board, solution), TCoach::Press::kApplied);
  EXPECT_EQ(coach.Shown(board), nullptr);
  for (const logic::Candidate& p : step.placements)
    EXPECT_EQ(map[logic::ColOf(p.cell)][logic::RowOf(p.cell)][0], p.digit);
  ASSERT_TRUE(board.Undo());
  EXPECT_FALSE(board.CanUndo()) << "the step was one move";
  for (const logic::Candidate& p : step.placements) EXPECT_EQ(map[logic::ColOf(p.cell)][logic::RowOf(p.cell)][0], 0);
}

TEST_F(CoachTest, AWrongDigitIsPointedOutFirstAndTakenOut) {
  ASSERT_TRUE(board.SetDigit(2, 0, 1));  // the solution has 4 there
  ASSERT_TRUE(board.SetDigit(0, 8, 3));  // right
  ASSERT_EQ(coach.Ask(board, solution), TCoach::Press::kExplained);
  const CoachAdvice* advice = coach.Shown(board);
  ASSERT_NE(advice, nullptr);
  EXPECT_TRUE(advice->wrongDigit);
  EXPECT_EQ(advice->column, 2);
  EXPECT_EQ(advice->row, 0);
  ASSERT_EQ(coach.Ask(board, solution), TCoach::Press::kApplied);
  EXPECT_EQ(map[2][0][0], 0);
  EXPECT_EQ(map[0][8][0], 3);
}

TEST_F(CoachTest, AdviceOnAChangedBoardIsNotApplied) {
  ASSERT_EQ(coach.Ask(board, solution), TCoach::Press::kExplained);
  ASSERT_TRUE(board.ToggleNote(2, 0, 4));
  EXPECT_EQ(coach.Shown(board), nullptr);
  EXPECT_EQ(coach.Ask(board, solution), TCoach::Press::kExplained) << "a fresh explanation, not the old step";
  EXPECT_EQ(map[2][0][0], 0);
}

// Pressing on to the end with misleading notes on the board: notes that rule
// out the solution's digit must not lead the coach astray, and eliminations
// land in the notes so that every press pair makes progress.
TEST_F(CoachTest, PressingOnSolvesTheBoardSoundly) {
  ASSERT_TRUE(board.ToggleNote(2, 0, 1));  // the solution's 4 is missing
  ASSERT_TRUE(board.ToggleNote(3, 0, 6));  // right, among others missing
  ASSERT_TRUE(board.ToggleNote(3, 0, 2));
  int presses = 0;
  while (!Solved() && presses < 400) {
    ASSERT_EQ(coach.Ask(board, solution), TCoach::Press::kExplained) << "after " << presses << " presses";
    const CoachAdvice advice = *coach.Shown(board);
    EXPECT_FALSE(advice.wrongDigit);
    for (const logic::Candidate& p : advice.step.placements)
      ASSERT_EQ(p.digit, Answer(logic::ColOf(p.cell), logic::RowOf(p.cell)));
    for (const logic::Candidate& e : advice.step.eliminations)
      ASSERT_NE(e.digit, Answer(logic::ColOf(e.cell), logic::RowOf(e.cell)));
    ASSERT_EQ(coach.Ask(board, solution), TCoach::Press::kApplied);
    for (const logic::Candidate& e : advice.step.eliminations) {
      const PlayCell cell = board.Cell(logic::ColOf(e.cell), logic::RowOf(e.cell));
      if (cell.digit == 0) {
        EXPECT_EQ(cell.notes & NoteBit(e.digit), 0);
      }
    }
    presses += 2;
  }
  EXPECT_TRUE(Solved());
  EXPECT_EQ(coach.Ask(board, solution), TCoach::Press::kNothing) << "nothing to explain on a solved board";
}

}  // namespace
