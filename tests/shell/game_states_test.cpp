// Start-up, the logo, the order screens run in, the game menu, the option
// menu and the info box.
#include <algorithm>

#include "drawing/files.h"
#include "game_fixture.h"
#include "widgets/screen_choices.h"
#include "shell/game_info.h"

namespace {

std::vector<std::string> EntryTexts(const TGUIDropDown& list) {
  std::vector<std::string> texts;
  for (const auto& entry : list.EntryList) texts.push_back(entry->value);
  return texts;
}

}  // namespace

TEST_F(GameTest, StartUpBuildsTheBoardGeometryListsAndTheme) {
  const int columns[9] = {250, 302, 354, 410, 462, 514, 570, 622, 674};
  const int rows[9] = {75, 127, 179, 235, 287, 339, 395, 447, 499};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(CellX[i][4], columns[i]);
    EXPECT_EQ(CellY[4][i], rows[i]);
  }

  // Themes but the start-up one, each "title  version" under its id.
  const auto& themes = TGameSkin::ThemeList();
  ASSERT_EQ(Widgets.theme->EntryList.size(), themes.size() - 1);
  for (size_t i = 1; i < themes.size(); ++i) {
    EXPECT_EQ(Widgets.theme->EntryList[i - 1]->value, themes[i]->title + "  " + themes[i]->version);
    EXPECT_EQ(Widgets.theme->EntryList[i - 1]->entryid, themes[i]->SkinID);
  }
  EXPECT_EQ(EntryTexts(*Widgets.lists.language), (std::vector<std::string>{"English", "Deutsch"}));

  // Every offered display choice (at least 800 x 600, the desktop's own
  // size too), each under its position in the offered choices; the
  // configured one is shown but not chosen.
  const TGUIDropDown& resolutions = *Widgets.lists.resolution;
  ASSERT_FALSE(resolutions.EntryList.empty());
  bool desktop = false;
  for (const auto& entry : resolutions.EntryList) {
    const TScreenChoice* mode = OfferedScreenChoice(entry->entryid);
    ASSERT_TRUE(mode);
    EXPECT_EQ(entry->value, std::to_string(mode->width) + "x" + std::to_string(mode->height));
    EXPECT_TRUE(mode->width >= 800 && mode->height >= 600);
    desktop = desktop || (mode->desktop && !mode->depths.empty());
  }
  EXPECT_TRUE(desktop) << "full screen at the desktop's own size";
  EXPECT_EQ(resolutions.value, "800x600");
  EXPECT_EQ(resolutions.ListPosEntryID, -1);

  EXPECT_EQ(Game->MaxColors, 9);
  EXPECT_EQ(SmallImageFont, CurrentSkin->SmallImageFont);
  EXPECT_EQ(Widgets.startGame->UseFont, SmallImageFont);
  EXPECT_EQ(Widgets.stoneSets[1]->value, CurrentSkin->StoneSkin[1]->Description);
  EXPECT_FALSE(Widgets.howToPlay->grayedout);  // it opens "How to play" now
  EXPECT_EQ(WindowTitle().rfind(std::string("Gridlet ") + kVersionLabel + " [", 0), 0u);
}

TEST_F(GameTest, LogoRunsItsPhasesAndHandsOverWithinTheSameUpdate) {
  Game->logoframe = 0;
  Game->logostate = 0;
  Game->logoeffectX = 0;
  GameState = GAME_LOGO;
  const int sweep = (drawing::ImageWidth(LogoImage) - drawing::ImageWidth(LogoEffectImage)) / 2;
  ASSERT_GT(sweep, 0);
  // A click on "_STARTGAME" waits for the start menu.
  PointAt(Widgets.startGame->x + 10, Widgets.startGame->y + 10);
  int phaseStart[5] = {0, -1, -1, -1, -1};
  int update = 0;
  while (GameState == GAME_LOGO && update < 1000) {
    ++update;
    if (Game->logostate == 3 && Game->logoframe >= 97) Widgets.startGame->Clicked = 1;
    const int before = Game->logostate;
    PreviewTimer = 0;
    Step();
    if (Game->logostate != before && Game->logostate < 5) phaseStart[Game->logostate] = update;
  }
  EXPECT_EQ(phaseStart[1], 100);                   // 100 updates of fading in
  EXPECT_EQ(phaseStart[2], 100 + sweep);           // the sweep, 2 pixels per update
  EXPECT_EQ(phaseStart[3], phaseStart[2] + 99);    // fading out
  EXPECT_EQ(phaseStart[4], phaseStart[3] + 33);    // coming up out of black
  // In that last update the start menu took the click and the game menu ran too.
  EXPECT_EQ(GameState, GAME_GAMEMENU);
  EXPECT_EQ(LastGameState, GAME_STARTMENU);
  EXPECT_GT(PreviewTimer, 0);
}

