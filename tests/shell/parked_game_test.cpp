// A running game left for a menu comes back with all of its own values,
// however the way away ends, and only play time counts.
#include <string>

#include "game_fixture.h"
#include "shell/savegame.h"

namespace {

std::string PlayerBoard() {
  std::string cells;
  for (const auto& column : PlayMaps.Map)
    for (const auto& cell : column) cells += char('0' + cell[0]) + std::string(1, char('0' + cell[1]));
  return cells;
}

// One update with Escape pressed after the trackers took their snapshot, so
// only a generation running in that update sees it.
void StepPressingEscape() {
  GameClock::now += 17;
  KeyManager.changeStatus();
  MouseManager.changeStatus(0);
  drawing::Input().PressKey(27);
  Game->Update();
  drawing::Input().ReleaseKey(27);
}

enum class Ending {
  kBack,
  kEscapeDuringGeneration,
  kEscapeDuringGradedBuild,
  kCloseDuringGeneration,
  kCloseDuringGradedBuild,
  kAttemptLimit,
  kProgramEndInMenu
};

}  // namespace

TEST_F(GameTest, ANewGameThatDoesNotComeAboutGivesTheParkedGameBack) {
  const struct {
    const char* what;
    Ending ending;
  } cases[] = {
      {"Back", Ending::kBack},
      {"Escape during the generation", Ending::kEscapeDuringGeneration},
      {"Escape while a graded puzzle is built", Ending::kEscapeDuringGradedBuild},
      {"window closed (or SIGTERM) during the generation", Ending::kCloseDuringGeneration},
      {"window closed (or SIGTERM) while a graded puzzle is built", Ending::kCloseDuringGradedBuild},
      {"the generator's attempt limit", Ending::kAttemptLimit},
      {"program end in the menu", Ending::kProgramEndInMenu},
  };
  for (const auto& c : cases) {
    QuitGame = 0;
    StartLevelOne();
    for (int i = 0; i < 3; ++i) Click(*Widgets.inGame[kHint]);
    Step(120);
    // "New game" saves the game as it stands, then parks it.
    Click(*Widgets.inGame[kNewGame]);
    ASSERT_TRUE(Game->Suspended.Active()) << c.what;
    const std::string parked = FileBytes("savegame.xml");
    const std::string board = PlayerBoard();
    const int seed = Game->Sudoku->seed;
    const int hints = Game->Sudoku->stats_givenhints;  // the set-up's and the three

    // The menu's choices for the new game: Mix It every minute, level 8.
    Widgets.lists.mixIt->ListPosClicked = 1;
    Widgets.difficulty->actvalue = 7;
    Step(300);
    const TGUIobject& start = *Widgets.gameStart;
    switch (c.ending) {
      case Ending::kBack: Click(*Widgets.gameBack); break;
      case Ending::kEscapeDuringGradedBuild:
        Widgets.gradeChoice->SetActiveEntry(2);  // Hard
        [[fallthrough]];
      case Ending::kEscapeDuringGeneration:
        PointAt(start.x + start.width / 2, start.y + start.height / 2);
        Step();
        drawing::Input().PressButton(1);
        StepPressingEscape();
        StepPressingEscape();
        drawing::Input().ReleaseButton(1);
        StepPressingEscape();
        EXPECT_EQ(QuitGame, 1) << c.what;
        break;
      case Ending::kCloseDuringGradedBuild:
        Widgets.gradeChoice->SetActiveEntry(2);  // Hard
        [[fallthrough]];
      case Ending::kCloseDuringGeneration:
        // The window system's request lands in the update that starts the build.
        PointAt(start.x + start.width / 2, start.y + start.height / 2);
        Step();
        drawing::Input().PressButton(1);
        Step(2);
        drawing::Input().ReleaseButton(1);
        drawing::Input().terminate = true;
        Step();
        drawing::Input().terminate = false;
        break;
      case Ending::kAttemptLimit: {
        const int limit = Game->Sudoku->maxtries;
        Game->Sudoku->maxtries = -1;
        Click(start);
        Game->Sudoku->maxtries = limit;
        EXPECT_EQ(QuitGame, 1) << c.what;
        break;
      }
      case Ending::kProgramEndInMenu: break;
    }
    Game->SaveAtProgramEnd();
    EXPECT_EQ(GameState, GAME_RUNNING) << c.what;
    EXPECT_EQ(PlayerBoard(), board) << c.what;
    EXPECT_EQ(Game->Sudoku->seed, seed) << c.what;
    EXPECT_EQ(Game->Sudoku->stats_givenhints, hints) << c.what;
    EXPECT_EQ(Game->MixItActivated, 0) << c.what;
    EXPECT_EQ(Game->MixItScoreMulti, 1) << c.what;
    // The clocks moved on by the time away: the save is the one "New game" made.
    EXPECT_EQ(FileBytes("savegame.xml"), parked) << c.what;
    Widgets.lists.mixIt->ListPosClicked = -1;
    Widgets.difficulty->actvalue = 0;
    Widgets.gradeChoice->SetActiveEntry(0);
  }
  QuitGame = 0;
}

