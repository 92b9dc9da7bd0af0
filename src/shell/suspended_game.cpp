#include "shell/suspended_game.h"

#include <cstdint>
#include <tuple>

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

static_assert(std::tuple_size_v<decltype(TRunningGameView::mapping)> == kSymbolSlots);

TRunningGameView TGame::RunningGameView() const {
  TRunningGameView view;
  view.level = CurrentLevel;
  view.stoneSet = CurrentSkin ? CurrentSkin->ActiveStoneSkin : 1;
  view.maxColors = MaxColors;
  view.stoneSetFactor = StoneSetFactor;
  view.stoneDisplaceX = StoneDisplaceX;
  view.stoneDisplaceY = StoneDisplaceY;
  view.showWrong = ShowWrongTurns;
  view.gameStartTime = GameStartTime;
  if (Sudoku) {
    const TSudoku& s = *Sudoku;
    view.seed = s.seed;
    view.usedTurns = s.stats_usedturns;
    view.lastTurnTime = s.stats_lastturntime;
    view.givenHints = s.stats_givenhints;
    view.wrongFields = s.stats_wrongfields;
    view.gameTime = s.stats_gametime;
    view.longestTurn = s.stats_longestturntime;
    view.averageTurn = s.stats_averageturntime;
    view.usedUndos = s.stats_usedundos;
  }
  view.mixItActivated = MixItActivated;
  view.mixItTime = MixItTime;
  view.mixItScoreMulti = MixItScoreMulti;
  view.mixItTimer = MixItTimer;
  view.sweepActive = ReplaceStonesActive;
  view.sweepPosition = ReplaceStonesPosition;
  view.sweepTimer = ReplaceStonesTimer;
  view.mapping = ReplaceStones;
  view.preview = ReplaceStonesPreview;
  return view;
}

void TGame::RestoreRunningGame(const TRunningGameView& view) {
  CurrentLevel = view.level;
  if (CurrentSkin) CurrentSkin->SetActiveStoneSkin(view.stoneSet);
  MaxColors = view.maxColors;
  StoneSetFactor = view.stoneSetFactor;
  StoneDisplaceX = view.stoneDisplaceX;
  StoneDisplaceY = view.stoneDisplaceY;
  ShowWrongTurns = view.showWrong;
  GameStartTime = view.gameStartTime;
  if (Sudoku) {
    TSudoku& s = *Sudoku;
    s.seed = view.seed;
    s.stats_usedturns = view.usedTurns;
    s.stats_lastturntime = view.lastTurnTime;
    s.stats_givenhints = view.givenHints;
    s.stats_wrongfields = view.wrongFields;
    s.stats_gametime = view.gameTime;
    s.stats_longestturntime = view.longestTurn;
    s.stats_averageturntime = view.averageTurn;
    s.stats_usedundos = view.usedUndos;
  }
  MixItActivated = view.mixItActivated;
  MixItTime = view.mixItTime;
  MixItScoreMulti = view.mixItScoreMulti;
  MixItTimer = view.mixItTimer;
  ReplaceStonesActive = view.sweepActive;
  ReplaceStonesPosition = view.sweepPosition;
  ReplaceStonesTimer = view.sweepTimer;
  ReplaceStones = view.mapping;
  ReplaceStonesPreview = view.preview;
}

bool TGame::GameOnScreen() const {
  if (GameState == GAME_RUNNING) return true;
  // The boxes and menus a running game opens stand over its play screen.
  const bool over = GameState == GAME_INFOBOX || GameState == GAME_OPTIONMENU;
  return over && LastGameState == GAME_RUNNING;
}

bool TGame::SuspendRunningGame() {
  if (!GameOnScreen() || GameFinished != 0) return false;
  Suspended.Suspend(RunningGameView(), drawing::MilliSecs());
  PlaceGameMenuStart(true);
  GameState = GAME_GAMEMENU;
  return true;
}

void TGame::ResumeSuspendedGame() {
  if (!Suspended.Active()) return;
  RestoreRunningGame(Suspended.View());
  ShiftGameClocks(Suspended.Resume(drawing::MilliSecs()));
  PlaceGameMenuStart(false);
  if (Widgets.inGame[kShowWrong]) Widgets.inGame[kShowWrong]->on = ShowWrongTurns;
  GameState = GAME_RUNNING;
}

void TGame::SaveAtProgramEnd() {
  // A game left for the game menu goes back on the board first, so the save
  // holds its own values and not the menu's or a generation's, and the
  // time away does not count.
  ResumeSuspendedGame();
  // Only from the play screen or a screen over it: the way anywhere else
  // saved it already, and the time since is no play time.
  if (GameOnScreen()) SaveRunningGame();
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