TEST_F(GameTest, GameMenuMapsSliderStoneSetsAndMixIt) {
  GameState = GAME_GAMEMENU;
  const int levels[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int value = 0; value <= 8; ++value) {
    Widgets.difficulty->actvalue = value;
    Step();
    EXPECT_EQ(CurrentLevel, levels[value]) << "slider " << value;
  }
  for (int n = 1; n <= 4; ++n) {
    Click(*Widgets.stoneSets[size_t(n - 1)]);
    EXPECT_EQ(CurrentSkin->ActiveStoneSkin, n);
    EXPECT_EQ(StoneSetFactor, n == 2 ? 3 : 1);
    for (int m = 1; m <= 4; ++m) EXPECT_EQ(Widgets.stoneSets[size_t(m - 1)]->on, m == n ? 1 : 0);
  }
  Click(*Widgets.stoneSets[1]);  // the factor stays with the set last clicked

  struct {
    int position, multi, time, activated;
  } choices[] = {{-1, 1, 0, 0}, {0, 1, 0, 0}, {1, 10, 60000, 1}, {2, 6, 120000, 1}, {3, 4, 180000, 1}, {4, 2, 300000, 1}};
  for (const auto& choice : choices) {
    GameState = GAME_GAMEMENU;
    Game->MixItTime = 0;
    Game->MixItTimer = 12345;
    Widgets.difficulty->actvalue = 0;
    Widgets.lists.mixIt->ListPosClicked = choice.position;
    Click(*Widgets.gameStart);
    ASSERT_EQ(GameState, GAME_RUNNING);
    EXPECT_EQ(LastGameState, GAME_CREATINGGAME);
    EXPECT_EQ(Game->MixItScoreMulti, choice.multi);
    EXPECT_EQ(Game->MixItActivated, choice.activated);
    if (choice.activated) {
      EXPECT_EQ(Game->MixItTime, choice.time);
    }
    // The play screen's first update comes in the next pass, so the shuffle
    // is not scheduled yet.
    EXPECT_EQ(Game->MixItTimer, 0);
    EXPECT_EQ(StoneSetFactor, 3);
    EXPECT_GT(GameStartTime, 0);
  }
}

TEST_F(GameTest, OptionMenuOverThePlayScreenKeepsItsWidgetsInPlace) {
  StartLevelOne();
  const int x = Widgets.optionApply->x, y = Widgets.optionApply->y;
  Click(*Widgets.inGame[kSettings]);
  ASSERT_EQ(GameState, GAME_OPTIONMENU);
  ASSERT_EQ(LastGameState, GAME_RUNNING);
  Step(3);
  Game->Draw(1);
  EXPECT_EQ(Widgets.optionApply->x, x);
  EXPECT_EQ(Widgets.optionApply->y, y);
  // The cancel button sits 100 pixels higher while the menu is over the board.
  Click(Widgets.optionCancel->x + 20, Widgets.optionCancel->y - 100 + 10);
  EXPECT_EQ(GameState, GAME_RUNNING);
}

TEST_F(GameTest, InfoBoxAlwaysLeadsBackToTheGame) {
  StartLevelOne();
  Click(*Widgets.help);
  ASSERT_EQ(GameState, GAME_INFOBOX);
  // The help button stays clickable under the box; a second press must not
  // make the box its own way back.
  Click(*Widgets.help);
  Click(*Widgets.infoClose);
  EXPECT_EQ(GameState, GAME_RUNNING);

  // The settings opened from under the box return to the game as well.
  Click(*Widgets.help);
  Click(*Widgets.inGame[kSettings]);
  ASSERT_EQ(GameState, GAME_OPTIONMENU);
  Click(Widgets.optionCancel->x + 20, Widgets.optionCancel->y - 100 + 10);
  EXPECT_EQ(GameState, GAME_RUNNING);
}

TEST_F(GameTest, KeepAliveDrawsOnlyEveryThousandthAttemptWithAVirtualClock) {
  GameState = GAME_CREATINGGAME;
  TGameSudokuHost host;
  Game->Sudoku->tries = 1;
  drawing::Input().PressKey(27);
  host.KeepScreenAlive();  // not drawn, so Escape is not even looked at
  EXPECT_EQ(QuitGame, 0);
  Game->Sudoku->tries = 2 * TGameSudokuHost::kVirtualClockRedrawInterval;
  host.KeepScreenAlive();
  EXPECT_EQ(QuitGame, 1);
  drawing::Input().ReleaseKey(27);
}
