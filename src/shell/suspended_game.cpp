#include "shell/suspended_game.h"

#include <cstdint>
#include <tuple>

#include "drawing/input.h"
#include "engine/clock_math.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/screen_widgets.h"

void TSuspendedGame::Suspend(const TRunningGameView& view, int now, std::optional<TSavedGame> save) {
  active_ = true;
  since_ = now;
  view_ = view;
  save_ = std::move(save);
}

int TSuspendedGame::Resume(int now) {
  if (!active_) return 0;
  active_ = false;
  return ClockDifference(now, since_);
}

static_assert(std::tuple_size_v<decltype(TRunningGameView::mapping)> == kSymbolSlots);

namespace {

// One list of every value a parked game keeps, each paired with its place in
// the view: parking and restoring walk the same list, so neither can miss a
// value the other has. `move(live, kept)` copies one way or the other.
template <typename Game, typename View, typename Move>
void EachKeptValue(Game& game, View& view, Move move) {
  move(CurrentLevel, view.level);
  move(game.MaxColors, view.maxColors);
  move(StoneSetFactor, view.stoneSetFactor);
  move(StoneDisplaceX, view.stoneDisplaceX);
  move(StoneDisplaceY, view.stoneDisplaceY);
  move(ShowWrongTurns, view.showWrong);
  move(GameStartTime, view.gameStartTime);
  if (game.Sudoku) {
    TSudoku& s = *game.Sudoku;
    move(s.seed, view.seed);
    move(s.stats_usedturns, view.usedTurns);
    move(s.stats_lastturntime, view.lastTurnTime);
    move(s.stats_givenhints, view.givenHints);
    move(s.stats_wrongfields, view.wrongFields);
    move(s.stats_gametime, view.gameTime);
    move(s.stats_longestturntime, view.longestTurn);
    move(s.stats_averageturntime, view.averageTurn);
    move(s.stats_usedundos, view.usedUndos);
  }
  move(game.MixItActivated, view.mixItActivated);
  move(game.MixItTime, view.mixItTime);
  move(game.MixItScoreMulti, view.mixItScoreMulti);
  move(game.MixItTimer, view.mixItTimer);
  move(game.ReplaceStonesActive, view.sweepActive);
  move(game.ReplaceStonesPosition, view.sweepPosition);
  move(game.ReplaceStonesTimer, view.sweepTimer);
  move(game.ReplaceStones, view.mapping);
  move(game.ReplaceStonesPreview, view.preview);
}

}  // namespace

TRunningGameView TGame::RunningGameView() const {
  TRunningGameView view;
  view.stoneSet = CurrentSkin ? CurrentSkin->ActiveStoneSkin : 1;
  EachKeptValue(*this, view, [](const auto& live, auto& kept) { kept = live; });
  return view;
}

void TGame::RestoreRunningGame(const TRunningGameView& view) {
  if (CurrentSkin) CurrentSkin->SetActiveStoneSkin(view.stoneSet);
  EachKeptValue(*this, view, [](auto& live, const auto& kept) { live = kept; });
}

bool TGame::GameOnScreen() const {
  if (GameState == GAME_RUNNING) return true;
  // The boxes and menus a running game opens stand over its play screen.
  const bool over = GameState == GAME_INFOBOX || GameState == GAME_OPTIONMENU;
  return over && LastGameState == GAME_RUNNING;
}

bool TGame::SuspendRunningGame() {
  if (!GameOnScreen() || GameFinished != 0) return false;
  const int now = drawing::MilliSecs();
  Suspended.Suspend(RunningGameView(), now, Play.inProgress ? std::optional(RunningGameSave(now)) : std::nullopt);
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
  // A game left for the game menu is saved as it was left (the menu's and a
  // generation's values are not its own, and the time away is no play
  // time), then goes back on the board.
  if (Suspended.Active()) {
    SaveRunningGame();
    ResumeSuspendedGame();
    return;
  }
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
