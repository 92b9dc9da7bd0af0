// The program's spine: the fixed-rate main loop shared by every game object.
#pragma once

#include <string>

#include "drawing/image.h"

// Set to 1 to leave the main loop.
extern int QuitGame;
// Frame of the cursor image drawn by the loop (0 menus and board, 1 play screen off the board).
extern int CursorMode;
extern drawing::ImagePtr CursorImage;

class TBaseGame {
 public:
  static constexpr float dt = 0.0166666675f;         // one update, 1/60 s
  static constexpr float graphicdt = 0.0333333351f;  // one frame, 1/30 s

  virtual ~TBaseGame() = default;
  virtual void Update() = 0;
  virtual void Draw(int flag) = 0;
  // A still screen changes only with the pointer, the window and its detail
  // (a number that differs between screens and whenever something else on
  // the screen does), so its frames are drawn only when one of those
  // changed (shell/frame_demand.h).
  virtual bool StillScreen() const { return false; }
  virtual int StillScreenDetail() const { return 0; }

  // Runs until QuitGame is 1 or the window is closed. Returns 0.
  int GameLoop();
  // Escape, the quit button or the window system asked the program to end:
  // a puzzle being made stops, and the game before stays.
  static bool EndRequested();
  // Forgets the loop's time reference, so time spent blocked (puzzle
  // generation) is not caught up.
  static void ResetLoopTiming();
  // The game's own pointer at the current position.
  static void DrawCursor();

  // Settings (shell/settings.h). LoadConfig raises the XML error or
  // SettingsError("root not found"); SetConfig raises SettingsError when not
  // even an 800 x 600 window opens. All return 0.
  int LoadConfig(const std::string& path = "settings.xml");
  int SetConfig();
  int SaveConfig(const std::string& path);
  // Saves when the file holds other values than the game (or none at all),
  // and leaves it alone otherwise; true when it wrote.
  bool SaveConfigIfChanged(const std::string& path = "settings.xml");
};

// "screenshots/screen" + n (at least three digits) + ".png".
std::string ScreenshotName(int n);
// Saves the back buffer under the first free name; the folder must exist.
// Returns the name written, or "" when nothing was written.
std::string TakeScreenshot();
