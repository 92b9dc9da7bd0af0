// Rule checks on the engine's board and on the player's map.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace {

// A valid solved grid.
Board SolvedGrid() {
  Board b{};
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) b[x][y] = static_cast<uint8_t>((y * 3 + y / 3 + x) % 9 + 1);
  return b;
}

class BoardTest : public EngineTest {};

TEST_F(BoardTest, CandidatesOfFilledEmptyAndDeadCells) {
  TSudoku& s = Game();
  s.FCells = SolvedGrid();
  EXPECT_EQ(s.SudokuIsSolved(), 1);
  EXPECT_EQ(s.Possibilities(4, 4), 0);
  EXPECT_EQ(s.ReturnPossibility(4, 4), -1);
  const int digit = s.FCells[4][4];
  s.FCells[4][4] = 0;
  EXPECT_EQ(s.Possibilities(4, 4), 1 << (digit - 1));
  EXPECT_EQ(s.ReturnPossibility(4, 4), digit);
  EXPECT_EQ(s.SudokuIsSolved(), 0);

  s.ClearFields();
  EXPECT_EQ(s.Possibilities(0, 0), 511);
  EXPECT_EQ(s.ReturnPossibility(0, 0), 0);
  EXPECT_EQ(s.SudokuIsValid(), 1);
  EXPECT_EQ(s.SudokuIsSolved(), 0);
  // Cell [0, 0] sees 1..8 in its row and 9 in its box: no candidate.
  for (int x = 1; x <= 8; ++x) s.FCells[x][0] = static_cast<uint8_t>(x);
  s.FCells[1][1] = 9;
  EXPECT_EQ(s.Possibilities(0, 0), 0);
  EXPECT_EQ(s.ReturnPossibility(0, 0), -1);
}

TEST_F(BoardTest, RepetitionInOneBoxOnlyIsNotSolved) {
  TSudoku& s = Game();
  // Rows are shifted by one, so rows and columns hold every digit once but
  // the boxes repeat digits.
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) s.FCells[x][y] = static_cast<uint8_t>((x + y) % 9 + 1);
  EXPECT_EQ(s.SudokuIsValid(), 0);
  EXPECT_EQ(s.SudokuIsSolved(), 0);
  s.FCells = SolvedGrid();
  std::swap(s.FCells[0][0], s.FCells[0][1]);  // a column stays clean
  EXPECT_EQ(s.SudokuIsValid(), 0);
}

TEST_F(BoardTest, SolvedBoardIsRecordedAtTheGivenDepth) {
  TSudoku& s = Game();
  s.FCells = SolvedGrid();
  TSudoku::SearchValue = 4;
  TSolutionList list;
  EXPECT_EQ(s.SolveSudoku(list, 3), 3);
  EXPECT_EQ(TSudoku::SearchValue, 5);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].array, s.FCells);
}

TEST_F(BoardTest, EmptyBoardNeverGuessesBelowLevelNine) {
  TSudoku& s = Game();
  s.ClearFields();
  host->current_level = 1;
  SetGuessLimit(52);
  TSudoku::SearchValue = 7;
  TSolutionList list;
  const int32_t rnd = RndState();
  EXPECT_EQ(s.SolveSudoku(list, 1), 7);
  EXPECT_TRUE(list.empty());
  // One search step: one engine creation's worth of draws.
  const int32_t after = RndState();
  SetRndState(rnd);
  TSudoku::Create();
  EXPECT_EQ(RndState(), after);
  // At level 9 each of the nine guesses stalls: the value counts them.
  host->current_level = 9;
  TSudoku::SearchValue = 0;
  EXPECT_EQ(s.SolveSudoku(list, 1), 9);
  EXPECT_TRUE(list.empty());
}

