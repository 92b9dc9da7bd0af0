// What a game's score is multiplied and divided by besides its level, hints
// and time. Each comes from the game's own state by one rule, wherever the
// game was started or continued, so no menu and no file can set another.
#pragma once

#include <array>

struct MixItChoice {
  int multi, time;  // score multiplier, ms between two shuffles
};
// Positions 1 to 4 of the Mix It list: every 1, 2, 3 and 5 minutes.
inline constexpr std::array<MixItChoice, 4> kMixItChoices{{{10, 60000}, {6, 120000}, {4, 180000}, {2, 300000}}};

// 1 while Mix It is off; else the multiplier of the choice that shuffles
// every `interval` ms, and 0 when no choice does (no game shuffles so).
int MixItMultiplier(int active, int interval);

// The score is divided by 3 in the second stone set and by 1 in the others.
int StoneSetFactorOf(int stoneSet);
