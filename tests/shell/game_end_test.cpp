// The end of a game and the start of the next: the number picker never
// outlives its game, the play clock stops where the score was taken, and the
// commands look as they work.
#include "engine/score.h"
#include "game_fixture.h"

namespace {

// The picker opened over the first empty player cell.
void OpenPickerOnEmptyCell(int& column, int& row) {
  ASSERT_TRUE(GameTest::FindCell(0, column, row));
  GameTest::ClickCell(column, row, 2);
  ASSERT_EQ(PickerOpen, 1);
}

// Clicks where the open (or last) picker shows a digit.
void ClickPickerDigit(int x, int y, int digit) {
  const int i = digit - 1;
  GameTest::Click(x + 20 + (i % 3) * 55 + 25, y + 20 + (i / 3) * 55 + 25);
}

int Cell(int c, int r) { return PlayMaps.Map[c][r][0]; }

}  // namespace

TEST_F(GameTest, SolvingClosesThePickerAndItsDigitsNoLongerReachTheBoard) {
  StartLevelOne();
  int c = 0, r = 0;
  OpenPickerOnEmptyCell(c, r);
  const int x = PickerX, y = PickerY;
  Click(*Widgets.inGame[kSolve]);
  EXPECT_EQ(PickerOpen, 0);
  ASSERT_EQ(GameFinished, 1);
  const int solved = Cell(c, r);
  const int other = solved % 9 + 1;
  ClickPickerDigit(x, y, other);
  EXPECT_EQ(Cell(c, r), solved);
  EXPECT_EQ(GameFinished, 1) << "the computer's solution is never handed to the player";
  EXPECT_EQ(GameScore, 0);
}

TEST_F(GameTest, ANewGameOrAClearedBoardClosesThePicker) {
  StartLevelOne();
  int c = 0, r = 0;
  OpenPickerOnEmptyCell(c, r);
  Click(*Widgets.inGame[kClearBoard]);
  EXPECT_EQ(PickerOpen, 0);
  EXPECT_EQ(PickerColumn, -1);

  OpenPickerOnEmptyCell(c, r);
  const int x = PickerX, y = PickerY;
  Click(*Widgets.inGame[kNewGame]);
  EXPECT_EQ(PickerOpen, 0);
  // The next puzzle may have a given where the picker was: it stays as given.
  GameState = GAME_GAMEMENU;
  Widgets.difficulty->actvalue = 0;
  Click(*Widgets.gameStart);
  ASSERT_EQ(GameState, GAME_RUNNING);
  int before[9][9];
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j) before[i][j] = Cell(i, j);
  ClickPickerDigit(x, y, 5);
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j)
      if (PlayMaps.Map[i][j][1] != 0) {
        EXPECT_EQ(Cell(i, j), before[i][j]) << i << "," << j;
      }
  EXPECT_EQ(PickerOpen, 0);
}

TEST_F(GameTest, APickerOverACellAHintFilledWritesNothing) {
  StartLevelOne();
  int c = 0, r = 0;
  OpenPickerOnEmptyCell(c, r);
  const int x = PickerX, y = PickerY;
  // The hint went to the picker's cell (as a hint may) while it was open.
  PlayMaps.Map[c][r][0] = PlayMaps.SolutionMap[c][r][0];
  PlayMaps.Map[c][r][1] = 2;
  const int hinted = Cell(c, r);
  ClickPickerDigit(x, y, hinted % 9 + 1);
  EXPECT_EQ(Cell(c, r), hinted);
  EXPECT_EQ(PlayMaps.Map[c][r][1], 2);
  EXPECT_EQ(PickerOpen, 0);

  // "Select nothing" empties only a player's cell either.
  int e = 0, f = 0;
  OpenPickerOnEmptyCell(e, f);
  PlayMaps.Map[e][f][0] = PlayMaps.SolutionMap[e][f][0];
  PlayMaps.Map[e][f][1] = 1;
  Click(*Widgets.selectNothing);
  EXPECT_EQ(Cell(e, f), PlayMaps.SolutionMap[e][f][0]);
}

