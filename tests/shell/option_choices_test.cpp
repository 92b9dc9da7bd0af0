// The option menu's choices wait for "Apply": a theme switch under a game
// keeps the game's stone set (and all that names it), and "Cancel" leaves
// nothing behind that a later "Apply" could carry out.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/level_code.h"
#include "game_fixture.h"
#include "shell/savegame.h"
#include "support/text_util.h"

namespace {

TGameSkinPtr ThemeAt(const std::string& path) {
  for (const TGameSkinPtr& skin : TGameSkin::ThemeList())
    if (skin->skinpath == path && skin != GameTest::Skin()) return skin;
  return nullptr;
}

class OptionChoicesTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    drawing::DeleteFile(kSaveGameFile);
  }
  void TearDown() override {
    // The shipped look for the other tests.
    TGameSkin::ChangeToSkin(ThemeAt("themes/base")->SkinID);
    CurrentSkin = Skin();
    GameTest::TearDown();
  }
  // A level-1 game in stone set 2 with one move made.
  static void StartInSetTwo() {
    GameState = GAME_GAMEMENU;
    Click(*Widgets.stoneSets[1]);
    StartLevelOne();
    ASSERT_EQ(CurrentSkin->ActiveStoneSkin, 2);
    int c = 0, r = 0;
    ASSERT_TRUE(FindCell(0, c, r));
    ClickCell(c, r);
    Game->Saves.Flush();
    ASSERT_TRUE(drawing::IsReadableDataFile(kSaveGameFile));
  }
  static std::string ShownCode() {
    return FormLevelCode(CurrentLevel, CurrentSkin->ActiveStoneSkin, Game->Sudoku->seed);
  }
  // Opens the settings over the board and picks a theme as a click on its entry would.
  static void PickTheme(const TGameSkinPtr& theme) {
    Click(*Widgets.inGame[kSettings]);
    ASSERT_EQ(GameState, GAME_OPTIONMENU);
    Step();
    Widgets.theme->OnChange_(theme->SkinID);
  }
  // Clicks a button of the option menu raised over the board.
  static void ClickRaised(const TGUIButton& button) { Click(button.x + 20, button.y - 100 + 10); }
  // What the background writer has finished, not an earlier save.
  static std::string SavedCode() {
    Game->Saves.Flush();
    return LoadSavedGameFile(kSaveGameFile)->code;
  }
};

TEST_F(OptionChoicesTest, AThemeSwitchKeepsTheGamesStoneSetCodeFactorAndSave) {
  StartInSetTwo();
  const std::string code = ShownCode();
  const auto board = PlayMaps.Map;
  const TGameSkinPtr base = CurrentSkin;
  const TGameSkinPtr winter = ThemeAt("themes/winter");
  ASSERT_TRUE(winter);

  PickTheme(winter);
  EXPECT_EQ(CurrentSkin, base) << "a pick alone changes nothing";
  ClickRaised(*Widgets.optionCancel);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(CurrentSkin, base);
  EXPECT_EQ(CurrentSkin->ActiveStoneSkin, 2);
  EXPECT_EQ(ShownCode(), code);
  // Nothing of the cancelled pick comes back with the next "Apply".
  Click(*Widgets.inGame[kSettings]);
  ClickRaised(*Widgets.optionApply);
  EXPECT_EQ(CurrentSkin, base);

  PickTheme(winter);
  ClickRaised(*Widgets.optionApply);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(CurrentSkin, winter);
  EXPECT_EQ(CurrentSkin->ActiveStoneSkin, 2);
  EXPECT_EQ(ShownCode(), code);
  EXPECT_EQ(StoneSetFactor, 3);
  EXPECT_EQ(SavedCode(), code);

  // Quit, and back with "Continue" after the sets were touched elsewhere.
  Click(*Widgets.inGame[kQuitToMenu]);
  ASSERT_EQ(GameState, GAME_STARTMENU);
  CurrentSkin->SetActiveStoneSkin(1);
  StoneSetFactor = 1;
  Click(*Game->Play.continueButton);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(CurrentSkin->ActiveStoneSkin, 2);
  EXPECT_EQ(ShownCode(), code);
  EXPECT_EQ(StoneSetFactor, 3);
  EXPECT_EQ(PlayMaps.Map, board);
}

