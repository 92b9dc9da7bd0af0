// The play screen: mouse input on the board and the number picker, the
// in-game commands, the end of a game with its score, and Mix It.
#include <algorithm>
#include <climits>

#include "engine/random.h"
#include "game_fixture.h"
#include "presentation/text_effect.h"
#include "shell/highscore.h"

namespace {

// Clicks the choice box of a digit in the open picker.
void ChooseInPicker(int digit) {
  const int i = digit - 1;
  GameTest::Click(PickerX + 20 + (i % 3) * 55 + 25, PickerY + 20 + (i / 3) * 55 + 25);
}

bool IsPermutation(const std::array<int, kSymbolSlots>& mapping, int n) {
  std::vector<int> symbols(mapping.begin() + 1, mapping.begin() + 1 + n);
  std::sort(symbols.begin(), symbols.end());
  for (int i = 0; i < n; ++i)
    if (symbols[size_t(i)] != i + 1) return false;
  return true;
}

}  // namespace

TEST_F(GameTest, LeftClicksCycleAPlayerCellAndGivenCellsIgnoreThem) {
  StartLevelOne();
  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  for (int expected = 1; expected <= 10; ++expected) {
    ClickCell(c, r);
    EXPECT_EQ(PlayMaps.Map[c][r][0], expected % 10);
    EXPECT_EQ(PlayMaps.Map[c][r][1], 0);
  }
  EXPECT_EQ(HoverColumn, c);
  EXPECT_EQ(HoverRow, r);
  EXPECT_EQ(CursorMode, 0);

  int gc = 0, gr = 0;
  ASSERT_TRUE(FindCell(1, gc, gr));
  const int given = PlayMaps.Map[gc][gr][0];
  ClickCell(gc, gr);
  ClickCell(gc, gr, 2);
  EXPECT_EQ(PlayMaps.Map[gc][gr][0], given);
  EXPECT_EQ(PickerOpen, 0);

  Click(100, 590);  // off the board
  EXPECT_EQ(HoverColumn, -1);
  EXPECT_EQ(CursorMode, 1);
}

TEST_F(GameTest, PickerOpensBelowOrAboveAndChoosesEmptiesOrCloses) {
  StartLevelOne();
  // Make column 4 editable from top to bottom.
  for (int r = 0; r < 9; ++r) PlayMaps.Map[4][r][0] = PlayMaps.Map[4][r][1] = 0;
  const int aboveAt[3] = {175, 227, 279};
  for (int r = 0; r < 9; ++r) {
    ClickCell(4, r, 2);
    ASSERT_EQ(PickerOpen, 1);
    EXPECT_EQ(PickerX, CellX[4][r] - 75);
    EXPECT_EQ(PickerY, r < 6 ? CellY[4][r] + 30 : aboveAt[r - 6]) << "row " << r;
    Click(*Widgets.closePicker);
    EXPECT_EQ(PickerOpen, 0);
  }

  // Right and left in the same update: the picker opens, the digit stays.
  PointAt(CellX[4][1] + 26, CellY[4][1] + 26);
  drawing::Input().PressButton(2);
  drawing::Input().PressButton(1);
  Step();
  drawing::Input().ReleaseButton(1);
  drawing::Input().ReleaseButton(2);
  Step(2);
  EXPECT_EQ(PickerOpen, 1);
  EXPECT_EQ(PlayMaps.Map[4][1][0], 0);

  ChooseInPicker(7);
  EXPECT_EQ(PickerOpen, 0);
  EXPECT_EQ(PlayMaps.Map[4][1][0], 7);
  EXPECT_EQ(PickerColumn, -1);

  ClickCell(4, 1, 2);
  Click(PickerX + 5, PickerY + 5);  // outside every box: stays open
  EXPECT_EQ(PickerOpen, 1);
  Click(*Widgets.closePicker);  // "X" keeps the digit
  EXPECT_EQ(PlayMaps.Map[4][1][0], 7);

  ClickCell(4, 1, 2);
  Click(*Widgets.selectNothing);
  EXPECT_EQ(PickerOpen, 0);
  EXPECT_EQ(PlayMaps.Map[4][1][0], 0);
}

