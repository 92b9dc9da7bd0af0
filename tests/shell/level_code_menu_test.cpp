// The repeat-game menu: codes typed as they are read, codes that are no
// codes, and codes that can never give a board.
#include <cstring>
#include <string>

#include "engine/level_code.h"
#include "engine/random.h"
#include "game_fixture.h"
#include "support/text_util.h"

namespace {

void OpenRepeatMenu(const std::string& code) {
  GameState = GAME_REPEATGAMEMENU;
  LastGameState = GAME_STARTMENU;
  Widgets.levelCode->value = code;
  LevelCodeMessage.clear();
}

}  // namespace

TEST_F(GameTest, CodeTypedInLowerCaseRegeneratesTheSameBoard) {
  GameState = GAME_GAMEMENU;
  Click(*Widgets.stoneSets[2]);
  StartLevelOne();
  const std::string code = FormLevelCode(CurrentLevel, CurrentSkin->ActiveStoneSkin, Game->Sudoku->seed);
  const Board board = Game->Sudoku->FCells;
  const Board solution = Game->Sudoku->Cells;

  CurrentSkin->SetActiveStoneSkin(1);
  CurrentLevel = 5;
  OpenRepeatMenu("  " + LowerAscii(code));  // an emptied input holds two blanks
  Click(*Widgets.repeatStart);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(Widgets.levelCode->value, "  " + code);
  EXPECT_EQ(LevelCodeMessage, "");
  EXPECT_EQ(CurrentLevel, 1);
  EXPECT_EQ(CurrentSkin->ActiveStoneSkin, 3);
  EXPECT_EQ(Game->Sudoku->FCells, board);
  EXPECT_EQ(Game->Sudoku->Cells, solution);
  EXPECT_EQ(Game->MixItActivated, 0);
  EXPECT_EQ(Game->MixItScoreMulti, 1);
}

TEST_F(GameTest, ALevelCodeBringsBackTheWholeBoard) {
  // Level 1 reveals givens at set-up; the general generator has moved on
  // between the two games, as it does with every hint and effect.
  StartLevelOne();
  const std::string code = FormLevelCode(CurrentLevel, CurrentSkin->ActiveStoneSkin, Game->Sudoku->seed);
  const TPlayMaps first = PlayMaps;
  SeedRnd(31337);
  OpenRepeatMenu(code);
  Click(*Widgets.repeatStart);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(std::memcmp(PlayMaps.Map, first.Map, sizeof first.Map), 0);
  EXPECT_EQ(std::memcmp(PlayMaps.SolutionMap, first.SolutionMap, sizeof first.SolutionMap), 0);
}

TEST_F(GameTest, CodesThatAreNoCodesGenerateNothing) {
  StartLevelOne();
  TPlayMaps before = PlayMaps;
  const int tries = Game->Sudoku->tries;
  const int seed = Game->Sudoku->seed;
  // Too short or negative: no seed to read; mistyped: no code at all.
  const char* codes[] = {"", "12", "63", "FFFFFFFF", "80000000", "H-3F2A9G", "Q-3F2A91", "H3F2A91", "FFFF247058E3"};
  for (const char* code : codes) {
    OpenRepeatMenu(code);
    Click(*Widgets.repeatStart);
    EXPECT_EQ(GameState, GAME_REPEATGAMEMENU) << code;
    EXPECT_EQ(LevelCodeMessage, "LEVELCODE_INVALID") << code;
    EXPECT_EQ(Game->Sudoku->tries, tries) << code;
    EXPECT_EQ(Game->Sudoku->seed, seed) << code;
    EXPECT_EQ(std::memcmp(&before, &PlayMaps, sizeof before), 0) << code;
    EXPECT_EQ(QuitGame, 0);
  }
  EXPECT_FALSE(Text("LEVELCODE_INVALID").empty());
  Game->Draw(1);  // the message in the box
  Step();
  EXPECT_EQ(LevelCodeMessage, "LEVELCODE_INVALID");
  Widgets.levelCode->value += "1";  // typing on takes the message away
  Step();
  EXPECT_EQ(LevelCodeMessage, "");
  Click(*Widgets.repeatStart);
  EXPECT_EQ(LevelCodeMessage, "LEVELCODE_INVALID");

  Click(*Widgets.repeatCancel);
  EXPECT_EQ(GameState, GAME_STARTMENU);
  EXPECT_EQ(LevelCodeMessage, "");
}

