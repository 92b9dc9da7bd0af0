// The coach on the play screen: a wrong digit of the player's is pointed
// out first; otherwise the simplest logical step on the player's board as it
// stands (notes count as the player's eliminations). The next press applies
// what was shown, while the board is still as the coach saw it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/logic_step.h"
#include "engine/play_board.h"

struct CoachAdvice {
  // A wrong digit: its cell (column, row) and nothing else. Otherwise the step.
  bool wrongDigit = false;
  int column = 0, row = 0;
  logic::Step step;
};

// The advice for the board: nothing on a full board or without a solution.
// `solution` holds the solution's digit per cell, in the map's layout.
std::optional<CoachAdvice> AdviseOn(const TPlayBoard& board, const MapGrid& solution);

class TCoach {
 public:
  enum class Press { kNothing, kExplained, kApplied };

  // H or the button: applies the advice on show when the board has not
  // changed since it was given (a wrong digit is taken out, a placement
  // entered, eliminations removed from the notes: one undo step); otherwise
  // gives new advice. Only kExplained is a new hint.
  Press Ask(TPlayBoard& board, const MapGrid& solution);
  // The advice on show, while the board is as the coach saw it.
  const CoachAdvice* Shown(const TPlayBoard& board) const;
  void Forget() { shown_.reset(); }

 private:
  using Snapshot = std::array<PlayCell, 81>;
  static Snapshot Take(const TPlayBoard& board);

  std::optional<CoachAdvice> shown_;
  Snapshot seen_{};
};
