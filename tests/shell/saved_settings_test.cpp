// What the player set is kept in "settings.xml": "_APPLY" writes whatever
// the option screen shows that the file does not hold, a game started under
// a new name writes the name, and a file with nothing new is left alone.
#include <fstream>

#include "game_fixture.h"

namespace {

// The settings the game holds now, laid out unlike the game writes them, so
// that any rewrite shows in the bytes.
std::string HandWrittenSettings() {
  const SettingsValues v = CurrentSettings();
  std::string text = "<game><settings>\n";
  text += "<screenwidth> " + std::to_string(v.screenWidth) + "</screenwidth>";
  text += "<screenheight>" + std::to_string(v.screenHeight) + "</screenheight>";
  text += "<colordepth>24</colordepth>";  // read as 0: windowed, like the game
  text += "<fullscreen>1</fullscreen>";
  text += "<directx>" + std::to_string(v.directX) + "</directx>";
  text += "<refreshrate>" + std::to_string(v.refreshRate) + "</refreshrate>";
  text += "<language>" + v.language + "</language><username>" + v.username + "</username>";
  text += "<skin>" + v.skin + "</skin>\n</settings></game>";
  std::ofstream("settings.xml", std::ios::binary) << text;
  return text;
}

void ApplyFromStartMenu() {
  GameState = GAME_OPTIONMENU;
  LastGameState = GAME_STARTMENU;
  Widgets.lists.resolution->ListPosEntryID = -1;  // no resolution chosen
  GameTest::Click(*Widgets.optionApply);
  ASSERT_EQ(GameState, GAME_STARTMENU);
}

int LanguageIndex(const std::string& stem) {
  return int(std::find(LanguageFiles.begin(), LanguageFiles.end(), stem) - LanguageFiles.begin());
}

TGameSkinPtr ThemeAt(const std::string& path) {
  for (const TGameSkinPtr& skin : TGameSkin::ThemeList())
    if (skin->skinpath == path && skin != GameTest::Skin()) return skin;
  return nullptr;
}

}  // namespace

TEST_F(GameTest, ApplyWritesTheLanguageAndThemeShownAndLeavesAFileWithNothingNewAlone) {
  PlayerName = "Player";
  const std::string unchanged = HandWrittenSettings();
  ApplyFromStartMenu();
  EXPECT_EQ(FileBytes("settings.xml"), unchanged) << "nothing changed, nothing written";
  EXPECT_EQ(ScreenWidth, 800);

  OnLanguageChosen(Widgets.lists, LanguageIndex("german"), Language);
  ApplyFromStartMenu();
  const std::string german = FileBytes("settings.xml");
  EXPECT_NE(german.find("  <language>german</language>\r\n"), std::string::npos) << german;
  EXPECT_EQ(german, SettingsFileText()) << "the fourteen lines, whole";
  EXPECT_EQ(SettingsInFile("settings.xml"), CurrentSettings());

  const TGameSkinPtr winter = ThemeAt("themes/winter");
  ASSERT_TRUE(winter);
  TGameSkin::ChangeToSkin(winter->SkinID);
  ApplyFromStartMenu();
  EXPECT_NE(FileBytes("settings.xml").find("  <skin>themes/winter</skin>\r\n"), std::string::npos);

  // And back, so the other tests find the shipped look and language.
  TGameSkin::ChangeToSkin(ThemeAt("themes/base")->SkinID);
  OnLanguageChosen(Widgets.lists, LanguageIndex("english"), Language);
  ApplyFromStartMenu();
  EXPECT_NE(FileBytes("settings.xml").find("  <language>english</language>\r\n"), std::string::npos);
  EXPECT_NE(FileBytes("settings.xml").find("  <skin>themes/base</skin>\r\n"), std::string::npos);
}

TEST_F(GameTest, AGameStartedUnderANewNameWritesTheName) {
  PlayerName = "Player";
  Widgets.playerName->value = "Player";
  const std::string unchanged = HandWrittenSettings();
  StartLevelOne();
  EXPECT_EQ(FileBytes("settings.xml"), unchanged) << "the same name is not written again";

  Widgets.playerName->value = "Ada";
  StartLevelOne();
  EXPECT_EQ(PlayerName, "Ada");
  ASSERT_TRUE(SettingsInFile("settings.xml"));
  EXPECT_EQ(SettingsInFile("settings.xml")->username, "Ada");
  EXPECT_EQ(FileBytes("settings.xml"), SettingsFileText());

  // An emptied name field starts a game under no name, not under two blanks.
  Widgets.playerName->value = "";
  StartLevelOne();
  EXPECT_EQ(PlayerName, "");
  EXPECT_EQ(SettingsInFile("settings.xml")->username, "");
  EXPECT_NE(FileBytes("settings.xml").find("  <username></username>\r\n"), std::string::npos);

  Widgets.playerName->value = "Player";
  StartLevelOne();
  EXPECT_EQ(SettingsInFile("settings.xml")->username, "Player");
}

TEST_F(GameTest, AnUnknownLanguageIsKeptAsTheLanguageNameWhileTextsStay) {
  const std::string before = Localization::Language();
  Localization::SetLanguage(Language = "klingon");
  Localization::SetLanguageName("klingon");
  EXPECT_EQ(Localization::Language(), before) << "no file, no texts of its own";
  EXPECT_FALSE(Text("SETTINGS").empty());
  EXPECT_NE(SettingsFileText().find("  <language>klingon</language>\r\n"), std::string::npos);
  Localization::SetLanguage("english");
  EXPECT_EQ(Localization::LanguageName(), "english") << "a language with a file renames it";
}
