#include "shell/base_game.h"

#include <algorithm>
#include <cmath>

#include "drawing/files.h"
#include "drawing/graphics.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "engine/clock_math.h"
#include "shell/frame_demand.h"
#include "shell/loop_pacing.h"
#include "widgets/game_graphics.h"
#include "widgets/input_trackers.h"

int QuitGame = 0;
int CursorMode = 0;
drawing::ImagePtr CursorImage;

namespace {

constexpr int KEY_ESCAPE = 27;
constexpr int KEY_F12 = 123;

int LastTime = 0;
float UpdateAccumulator = 0;
float DrawAccumulator = 0;
TFrameDemand Demand;


}  // namespace

void TBaseGame::ResetLoopTiming() { LastTime = 0; }

bool TBaseGame::EndRequested() { return QuitGame == 1 || drawing::AppTerminateSeen(); }

void TBaseGame::DrawCursor() {
  int x = GameGraphics.MouseX() - 7;
  int y = GameGraphics.MouseY() - (CursorMode == 1 ? 4 : 0);
  drawing::DrawImage(CursorImage, float(x), float(y), CursorMode);
}

int TBaseGame::GameLoop() {
  KeyWrapper.allowKey(13, 3, 400, 100);
  // A pass that runs several updates would see a press of Escape or F12
  // only when it fell on its last update; presses in the others are kept.
  // F12 is taken from the updates only: a pass without an update must not
  // see the same press again (one screenshot per press).
  bool escape_hit = false, f12_hit = false;
  for (;;) {
    if (KeyManager.IsHit(KEY_ESCAPE) || escape_hit) {
      QuitGame = 1;
      break;
    }
    if (f12_hit) TakeScreenshot();
    f12_hit = false;
    bool idle = true;
    if (LastTime == 0) LastTime = drawing::MilliSecs();
    int now = drawing::MilliSecs();
    // A clock that went back (or jumped by more than days) stands for no time.
    float elapsed = float(std::max(ClockDifference(now, LastTime), 0) / 1000.0);
    LastTime = now;
    UpdateAccumulator += elapsed;
    DrawAccumulator += elapsed;
    while (UpdateAccumulator >= dt) {
      drawing::BeginFixedUpdate();
      KeyManager.changeStatus();
      MouseManager.changeStatus(0);
      escape_hit = escape_hit || KeyManager.IsHit(KEY_ESCAPE);
      f12_hit = f12_hit || KeyManager.IsHit(KEY_F12);
      // The program ends at this pass's end; what this update starts (a new
      // puzzle) must already know, or it runs to the end and replaces the game.
      if (escape_hit) QuitGame = 1;
      Update();
      UpdateAccumulator -= dt;
      idle = false;
    }
    // Nothing drawn can be seen while the window is minimised or hidden:
    // no frames, and none caught up when it shows again.
    const bool frames_wanted = !drawing::WindowHidden();
    if (!frames_wanted) DrawAccumulator = 0;
    const int frames_started = drawing::MilliSecs();
    int frames_drawn = 0;
    while (frames_wanted && DrawAccumulator >= graphicdt) {
      DrawAccumulator -= graphicdt;
      const ScreenLook look{StillScreenDetail(),
                            GameGraphics.MouseX(),
                            GameGraphics.MouseY(),
                            drawing::MouseDown(1) | drawing::MouseDown(2) << 1 | drawing::MouseDown(3) << 2,
                            drawing::WindowExposures(),
                            drawing::GraphicsWidth(),
                            drawing::GraphicsHeight()};
      if (!Demand.Wanted(StillScreen(), look, drawing::MilliSecs())) continue;
      Draw(1);
      DrawCursor();
      drawing::Flip(0);
      Demand.Drawn(look, drawing::MilliSecs());
      if (KeyManager.IsHit(KEY_ESCAPE)) QuitGame = 1;
      idle = false;
      // Frames that take longer to draw than the time they stand for would
      // pile up without end and starve input: the missed ones are dropped.
      ++frames_drawn;
      if (ClockDifference(drawing::MilliSecs(), frames_started) > frames_drawn * 1000 / 30) {
        DrawAccumulator = std::fmod(DrawAccumulator, graphicdt);
      }
    }
    if (idle) {
      drawing::Delay(IdleSleepMs(dt - UpdateAccumulator, graphicdt - DrawAccumulator, frames_wanted,
                                 drawing::ClockIsVirtual()));
    }
    if (drawing::AppTerminate() || QuitGame == 1) break;
  }
  return 0;
}

std::string ScreenshotName(int n) {
  std::string digits = std::to_string(n);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return "screenshots/screen" + digits + ".png";
}

std::string TakeScreenshot() {
  int n = 0;
  std::string name = ScreenshotName(n);
  while (drawing::FileType(name) != drawing::FILETYPE_NONE) name = ScreenshotName(++n);
  drawing::SetBlend(3);
  auto pixels = drawing::GrabPixmap(0, 0, drawing::GraphicsWidth(), drawing::GraphicsHeight());
  if (!pixels || !drawing::SavePixmapPNG(*pixels, name, 5)) return "";
  drawing::Print("Screenshot saved as " + drawing::PathForWriting(name));
  return name;
}
