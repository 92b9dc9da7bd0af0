// Games of a chosen grade: started from the game menu, replayed from their
// code, continued from their save, and scored with their grade's level.
#include <cstring>
#include <string>

#include "engine/graded_puzzle.h"
#include "engine/score.h"
#include "game_fixture.h"
#include "shell/grade_choice.h"
#include "support/text_util.h"

namespace {

bool SameBoard(const TPlayMaps& a, const TPlayMaps& b) {
  return std::memcmp(a.Map, b.Map, sizeof a.Map) == 0 &&
         std::memcmp(a.SolutionMap, b.SolutionMap, sizeof a.SolutionMap) == 0;
}

int GradeListPosition(logic::Grade grade) {
  for (size_t i = 0; i < kChoosableGrades.size(); ++i)
    if (kChoosableGrades[i] == grade) return int(i) + 1;
  return 0;
}

class GradedGameTest : public GameTest {
 protected:
  static void StartFromMenu(logic::Grade grade) {
    GameState = GAME_GAMEMENU;
    Widgets.gradeChoice->SetActiveEntry(GradeListPosition(grade));
    Click(*Widgets.gameStart);
  }
};

TEST_F(GradedGameTest, AHardGameFromTheMenuComesBackFromItsCodeAndFromItsSave) {
  StartFromMenu(logic::Grade::kHard);
  ASSERT_EQ(GameState, GAME_RUNNING);
  ASSERT_TRUE(Game->Play.graded);
  EXPECT_EQ(Game->Play.graded->grade, logic::Grade::kHard);
  const std::string code = logic::FormGradedCode(*Game->Play.graded);
  const TPlayMaps first = PlayMaps;
  int givens = 0;
  for (const auto& column : PlayMaps.Map)
    for (const auto& cell : column) givens += cell[1] == 1 ? 1 : 0;
  EXPECT_GT(givens, 16);
  EXPECT_LT(givens, 81);

  // Typed in lower case, over a level game, from the start menu.
  StartLevelOne();
  GameState = GAME_REPEATGAMEMENU;
  LastGameState = GAME_STARTMENU;
  Widgets.levelCode->value = LowerAscii(code);
  Click(*Widgets.repeatStart);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(LevelCodeMessage, "");
  EXPECT_TRUE(SameBoard(PlayMaps, first));
  ASSERT_TRUE(Game->Play.graded);
  EXPECT_EQ(logic::FormGradedCode(*Game->Play.graded), code);

  // A move, the save, and the board lost: "Continue" brings it all back.
  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  ASSERT_TRUE(Game->Play.board.SetDigit(c, r, PlayMaps.SolutionMap[c][r][0]));
  const TPlayMaps played = PlayMaps;
  Game->SaveRunningGame();
  Game->Saves.Flush();
  EXPECT_NE(FileBytes("savegame.xml").find("code=\"" + code + "\""), std::string::npos);
  std::memset(PlayMaps.Map, 0, sizeof PlayMaps.Map);
  Game->Play.graded.reset();
  CurrentLevel = 3;
  ASSERT_TRUE(Game->ContinueSavedGame());
  EXPECT_TRUE(SameBoard(PlayMaps, played));
  ASSERT_TRUE(Game->Play.graded);
  EXPECT_EQ(logic::FormGradedCode(*Game->Play.graded), code);
}

TEST_F(GradedGameTest, AFinishedGradedGameScoresWithItsGradesLevel) {
  StartFromMenu(logic::Grade::kMedium);
  ASSERT_EQ(GameState, GAME_RUNNING);
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) PlayMaps.Map[x][y][0] = PlayMaps.SolutionMap[x][y][0];
  GameClock::now += 90000;
  const int played = GameClock::now - GameStartTime;
  ASSERT_EQ(Game->Sudoku->QuorbelIsSolved(0), 1);
  EXPECT_EQ(GameScore, ComputeScore(Game->MixItScoreMulti, Game->Sudoku->stats_givenhints,
                                    logic::GradeScoreLevel(logic::Grade::kMedium), played, StoneSetFactor));
  EXPECT_GT(GameScore, 0);
}

// A clock that moves a millisecond whenever it is read (a build reads it at
// least once per attempt), counting the window-event polls that every frame
// shown makes.
class TickingClock : public GameClock {
 public:
  int polls = 0;
  void Poll(drawing::InputState&) override { ++polls; }
  int Millis() override { return now++; }
};

// Z-1 takes 147 attempts: the creating screen is not drawn for each.
TEST_F(GradedGameTest, TheCreatingScreenIsDrawnAtMostThirtyTimesASecond) {
  auto owned = std::make_unique<TickingClock>();
  TickingClock& clock = *owned;
  drawing::SetPlatform(std::move(owned));
  GameState = GAME_REPEATGAMEMENU;
  LastGameState = GAME_STARTMENU;
  Widgets.levelCode->value = "Z-1";
  const int start = GameClock::now;
  Click(*Widgets.repeatStart);
  ASSERT_EQ(GameState, GAME_RUNNING);
  const int elapsed = GameClock::now - start;
  EXPECT_GE(clock.polls, 1);
  EXPECT_LE(clock.polls, elapsed * 30 / 1000 + 1) << "frames in " << elapsed << " ms";
}

// The start-up's check of a graded save builds its puzzle; "Continue" then
// takes the same game without building it again. A check stopped as the
// program ends neither offers the save nor sets it aside.
TEST_F(GradedGameTest, AGradedSaveIsBuiltOncePerStartAndAStoppedCheckKeepsIt) {
  StartFromMenu(logic::Grade::kHard);
  ASSERT_EQ(GameState, GAME_RUNNING);
  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  ASSERT_TRUE(Game->Play.board.SetDigit(c, r, PlayMaps.SolutionMap[c][r][0]));
  Game->SaveRunningGame();
  const std::string bytes = FileBytes("savegame.xml");
  std::filesystem::remove("savegame.xml.bad");  // set aside by another test
  Game->SaveCheck = TSaveCheck{};

  Game->SaveCheck.goOn = [](int) { return false; };
  Game->OfferSavedGame();
  EXPECT_FALSE(Game->Play.saveOffered);
  EXPECT_EQ(FileBytes("savegame.xml"), bytes);
  EXPECT_FALSE(std::filesystem::exists("savegame.xml.bad"));

  int attempts = 0;
  Game->SaveCheck.goOn = [&attempts](int) { return ++attempts > 0; };
  Game->OfferSavedGame();
  EXPECT_TRUE(Game->Play.saveOffered);
  EXPECT_GT(attempts, 0);
  attempts = 0;
  EXPECT_TRUE(Game->ContinueSavedGame());
  EXPECT_EQ(attempts, 0);
}

}  // namespace
