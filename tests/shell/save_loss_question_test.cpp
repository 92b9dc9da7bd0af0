// A new puzzle from the start menu would replace the unfinished game that
// "Continue" offers: the player is asked once, and "Back" keeps the game.
#include "game_fixture.h"
#include "shell/savegame.h"

namespace {

class SaveLossQuestionTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    drawing::DeleteFile(kSaveGameFile);
    Game->Play.saveOffered = false;
  }
  // An unfinished game with one move, left for the start menu.
  static void LeaveAGameUnfinished() {
    StartLevelOne();
    int c = 0, r = 0;
    ASSERT_TRUE(FindCell(0, c, r));
    ClickCell(c, r);
    Click(*Widgets.inGame[kQuitToMenu]);
    ASSERT_EQ(GameState, GAME_STARTMENU);
    Step();
    Game->Saves.Flush();
    ASSERT_TRUE(drawing::IsReadableDataFile(kSaveGameFile));
    ASSERT_EQ(Game->Play.continueButton->enabled, 1);
  }
};

TEST_F(SaveLossQuestionTest, BackKeepsTheSavedGameAndStartAnywayGoesOn) {
  LeaveAGameUnfinished();
  const std::string saved = FileBytes(kSaveGameFile);

  struct Way {
    const TGUIButtonPtr& button;
    int state;
  };
  for (const Way& way : {Way{Widgets.startGame, GAME_GAMEMENU}, Way{Widgets.repeatGame, GAME_REPEATGAMEMENU}}) {
    Click(*way.button);
    EXPECT_EQ(GameState, GAME_STARTMENU) << "asked first";
    ASSERT_TRUE(Game->SaveLossQuestion.IsOpen());
    Click(*Widgets.quitGame);
    EXPECT_EQ(QuitGame, 0) << "the menu under the question takes no clicks";
    Click(*Widgets.lossBack);
    EXPECT_FALSE(Game->SaveLossQuestion.IsOpen());
    EXPECT_EQ(GameState, GAME_STARTMENU);
    EXPECT_EQ(FileBytes(kSaveGameFile), saved);
    EXPECT_EQ(Game->Play.continueButton->enabled, 1);

    Click(*way.button);
    Click(*Widgets.lossStartAnyway);
    EXPECT_EQ(GameState, way.state);
    EXPECT_EQ(FileBytes(kSaveGameFile), saved) << "kept until a new puzzle stands";
    GameState = GAME_STARTMENU;
  }

  // Asked once: from the game menu the new puzzle starts at once.
  Click(*Widgets.startGame);
  Click(*Widgets.lossStartAnyway);
  ASSERT_EQ(GameState, GAME_GAMEMENU);
  Widgets.lists.mixIt->ListPosClicked = -1;
  Click(*Widgets.gameStart);
  EXPECT_EQ(GameState, GAME_RUNNING);
  EXPECT_FALSE(Game->SaveLossQuestion.IsOpen());
  EXPECT_NE(FileBytes(kSaveGameFile), saved);
}

TEST_F(SaveLossQuestionTest, WithoutASavedGameNothingIsAskedAndTheTextsExistInBothLanguages) {
  Click(*Widgets.startGame);
  EXPECT_EQ(GameState, GAME_GAMEMENU);
  EXPECT_FALSE(Game->SaveLossQuestion.IsOpen());
  GameState = GAME_STARTMENU;
  Click(*Widgets.repeatGame);
  EXPECT_EQ(GameState, GAME_REPEATGAMEMENU);
  GameState = GAME_STARTMENU;

  std::string texts[2];
  const char* languages[2] = {"english", "german"};
  for (int i = 0; i < 2; ++i) {
    Localization::SetLanguage(languages[i]);
    ASSERT_FALSE(Text("SAVELOSS_QUESTION").empty()) << languages[i];
    ASSERT_FALSE(Text("STARTANYWAY").empty()) << languages[i];
    texts[i] = Text("SAVELOSS_QUESTION") + "|" + Text("STARTANYWAY");
    EXPECT_EQ(texts[i].find("SAVELOSS"), std::string::npos) << languages[i];
    EXPECT_EQ(texts[i].find("STARTANYWAY"), std::string::npos) << languages[i];
  }
  EXPECT_NE(texts[0], texts[1]);
  Localization::SetLanguage("english");
}

}  // namespace