TEST_F(GameTest, TheInfoBoxParksTheGameLikeThePlayScreen) {
  StartLevelOne();
  for (int moves = 0; moves < 10; ++moves) {
    int c = 0, r = 0;
    ASSERT_TRUE(FindCell(0, c, r));
    ClickCell(c, r);
  }
  Step(60);
  const std::string board = PlayerBoard();
  Click(*Widgets.help);
  ASSERT_EQ(GameState, GAME_INFOBOX);
  Click(*Widgets.inGame[kNewGame]);
  ASSERT_EQ(GameState, GAME_GAMEMENU);
  ASSERT_TRUE(Game->Suspended.Active());
  const int elapsed = GameClock::now - GameStartTime;
  Step(600);
  Click(*Widgets.gameBack);
  EXPECT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(PlayerBoard(), board);
  EXPECT_EQ(GameClock::now - GameStartTime, elapsed);
}

TEST_F(GameTest, TimeOnTheStartMenuIsNoPlayTime) {
  StartLevelOne();
  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  ClickCell(c, r);
  Step(600);
  Click(*Widgets.inGame[kQuitToMenu]);
  ASSERT_EQ(GameState, GAME_STARTMENU);
  const std::string saved = FileBytes("savegame.xml");
  Step(3600);
  Game->SaveAtProgramEnd();
  EXPECT_EQ(FileBytes("savegame.xml"), saved);
}

// Mix It's next shuffle keeps its distance from the play clock however the
// player steps away and comes back, and time under the settings is play
// time that the save at program end holds.
TEST_F(GameTest, EveryWayAwayKeepsTheNextShuffleAndThePlayTime) {
  StartLevelOne(1);  // Mix It every minute
  Step(600);
  ASSERT_NE(Game->MixItTimer, 0);
  const auto untilShuffle = [] { return Game->MixItTimer - GameClock::now; };
  const int distance = untilShuffle();
  ASSERT_LT(distance, 55000);

  Click(*Widgets.inGame[kNewGame]);
  ASSERT_TRUE(Game->Suspended.Active());
  Step(600);
  Click(*Widgets.gameBack);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_NEAR(untilShuffle(), distance, 100) << "after the game menu and Back";

  Click(*Widgets.inGame[kQuitToMenu]);
  ASSERT_EQ(GameState, GAME_STARTMENU);
  GameClock::now += 3600000;
  Step();
  Click(*Game->Play.continueButton);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_NEAR(untilShuffle(), distance, 200) << "after Quit and Continue an hour later";

  const int played = GameClock::now - GameStartTime;
  Click(*Widgets.inGame[kSettings]);
  ASSERT_EQ(GameState, GAME_OPTIONMENU);
  Step(600);
  Game->SaveAtProgramEnd();
  Game->Saves.Flush();
  const std::optional<TSavedGame> saved = LoadSavedGameFile("savegame.xml");
  ASSERT_TRUE(saved);
  EXPECT_GE(saved->elapsed, played + 9900) << "ten seconds under the settings are play time";
  Widgets.lists.mixIt->ListPosClicked = -1;
}