TEST_F(OptionChoicesTest, AThemeWithoutTheGamesSetFallsBackToSetOneAndEverythingSaysSo) {
  // A theme of the base pictures without a second stone set.
  std::ifstream in("themes/base/config.xml", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::string config = ReplaceAll(text.str(), "%THEMEDIR%", "%BASETHEME%");
  const size_t from = config.find("<STONES2>");
  const size_t to = config.find("</STONES2>");
  ASSERT_NE(from, std::string::npos);
  config.erase(from, to + 10 - from);
  std::filesystem::create_directories("themes/twoless");
  std::ofstream("themes/twoless/config.xml", std::ios::binary) << config;
  const TGameSkinPtr twoless = TGameSkin::Create("themes/twoless");

  StartInSetTwo();
  const int seed = Game->Sudoku->seed;
  const auto board = PlayMaps.Map;
  Game->ReplaceStones[1] = 2;  // a mapping in force that the fallback must not scramble
  Game->ReplaceStones[2] = 1;
  Game->ReplaceStonesPreview = Game->ReplaceStones;

  PickTheme(twoless);
  ClickRaised(*Widgets.optionApply);
  ASSERT_EQ(CurrentSkin, twoless);
  EXPECT_EQ(CurrentSkin->ActiveStoneSkin, 1);
  const std::string code = FormLevelCode(CurrentLevel, 1, seed);
  EXPECT_EQ(ShownCode(), code);
  EXPECT_EQ(StoneSetFactor, 1);
  EXPECT_EQ(Game->Play.stoneSet, 1);
  EXPECT_EQ(SavedCode(), code);
  EXPECT_EQ(LoadSavedGameFile(kSaveGameFile)->stoneSetFactor, 1);
  EXPECT_EQ(Game->ReplaceStones[1], 2) << "the same number of pictures: the mapping stays";

  Click(*Widgets.inGame[kQuitToMenu]);
  Click(*Game->Play.continueButton);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(ShownCode(), code);
  EXPECT_EQ(StoneSetFactor, 1);
  EXPECT_EQ(PlayMaps.Map, board);
  Game->InitStones();
  auto& themes = TGameSkin::ThemeList();
  themes.erase(std::find(themes.begin(), themes.end(), twoless));
}

TEST_F(OptionChoicesTest, CancelDropsAChosenResolutionAndPutsTheLanguageBack) {
  GameState = GAME_STARTMENU;
  Language = Localization::Language();
  const std::string language = Language;
  Click(*Widgets.settings);
  ASSERT_EQ(GameState, GAME_OPTIONMENU);
  TGUIDropDown& resolutions = *Widgets.lists.resolution;
  int other = -1;
  for (size_t i = 0; i < resolutions.EntryList.size() && other < 0; ++i)
    if (resolutions.EntryList[i]->value != "800x600") other = int(i);
  ASSERT_GE(other, 0);
  // As a click on the entry does.
  resolutions.SetActiveEntry(other);
  resolutions.ListPosEntryID = resolutions.EntryList[size_t(other)]->entryid;
  resolutions.OnChange_(resolutions.ListPosEntryID);
  const auto another = std::find_if(LanguageFiles.begin(), LanguageFiles.end(),
                                    [&](const std::string& stem) { return stem != language; });
  ASSERT_NE(another, LanguageFiles.end());
  Widgets.lists.language->OnChange_(int(another - LanguageFiles.begin()));
  ASSERT_NE(Language, language);
  Click(*Widgets.optionCancel);
  ASSERT_EQ(GameState, GAME_STARTMENU);
  EXPECT_EQ(Language, language);
  EXPECT_EQ(Localization::Language(), language);

  Click(*Widgets.settings);
  Click(*Widgets.optionApply);
  EXPECT_EQ(ScreenWidth, 800) << "the cancelled resolution is not applied later";
  EXPECT_EQ(ScreenHeight, 600);
  EXPECT_EQ(drawing::GraphicsWidth(), 800);
}

}  // namespace

namespace {

// A full-screen setting written by hand at the desktop's size (headless
// runs stand for a 1920 x 1080 desktop) is shown as it is and never
// rewritten; picking that size again keeps full screen.
TEST_F(OptionChoicesTest, AFullScreenSettingAtTheDesktopsSizeIsShownAndKept) {
  ScreenWidth = 1920, ScreenHeight = 1080, Fullscreen = 1, GraphicsDepth = 32;
  Game->SaveConfig("settings.xml");
  const std::string written = FileBytes("settings.xml");
  ShowConfiguredDisplay();
  const TOptionLists& lists = Widgets.lists;
  EXPECT_EQ(lists.resolution->value, "1920x1080");
  EXPECT_EQ(lists.fullscreen->ListPosEntryID, 2);

  GameState = GAME_STARTMENU;
  Click(*Widgets.settings);
  Click(*Widgets.optionApply);
  EXPECT_EQ(FileBytes("settings.xml"), written) << "nothing picked, nothing rewritten";

  Click(*Widgets.settings);
  TGUIDropDown& resolutions = *lists.resolution;
  const int shown = resolutions.ListPosClicked;
  ASSERT_GE(shown, 0);
  resolutions.ListPosEntryID = resolutions.EntryList[size_t(shown)]->entryid;
  resolutions.OnChange_(resolutions.ListPosEntryID);
  Click(*Widgets.optionApply);
  EXPECT_EQ(Fullscreen, 1);
  EXPECT_EQ(GraphicsDepth, 32);
  EXPECT_EQ(FileBytes("settings.xml"), written);

  ScreenWidth = 800, ScreenHeight = 600, Fullscreen = 0, GraphicsDepth = 0;
  Game->SaveConfig("settings.xml");
  ASSERT_TRUE(drawing::Graphics(800, 600, 0, 60, 0));
  ShowConfiguredDisplay();
}

}  // namespace