TEST_F(GameTest, CodeWithAStoneSetOutsideOneToFourPlaysWithSetOne) {
  GameState = GAME_GAMEMENU;
  Click(*Widgets.stoneSets[1]);  // set 2: the factor becomes 3
  StartLevelOne();
  ASSERT_EQ(StoneSetFactor, 3);
  const int seed = Game->Sudoku->seed;
  const Board board = Game->Sudoku->FCells;
  for (int stone_digit : {0, 5, 9}) {
    CurrentSkin->SetActiveStoneSkin(4);
    OpenRepeatMenu(dez2hex(std::stoi("1" + std::to_string(stone_digit) + std::to_string(seed))));
    Click(*Widgets.repeatStart);
    ASSERT_EQ(GameState, GAME_RUNNING) << stone_digit;
    EXPECT_EQ(CurrentSkin->ActiveStoneSkin, 1);
    EXPECT_EQ(Game->Sudoku->FCells, board);
    // The factor is the one of the set shown, not the one chosen before.
    EXPECT_EQ(StoneSetFactor, 1);
  }
}

// A code's game scores as the same game started from the game menu: the
// stone-set factor is the one of the code's set, whatever was chosen before.
TEST_F(GameTest, ACodesGameScoresWithTheFactorOfItsOwnStoneSet) {
  const struct {
    int chosenSet;
    std::string code;
    int factor;
  } cases[] = {
      {1, "1F5BE", 3},  // level 1, stone set 2
      {2, FormLevelCode(1, 1, 8446), 1},
      {4, FormLevelCode(1, 2, 8446), 3},
  };
  for (const auto& c : cases) {
    GameState = GAME_GAMEMENU;
    Click(*Widgets.stoneSets[size_t(c.chosenSet - 1)]);
    StartLevelOne();
    OpenRepeatMenu(c.code);
    Click(*Widgets.repeatStart);
    ASSERT_EQ(GameState, GAME_RUNNING) << c.code;
    EXPECT_EQ(StoneSetFactor, c.factor) << c.code;
    EXPECT_EQ(Game->Play.stoneSetFactor, c.factor) << c.code << ": the save's factor";
  }
}

TEST_F(GameTest, CodeThatCanNeverGiveABoardStaysInTheMenu) {
  int seed = 1;
  while (Game->Sudoku->RunGeneration(1, seed).status != GenerationStatus::kImpossible) ++seed;
  OpenRepeatMenu(FormLevelCode(1, 1, seed));
  Click(*Widgets.repeatStart);
  EXPECT_EQ(GameState, GAME_REPEATGAMEMENU);
  EXPECT_EQ(LevelCodeMessage, "LEVELCODE_IMPOSSIBLE");
  EXPECT_EQ(QuitGame, 0);
  EXPECT_FALSE(Text("LEVELCODE_IMPOSSIBLE").empty());
  Localization::SetLanguage("german");
  EXPECT_FALSE(Text("LEVELCODE_IMPOSSIBLE").empty());
  EXPECT_NE(Text("LEVELCODE_INVALID"), Text("LEVELCODE_IMPOSSIBLE"));
}

TEST_F(GameTest, TheCodeFieldIsEmptyEachTimeTheMenuOpens) {
  GameState = GAME_STARTMENU;
  for (const char* left : {"4C", "H-3F2A9G", ""}) {
    Click(*Widgets.repeatGame);
    ASSERT_EQ(GameState, GAME_REPEATGAMEMENU);
    EXPECT_EQ(Widgets.levelCode->Typed(), "") << "opened again after " << left;
    EXPECT_EQ(LevelCodeMessage, "");
    Widgets.levelCode->value = left;
    Click(*Widgets.repeatStart);  // a code that is no code leaves its message
    ASSERT_EQ(GameState, GAME_REPEATGAMEMENU);
    Click(*Widgets.repeatCancel);
    ASSERT_EQ(GameState, GAME_STARTMENU);
  }
}