TEST_F(GameTest, ThePlayClockStopsWhereTheScoreWasTakenUntilTheNextGame) {
  StartLevelOne();
  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y)
      if ((x != c || y != r) && PlayMaps.Map[x][y][1] == 0) PlayMaps.Map[x][y][0] = PlayMaps.SolutionMap[x][y][0];
  GameClock::now += 65000;
  ClickCell(c, r, 2);
  ClickPickerDigit(PickerX, PickerY, PlayMaps.SolutionMap[c][r][0]);
  ASSERT_EQ(GameFinished, 1);
  ASSERT_GT(GameScore, 0);
  const int played = PlayedMs(GameClock::now);
  EXPECT_GE(played, 65000);
  EXPECT_EQ(GameScore, ComputeScore(Game->MixItScoreMulti, Game->Sudoku->stats_givenhints, CurrentLevel, played,
                                    StoneSetFactor))
      << "the clock shows the time the score was computed for";
  Step(600);  // ten seconds under the result panel
  EXPECT_EQ(PlayedMs(GameClock::now), played);
  EXPECT_EQ(PlayTimeText(PlayedMs(GameClock::now)), PlayTimeText(played));

  // Solving stops it the same way; the next game starts it from zero.
  StartLevelOne();
  EXPECT_LT(PlayedMs(GameClock::now), 1000);
  Step(120);
  Click(*Widgets.inGame[kSolve]);
  const int solvedAt = PlayedMs(GameClock::now);
  EXPECT_GE(solvedAt, 2000);
  Step(300);
  EXPECT_EQ(PlayedMs(GameClock::now), solvedAt);
  StartLevelOne();
  EXPECT_LT(PlayedMs(GameClock::now), 1000);
  Step(60);
  EXPECT_GE(PlayedMs(GameClock::now), 1000) << "runs again in the new game";
}

TEST_F(GameTest, ShowMistakesLooksOffAtTheStartOfTheNextGame) {
  StartLevelOne();
  Click(*Widgets.inGame[kShowWrong]);
  ASSERT_EQ(ShowWrongTurns, 1);
  Click(*Widgets.inGame[kSolve]);
  Game->Draw(1);  // drawn greyed under the result panel
  Click(*Widgets.inGame[kNewGame]);
  ASSERT_EQ(GameState, GAME_GAMEMENU);
  Game->Draw(1);
  Widgets.difficulty->actvalue = 0;
  Click(*Widgets.gameStart);
  ASSERT_EQ(GameState, GAME_RUNNING);
  Game->Draw(1);
  const TGUIButton& showWrong = *Widgets.inGame[kShowWrong];
  EXPECT_EQ(showWrong.grayedout, 0);
  EXPECT_EQ(showWrong.on, 0) << "drawn neither greyed nor pressed";
  Click(showWrong);
  EXPECT_EQ(ShowWrongTurns, 1);
  EXPECT_EQ(showWrong.on, 1);
}

TEST_F(GameTest, StoneSetButtonsFollowTheLanguage) {
  const auto german = std::find(LanguageFiles.begin(), LanguageFiles.end(), "german") - LanguageFiles.begin();
  const auto english = std::find(LanguageFiles.begin(), LanguageFiles.end(), "english") - LanguageFiles.begin();
  ASSERT_LT(size_t(german), LanguageFiles.size());
  OnLanguageChosen(Widgets.lists, int(german), Language);
  EXPECT_EQ(Widgets.stoneSets[0]->value, "Zahlen");
  EXPECT_EQ(Widgets.stoneSets[2]->value, "Objekte");
  OnLanguageChosen(Widgets.lists, int(english), Language);
  EXPECT_EQ(Widgets.stoneSets[0]->value, "Numbers");
  EXPECT_EQ(Widgets.stoneSets[1]->value, "Persons");
  EXPECT_EQ(CurrentSkin->StoneSkin[0]->Description, "Numbers");
}

TEST_F(GameTest, EveryControlUnderTheBoardGreysOutAtTheEndAndDoesNothing) {
  StartLevelOne();
  TPlaySession& play = Game->Play;
  Click(*play.tools[kToolNotesMode]);
  ASSERT_TRUE(play.board.notesMode);
  Click(*Widgets.inGame[kSolve]);
  ASSERT_EQ(GameFinished, 1);
  for (int tool = 0; tool < kPlayTools; ++tool) EXPECT_EQ(play.tools[size_t(tool)]->grayedout, 1) << "tool " << tool;
  Click(*play.tools[kToolNotesMode]);
  EXPECT_TRUE(play.board.notesMode) << "a greyed button toggled notes mode";
  drawing::Input().PressKey('N');
  Step();
  drawing::Input().ReleaseKey('N');
  Step(2);
  EXPECT_TRUE(play.board.notesMode) << "the N key toggled notes mode after the end";

  StartLevelOne();
  Step();
  EXPECT_EQ(play.tools[kToolNotesMode]->grayedout, 0) << "the next game's notes button is live again";
  EXPECT_FALSE(play.board.notesMode);
}
