// The whole game started once per test program in a copy of the built game
// folder, with the software renderer and a clock that moves only when a
// test says so. Each test gets the game back in a known place.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "../drawing/temp_dir.h"
#include "drawing/files.h"
#include "drawing/graphics.h"
#include "drawing/input.h"
#include "drawing/platform.h"
#include "engine/sudoku_host.h"
#include "presentation/game_skin.h"
#include "presentation/theme_host.h"
#include "shell/build_pacer.h"
#include "shell/game.h"
#include "shell/game_host.h"
#include "shell/play_values.h"
#include "shell/screen_widgets.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "support/localization.h"
#include "widgets/game_graphics.h"
#include "widgets/input_trackers.h"
#include "widgets/option_lists.h"

class GameClock : public drawing::Platform {
 public:
  static inline int now = 100000;
  void Poll(drawing::InputState&) override {}
  int Millis() override { return now; }
  void Sleep(int ms) override { now += ms; }
  bool IsVirtual() const override { return true; }
};

class GameTest : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    if (Game) return;
    // The build puts the game folder beside the tests folder.
    const auto build = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
    ASSERT_TRUE(std::filesystem::exists(build / "game" / "settings.xml")) << "build the game_data target first";
    std::filesystem::copy(build / "game", Work().str(), std::filesystem::copy_options::recursive);
    std::filesystem::remove(Work() / "highscore.dat");
    Enter();
    StartUp();
    Skin() = CurrentSkin;
    Host() = std::make_shared<TGameSudokuHost>();
    StartSettings() = TSettingsGlobals::Now();
    StartSettingsFile() = FileBytes("settings.xml");
  }

  void SetUp() override {
    // A save still queued by the test before lands before this one starts.
    if (Game) Game->Saves.Flush();
    Enter();
    // Other tests of this program close the graphics and forget the
    // languages and the theme; bring them back.
    if (!drawing::GraphicsOpen()) {
      ASSERT_TRUE(drawing::Graphics(800, 600, 0, 60, 0));
    }
    StartSettings().Restore();
    std::ofstream("settings.xml", std::ios::binary | std::ios::trunc) << StartSettingsFile();
    // An applied resolution reopened the graphics at another size.
    if (drawing::GraphicsWidth() != 800 || drawing::GraphicsHeight() != 600) {
      ASSERT_TRUE(drawing::Graphics(800, 600, 0, 60, 0));
    }
    GameGraphics.Set(800, 600, 150, 0);
    if (Localization::Languages().empty()) ScanLanguages("lang");
    RestoreLookAndLanguage();
    ShowConfiguredDisplay();
    StoneSetFactor = 1;
    SetSudokuHost(Host());
    drawing::FlushKeys();
    drawing::FlushMouse();
    MouseManager = TMouseManager{};
    KeyManager = TKeyManager{};
    ActiveUid = 0;
    QuitGame = 0;
    LastGameState = GameState = GAME_STARTMENU;
    // No saved game from an earlier test, so the start menu asks nothing.
    drawing::DeleteFile("savegame.xml");
    Game->Play.saveOffered = false;
    Game->SaveLossQuestion = TSaveLossQuestion{};
    Game->PendingOptions.Close();
    PointAt(0, 0);
    ForgetEarlierGames();
  }

  // The game object lives as long as the test program; what one test's
  // games leave in it (Mix It values, a parked game, play aids, the player's
  // files) must not decide another test's result. Each test starts as the
  // program does on its first start.
  static void ForgetEarlierGames() {
    TGame& game = *Game;
    game.MixItActivated = 0;
    game.MixItTime = 0;
    game.MixItScoreMulti = 1;
    game.MixItTimer = 0;
    game.ReplaceStonesActive = 0;
    game.ReplaceStonesPosition = 0;
    game.Suspended.Discard();
    game.SaveCheck = TSaveCheck{};
    game.SaveCheck.goOn = TBuildPacer();
    PlaceGameMenuStart(false);
    game.Preferences = TPreferences{};
    game.PointerCaptured = false;
    game.HowToPlayPage = 0;
    game.Play.inProgress = false;
    game.Play.saveOffered = false;
    GameFinished = 0;
    ShowWrongTurns = 0;
    if (Widgets.inGame[kShowWrong]) Widgets.inGame[kShowWrong]->on = 0;
    PickerOpen = 0;
    PickerColumn = PickerRow = -1;
    Widgets.difficulty->actvalue = 0;
    Widgets.lists.mixIt->ListPosClicked = -1;
    Widgets.gradeChoice->SetActiveEntry(0);
    for (const char* file : {"savegame.xml", "preferences.xml"}) drawing::DeleteFile(file);
  }

  // The start-up theme with its own fonts and images (a theme switch leaves
  // another theme's fonts in the game), in English throughout: the stone
  // sets' captions too, which a language pick renews.
  static void RestoreLookAndLanguage() {
    CurrentSkin = Skin();
    if (ThemeHost* host = CurrentThemeHost()) host->SetGameFonts(CurrentSkin->SmallImageFont, CurrentSkin->ImageFont);
    TGameSkin::RefreshImages();
    CurrentSkin->SetActiveStoneSkin(1);
    const auto english = std::find(LanguageFiles.begin(), LanguageFiles.end(), "english");
    if (english != LanguageFiles.end()) {
      OnLanguageChosen(Widgets.lists, int(english - LanguageFiles.begin()), Language);
    } else {
      Localization::SetLanguage("english");
      Language = "english";
    }
  }

  // The settings' globals as the game started with them.
  struct TSettingsGlobals {
    int width, height, fullscreen, renderer, colorDepth, graphicsDepth, refreshRate;
    std::string player, language, skinPath;
    static TSettingsGlobals Now() {
      return {ScreenWidth, ScreenHeight, Fullscreen, DirectXMode, ColorDepth, GraphicsDepth, RefreshRate,
              PlayerName, Language, SkinPath};
    }
    void Restore() const {
      ScreenWidth = width;
      ScreenHeight = height;
      Fullscreen = fullscreen;
      DirectXMode = renderer;
      ColorDepth = colorDepth;
      GraphicsDepth = graphicsDepth;
      RefreshRate = refreshRate;
      PlayerName = player;
      Language = language;
      SkinPath = skinPath;
    }
  };
  static TSettingsGlobals& StartSettings() {
    static TSettingsGlobals values{};
    return values;
  }
  static std::string& StartSettingsFile() {
    static std::string bytes;
    return bytes;
  }

  void TearDown() override {
    // A test's own disk (a stuck or failing one) must not write the next test's saves.
    if (Game) {
      Game->Saves.Flush();
      Game->Saves.UseFileOps(drawing::DurableFileOps::System());
    }
    drawing::SetPlatform(nullptr);
    drawing::SetForcedSoftware(false);
    std::filesystem::current_path(Outside());
  }

  static TempDir& Work() {
    static TempDir dir;
    return dir;
  }
  static std::string Outside() {
    static const std::string path = std::filesystem::current_path().string();
    return path;
  }
  static void Enter() {
    Outside();
    std::filesystem::current_path(Work().str());
    drawing::SetForcedSoftware(true);
    drawing::SetPlatform(std::make_unique<GameClock>());
  }
  static TGameSkinPtr& Skin() {
    static TGameSkinPtr skin;
    return skin;
  }
  static std::shared_ptr<TSudokuHost>& Host() {
    static std::shared_ptr<TSudokuHost> host;
    return host;
  }

  // One fixed update as the main loop runs it, 1/60 s later than the last.
  static void Step(int updates = 1) {
    for (int i = 0; i < updates; ++i) {
      GameClock::now += 17;
      KeyManager.changeStatus();
      MouseManager.changeStatus(0);
      Game->Update();
    }
  }
  // The pointer at a game coordinate (the window is the 800 x 600 game area).
  static void PointAt(int x, int y) {
    drawing::Input().mouse_x = x;
    drawing::Input().mouse_y = y;
  }
  // A press held over two updates and released in the third, as a player
  // clicks; the update before lets the last click's release settle.
  static void Click(int x, int y, int button = 1) {
    PointAt(x, y);
    Step();
    drawing::Input().PressButton(button);
    Step(2);
    drawing::Input().ReleaseButton(button);
    Step();
  }
  static void Click(const TGUIobject& widget) { Click(widget.x + widget.width / 2, widget.y + widget.height / 2); }

  // A fresh level-1 puzzle from the game menu, ready to play.
  // `mixItEntry` picks Mix It's list entry (1: every minute), -1 none.
  static void StartLevelOne(int mixItEntry = -1) {
    GameState = GAME_GAMEMENU;
    Widgets.difficulty->actvalue = 0;
    Widgets.lists.mixIt->ListPosClicked = mixItEntry;
    Click(*Widgets.gameStart);
    ASSERT_EQ(GameState, GAME_RUNNING);
    GameFinished = 0;
    ShowWrongTurns = 0;
    PickerOpen = 0;
    PickerColumn = PickerRow = -1;
  }
  static std::string FileBytes(const std::string& path) {
    // Saves are written by a background writer: read what it has finished.
    if (Game) Game->Saves.Flush();
    std::string bytes;
    drawing::ReadWholeFile(path, bytes);
    return bytes;
  }
  // The first cell in engine order whose state is `state`.
  static bool FindCell(int state, int& column, int& row) {
    for (column = 0; column < 9; ++column)
      for (row = 0; row < 9; ++row)
        if (PlayMaps.Map[column][row][1] == state && (state != 0 || PlayMaps.Map[column][row][0] == 0)) return true;
    return false;
  }
  static void ClickCell(int column, int row, int button = 1) {
    Click(CellX[column][row] + 26, CellY[column][row] + 26, button);
  }
};