TEST_F(GameTest, CompletionWithinTheSameMillisecondGivesAClampedScoreAndARecord) {
  StartLevelOne();
  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y)
      if ((x != c || y != r) && PlayMaps.Map[x][y][1] == 0) {
        PlayMaps.Map[x][y][0] = PlayMaps.SolutionMap[x][y][0];
      }
  PlayerName = "Quick";
  ClickCell(c, r, 2);
  // The board is completed in the very millisecond the game started.
  const int i = PlayMaps.SolutionMap[c][r][0] - 1;
  PointAt(PickerX + 20 + (i % 3) * 55 + 25, PickerY + 20 + (i / 3) * 55 + 25);
  Step();
  GameStartTime = GameClock::now + 17;
  drawing::Input().PressButton(1);
  Step();
  drawing::Input().ReleaseButton(1);
  Step();

  EXPECT_EQ(GameFinished, 1);
  const int hints = Game->Sudoku->stats_givenhints;
  EXPECT_EQ(GameScore, hints > 15 ? INT_MAX / hints : INT_MAX);
  for (int i = kHint; i <= kClearBoard; ++i) EXPECT_EQ(Widgets.inGame[size_t(i)]->grayedout, 1);
  auto saved = THighscore::Create();
  EXPECT_EQ(saved->list[0]->score, GameScore);
  EXPECT_EQ(saved->list[0]->name, "Quick");

  // A finished board takes no more moves or commands.
  const std::string file = FileBytes("highscore.dat");
  const int digit = PlayMaps.Map[c][r][0];
  ClickCell(c, r);
  Click(*Widgets.inGame[kClearBoard]);
  Click(*Widgets.inGame[kHint]);
  EXPECT_EQ(PlayMaps.Map[c][r][0], digit);
  EXPECT_EQ(FileBytes("highscore.dat"), file);
}

TEST_F(GameTest, SolvingFinishesWithoutAScore) {
  StartLevelOne();
  const std::string file = FileBytes("highscore.dat");
  Click(*Widgets.inGame[kSolve]);
  EXPECT_EQ(GameFinished, 1);
  EXPECT_EQ(GameScore, 0);
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) EXPECT_EQ(PlayMaps.Map[x][y][0], PlayMaps.SolutionMap[x][y][0]);
  EXPECT_EQ(FileBytes("highscore.dat"), file);
  Game->Draw(1);  // the result panel says it was solved for the player

  // Leaving for the start menu un-greys the commands; a new game clears the flag.
  Click(*Widgets.inGame[kQuitToMenu]);
  EXPECT_EQ(GameState, GAME_STARTMENU);
  EXPECT_EQ(Widgets.inGame[kSolve]->grayedout, 0);
}

TEST_F(GameTest, CommandsShowWrongTurnsClearTheBoardAndStartAnew) {
  StartLevelOne();
  Click(*Widgets.inGame[kShowWrong]);
  EXPECT_EQ(ShowWrongTurns, 1);
  EXPECT_EQ(Widgets.inGame[kShowWrong]->on, 1);
  EXPECT_EQ(Widgets.inGame[kShowWrong]->manualState, 1);

  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  ClickCell(c, r);
  Click(*Widgets.inGame[kHint]);
  int hc = 0, hr = 0;
  ASSERT_TRUE(FindCell(2, hc, hr));
  int gc = 0, gr = 0;
  ASSERT_TRUE(FindCell(1, gc, gr));
  const int given = PlayMaps.Map[gc][gr][0];
  Click(*Widgets.inGame[kClearBoard]);
  EXPECT_EQ(PlayMaps.Map[c][r][0], 0);
  EXPECT_EQ(PlayMaps.Map[hc][hr][0], 0);  // hint stones go too
  EXPECT_EQ(PlayMaps.Map[gc][gr][0], given);

  const int last = LastGameState;
  Click(*Widgets.inGame[kNewGame]);
  EXPECT_EQ(GameState, GAME_GAMEMENU);
  EXPECT_EQ(LastGameState, last);  // set directly
  // The unfinished game waits for "Back" as it was; a new game starts without
  // the mistakes shown.
  EXPECT_EQ(ShowWrongTurns, 1);
  Click(*Widgets.gameStart);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(ShowWrongTurns, 0);
  EXPECT_EQ(Widgets.inGame[kShowWrong]->on, 0);
}