TEST_F(BoardTest, DeadCellEndsTheSearchWithZero) {
  TSudoku& s = Game();
  for (int x = 1; x <= 8; ++x) s.FCells[x][0] = static_cast<uint8_t>(x);
  s.FCells[1][1] = 9;
  TSudoku::SearchValue = 5;
  TSolutionList list;
  EXPECT_EQ(s.TrivialFillFields(0, 0), 0);
  EXPECT_EQ(s.SolveSudoku(list, 1), 0);
  EXPECT_EQ(TSudoku::SearchValue, 0);
}

TEST_F(BoardTest, ScanNeedsBothOtherColumnsAndRows) {
  TSudoku& s = Game();
  // Digit 5 in columns 1 and 2 and rows 1 and 2, outside box 0: the scan
  // puts 5 into [0, 0].
  s.FCells[1][4] = 5;
  s.FCells[2][7] = 5;
  s.FCells[4][1] = 5;
  s.FCells[7][2] = 5;
  EXPECT_EQ(s.TrivialFillFields_perScan(0, 0), 1);
  EXPECT_EQ(s.FCells[0][0], 5);
  EXPECT_EQ(s.TrivialFill_SumPerScan, 1);
  s.ClearFields();
  s.FCells[1][4] = 5;
  s.FCells[4][1] = 5;
  s.FCells[7][2] = 5;
  EXPECT_EQ(s.TrivialFillFields_perScan(0, 0), 0);
}

TEST_F(BoardTest, CheckFieldTwoFlagsEveryCellOfARepeatingColumn) {
  auto& map = host->maps.Map;
  map[3][1][0] = 6;
  map[3][7][0] = 6;
  for (int y = 0; y < 9; ++y) EXPECT_EQ(TSudoku::CheckFieldTwo(3, y), 1) << y;
  EXPECT_EQ(TSudoku::CheckFieldTwo(0, 4), 0);
  EXPECT_EQ(TSudoku::CheckFieldTwo(4, 1), 0);  // its row holds a single 6
  map[3][7][0] = 0;
  EXPECT_EQ(TSudoku::CheckFieldTwo(3, 0), 0);
}

TEST_F(BoardTest, CopyMapArrayModesAreCaseSensitive) {
  auto& maps = host->maps;
  maps.Map[2][5][0] = 4;
  maps.Map[2][5][1] = 1;
  TSudoku::CopyMapArray("Map2Backup");
  EXPECT_EQ(maps.BackupMap[2][5][0], 0);
  TSudoku::CopyMapArray("map2backup");
  EXPECT_EQ(maps.BackupMap[2][5][0], 4);
  EXPECT_EQ(maps.BackupMap[2][5][1], 1);
  TSudoku::CopyMapArray("map2solution");
  EXPECT_EQ(maps.SolutionMap[2][5][0], 4);
  maps.Map[2][5][0] = 9;
  TSudoku::CopyMapArray("backup2map");
  EXPECT_EQ(maps.Map[2][5][0], 4);
  maps.SolutionMap[0][0][0] = 8;
  maps.SolutionMap[0][0][1] = 1;
  Game().SolveMap();
  EXPECT_EQ(maps.Map[0][0][0], 8);
  EXPECT_EQ(maps.Map[0][0][1], 1);
}

TEST_F(BoardTest, CopiesAreIndependent) {
  TSudoku& s = Game();
  s.FCells[1][1] = 3;
  s.Cells[2][2] = 4;
  const auto copy = s.Copy();
  EXPECT_EQ(copy->FCells, s.FCells);
  EXPECT_EQ(copy->Cells, s.Cells);
  copy->FCells[1][1] = 0;
  EXPECT_EQ(s.FCells[1][1], 3);
  TSudoku other;
  other.CopyFrom(s);
  EXPECT_EQ(other.FCells, s.FCells);
  EXPECT_EQ(other.Cells, Board{});
  const TSolutions solution = TSolutions::Create(s.FCells);
  s.FCells[1][1] = 7;
  EXPECT_EQ(solution.array[1][1], 3);
}

}  // namespace
