// A running game left for the game menu by "New game". The menu changes the
// level, the stone set, its score factor and Mix It as the player picks
// them, and a generation starts the engine's statistics and seed afresh, so
// everything of the game they can touch is kept here, with the moment the
// game stopped: however the new game ends ("Back", Escape, the generator
// giving up, program end) the game comes back exactly as it was, and the
// time away is no play time.
#pragma once

#include <array>
#include <optional>

#include "shell/savegame.h"

struct TRunningGameView {
  int level = 1;
  int stoneSet = 1;
  int maxColors = 0;
  int stoneSetFactor = 1;
  int stoneDisplaceX = 0, stoneDisplaceY = 0;
  int seed = 0;
  int showWrong = 0;
  int gameStartTime = 0;
  // The engine's statistics.
  int usedTurns = 0, lastTurnTime = 0, givenHints = 0, wrongFields = 0;
  int gameTime = 0, longestTurn = 0, averageTurn = 0, usedUndos = 0;
  // Mix It: whether and how often it shuffles, its score multiplier, the
  // next shuffle, the sweep under way and both mappings.
  int mixItActivated = 0, mixItTime = 0, mixItScoreMulti = 1, mixItTimer = 0;
  int sweepActive = 0, sweepPosition = 0, sweepTimer = 0;
  std::array<int, 15> mapping{}, preview{};

  bool operator==(const TRunningGameView&) const = default;
};

// The game menu's start button: in the middle of its box, or left of "Back".
void PlaceGameMenuStart(bool besideBack);

class TSuspendedGame {
 public:
  // `save` is the game's save as it stood when it was left (nothing for a
  // game that is not saved): until a new game stands it is the one saved.
  void Suspend(const TRunningGameView& view, int now, std::optional<TSavedGame> save = std::nullopt);
  bool Active() const { return active_; }
  const TRunningGameView& View() const { return view_; }
  const std::optional<TSavedGame>& Save() const { return save_; }
  // Ends the suspension and tells how many milliseconds it lasted (0 when
  // there was none); the clock may have wrapped meanwhile.
  int Resume(int now);
  // A new game started: the suspended one is gone for good.
  void Discard() { active_ = false; }

 private:
  bool active_ = false;
  int since_ = 0;
  TRunningGameView view_;
  std::optional<TSavedGame> save_;
};
