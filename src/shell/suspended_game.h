// A running game left for the game menu by "New game". The menu changes the
// level, the stone set and its score factor as the player picks them, so
// those are kept here, with the moment the game stopped: "Back" brings the
// game back exactly as it was, and the time in the menu is not play time.
#pragma once

struct TRunningGameView {
  int level = 1;
  int stoneSet = 1;
  int maxColors = 0;
  int stoneSetFactor = 1;

  bool operator==(const TRunningGameView&) const = default;
};

// The game menu's start button: in the middle of its box, or left of "Back".
void PlaceGameMenuStart(bool besideBack);

class TSuspendedGame {
 public:
  void Suspend(const TRunningGameView& view, int now);
  bool Active() const { return active_; }
  const TRunningGameView& View() const { return view_; }
  // Ends the suspension and tells how many milliseconds it lasted (0 when
  // there was none); the clock may have wrapped meanwhile.
  int Resume(int now);
  // A new game started: the suspended one is gone for good.
  void Discard() { active_ = false; }

 private:
  bool active_ = false;
  int since_ = 0;
  TRunningGameView view_;
};
