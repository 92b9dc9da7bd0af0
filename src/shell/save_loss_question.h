// The question asked on the start menu before a new puzzle could replace
// the unfinished game that "Continue" offers: the way the player took
// waits for the answer.
#pragma once

// Where the start menu was about to go.
enum class TNewPuzzleRoute { kNone, kGameMenu, kRepeatGame };

class TSaveLossQuestion {
 public:
  // The way to go now: the route itself when no game would be lost, else
  // kNone, and the question stands until it is answered.
  TNewPuzzleRoute Ask(TNewPuzzleRoute route, bool savedGameOffered) {
    if (!savedGameOffered || route == TNewPuzzleRoute::kNone) return route;
    pending_ = route;
    return TNewPuzzleRoute::kNone;
  }
  bool IsOpen() const { return pending_ != TNewPuzzleRoute::kNone; }
  // "Start anyway": the way that waited.
  TNewPuzzleRoute StartAnyway() {
    const TNewPuzzleRoute route = pending_;
    pending_ = TNewPuzzleRoute::kNone;
    return route;
  }
  // "Back": the saved game stays, the start menu with it.
  void Back() { pending_ = TNewPuzzleRoute::kNone; }

 private:
  TNewPuzzleRoute pending_ = TNewPuzzleRoute::kNone;
};
