// A software canvas of the game's size, a hand-moved clock, fresh input
// trackers and an empty widget registry for every test; helpers that run
// updates with the pointer and keys as a player would.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "../drawing/manual_clock.h"
#include "../drawing/temp_dir.h"
#include "drawing/graphics.h"
#include "drawing/input.h"
#include "drawing/platform.h"
#include "presentation/theme_host.h"
#include "support/localization.h"
#include "widgets/game_graphics.h"
#include "widgets/gui_object.h"
#include "widgets/gui_resources.h"
#include "widgets/input_trackers.h"

class WidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto clock = std::make_unique<ManualClock>(100000);
    clock_ = clock.get();
    drawing::SetPlatform(std::move(clock));
    drawing::FlushKeys();
    drawing::FlushMouse();
    ASSERT_TRUE(drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE));
    ASSERT_TRUE(drawing::Graphics(800, 600, 0));
    GameGraphics.Set(800, 600, 150, 0);
    drawing::SetClsColor(0, 0, 0);
    drawing::Cls();
    MouseManager = TMouseManager{};
    KeyManager = TKeyManager{};
    KeyWrapper = TKeyWrapper{};
    GUIObjectList.clear();
    ActiveUid = 0;
    GUIResources = TGUIResources{};
    Localization::Dispose();
    SetThemeHost(nullptr);
  }
  void TearDown() override {
    GUIObjectList.clear();
    ActiveUid = 0;
    GUIResources = TGUIResources{};
    SetThemeHost(nullptr);
    Localization::Dispose();
    drawing::EndGraphics();
    drawing::SetPlatform(nullptr);
  }

  // One fixed update: 17 ms pass, then the trackers take their snapshot.
  void Step() {
    clock_->now += 17;
    KeyManager.changeStatus();
    MouseManager.changeStatus(0);
  }
  void MoveTo(int x, int y) {
    drawing::Input().mouse_x = x;
    drawing::Input().mouse_y = y;
  }
  void Press() { drawing::Input().PressButton(1); }
  void Release() { drawing::Input().ReleaseButton(1); }

  // Press over (x, y) and hold into the second update (state down), each
  // update running the registry for `state`.
  void PressAndHold(int x, int y, const std::string& state) {
    MoveTo(x, y);
    Press();
    Step();
    TGUIobject::UpdateAll(state, 0);
    Step();
    TGUIobject::UpdateAll(state, 0);
  }
  // PressAndHold, then release in the next update.
  void ClickAt(int x, int y, const std::string& state) {
    PressAndHold(x, y, state);
    Release();
    Step();
    TGUIobject::UpdateAll(state, 0);
    Step();  // back to normal
  }

  // A key held for two updates (hit, then down: the update in which it fires).
  void HoldKeyTwoUpdates(int key) {
    drawing::Input().PressKey(key);
    Step();
    Step();
  }

  ManualClock* clock_ = nullptr;
};

// Language files written into a temporary folder and loaded.
class LangFolder {
 public:
  // Writes <language>.lang with these lines.
  std::string Write(const std::string& language, const std::string& lines) {
    const std::string path = dir_ / (language + ".lang");
    std::ofstream(path, std::ios::binary) << lines;
    return path;
  }
  // Writes the file, registers the language and loads it.
  void Load(const std::string& language, const std::string& lines) {
    const std::string path = Write(language, lines);
    Localization::AddLanguages(language);
    Localization::LoadResource(path);
  }
  std::string Folder() const { return dir_.str(); }

 private:
  TempDir dir_;
};
