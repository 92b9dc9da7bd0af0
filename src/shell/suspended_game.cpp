#include "shell/suspended_game.h"

#include <cstdint>

#include "drawing/input.h"
#include "engine/clock_math.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/screen_widgets.h"

void TSuspendedGame::Suspend(const TRunningGameView& view, int now) {
  active_ = true;
  since_ = now;
  view_ = view;
}

int TSuspendedGame::Resume(int now) {
  if (!active_) return 0;
  active_ = false;
  return ClockDifference(now, since_);
}

bool TGame::SuspendRunningGame() {
  if (GameState != GAME_RUNNING || GameFinished != 0) return false;
  TRunningGameView view;
  view.level = CurrentLevel;
  view.stoneSet = CurrentSkin ? CurrentSkin->ActiveStoneSkin : 1;
  view.maxColors = MaxColors;
  view.stoneSetFactor = StoneSetFactor;
  Suspended.Suspend(view, drawing::MilliSecs());
  PlaceGameMenuStart(true);
  GameState = GAME_GAMEMENU;
  return true;
}

void TGame::ResumeSuspendedGame() {
  if (!Suspended.Active()) return;
  const TRunningGameView& view = Suspended.View();
  CurrentLevel = view.level;
  if (CurrentSkin) CurrentSkin->SetActiveStoneSkin(view.stoneSet);
  MaxColors = view.maxColors;
  StoneSetFactor = view.stoneSetFactor;
  ShiftGameClocks(Suspended.Resume(drawing::MilliSecs()));
  PlaceGameMenuStart(false);
  GameState = GAME_RUNNING;
}

// Every moment the running game measures from moves on by the pause, so
// the clock, the score's time and the next Mix It shuffle go on from where
// they stopped.
void TGame::ShiftGameClocks(int ms) {
  GameStartTime = LaterMs(GameStartTime, ms);
  if (MixItTimer != 0) MixItTimer = LaterMs(MixItTimer, ms);
  ReplaceStonesTimer = LaterMs(ReplaceStonesTimer, ms);
  if (Sudoku && Sudoku->stats_lastturntime != 0) {
    Sudoku->stats_lastturntime = LaterMs(Sudoku->stats_lastturntime, ms);
  }
}

// Called once a new puzzle is ready, whichever menu started it. This is the
// moment the game that ran before is given up: its save belongs here.
void TGame::NewGameStarted() {
  if (Suspended.Active()) {
    Suspended.Discard();
    PlaceGameMenuStart(false);
    // "New game" left these for "Back"; the new game starts without them.
    ShowWrongTurns = 0;
    if (Widgets.inGame[kShowWrong]) Widgets.inGame[kShowWrong]->on = 0;
  }
}