TEST_F(GameTest, MixItShufflesAMinuteAfterTheFirstPlayUpdateAndSweepsTheBoard) {
  StartLevelOne(1);  // Mix It every minute
  Game->ReplaceStonesActive = 0;
  const size_t texts = TTextEffect::All().Size();
  Step();
  const int first = GameClock::now;
  EXPECT_EQ(Game->MixItTimer, first + 60000);
  while (!Game->ReplaceStonesActive && GameClock::now - first < 70000) Step();
  EXPECT_GT(GameClock::now - first, 60000);
  EXPECT_LE(GameClock::now - first, 60000 + 17);
  EXPECT_EQ(TTextEffect::All().Size(), texts + 3);
  EXPECT_TRUE(IsPermutation(Game->ReplaceStonesPreview, Game->MaxColors));

  const auto preview = Game->ReplaceStonesPreview;
  const int started = GameClock::now;
  while (Game->ReplaceStonesActive && GameClock::now - started < 10000) Step();
  EXPECT_GE(GameClock::now - started, 81 * 40);
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(Game->ReplaceStones[size_t(i)], preview[size_t(i)]);
  Game->MixItActivated = 0;
}

TEST_F(GameTest, SweepShowsTheNewSymbolsWhereItHasPassed) {
  for (auto& column : PlayMaps.Map)
    for (auto& cell : column) cell[0] = 1;
  Game->ReplaceStones[1] = 1;
  Game->ReplaceStonesPreview[1] = 2;
  Game->ReplaceStonesActive = 1;
  auto newSymbol = [](int column, int row) { return Game->GetStoneColor(column, row) == 2; };

  Game->ReplaceStonesPosition = 10;  // sweep row 1, column 1, running right to left
  for (int c = 0; c < 9; ++c) {
    EXPECT_TRUE(newSymbol(c, 0));
    EXPECT_FALSE(newSymbol(c, 1));
  }
  Game->ReplaceStonesPosition = 11;
  EXPECT_TRUE(newSymbol(8, 1));
  EXPECT_FALSE(newSymbol(7, 1));
  Game->ReplaceStonesPosition = 2;  // an even row, left to right
  EXPECT_TRUE(newSymbol(1, 0));
  EXPECT_FALSE(newSymbol(2, 0));
  EXPECT_FALSE(newSymbol(0, 1));
  Game->ReplaceStonesPosition = 81;
  EXPECT_TRUE(newSymbol(8, 8));
  Game->ReplaceStonesActive = 0;
  EXPECT_FALSE(newSymbol(0, 0));
  EXPECT_EQ(Game->GetStoneFrame(Game->GetStoneColor(0, 0)), 0);
}

TEST_F(GameTest, EndOfTheSweepTakesOverSymbolsUpToEleven) {
  StartLevelOne();
  for (int i = 0; i < kSymbolSlots; ++i) {
    Game->ReplaceStones[size_t(i)] = i;
    Game->ReplaceStonesPreview[size_t(i)] = i == 0 ? 0 : kSymbolSlots - i;
  }
  Game->ReplaceStonesActive = 1;
  Game->ReplaceStonesPosition = 81;
  Step();
  EXPECT_EQ(Game->ReplaceStonesActive, 0);
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(Game->ReplaceStones[size_t(i)], kSymbolSlots - i);
  for (int i = 12; i < kSymbolSlots; ++i) EXPECT_EQ(Game->ReplaceStones[size_t(i)], i);
  Game->MaxColors = 9;
  Game->InitStones();
}

TEST_F(GameTest, RandomizedSymbolsArePermutationsLeavingOtherSlotsAlone) {
  Game->MaxColors = 9;
  Game->InitStones();
  Game->ReplaceStonesPreview[10] = 77;
  SeedRnd(4242);
  Game->RandomizeStones();
  EXPECT_TRUE(IsPermutation(Game->ReplaceStonesPreview, 9));
  EXPECT_EQ(Game->ReplaceStonesPreview[0], 0);
  EXPECT_EQ(Game->ReplaceStonesPreview[10], 77);
  const auto first = Game->ReplaceStonesPreview;
  bool moved = false;
  for (int i = 1; i <= 9; ++i) moved = moved || first[size_t(i)] != i;
  EXPECT_TRUE(moved);
  SeedRnd(4242);
  Game->RandomizeStones();
  EXPECT_EQ(Game->ReplaceStonesPreview, first);
  Game->InitStones();
  Game->ReplaceStonesPreview[10] = 0;
}

TEST(PlayTime, MinutesAndSecondsWithTwoDigits) {
  EXPECT_EQ(PlayTimeText(3725 * 1000 + 999), "62:05");
  EXPECT_EQ(PlayTimeText(59999), "00:59");
  EXPECT_EQ(PlayTimeText(0), "00:00");
  EXPECT_EQ(PlayTimeText(-5000), "00:00");
  EXPECT_EQ(PlayTimeText(INT_MAX), "35791:23");
}
