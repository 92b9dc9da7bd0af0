// A theme switch under a game: the stone set is the game's, so the theme
// keeps it when it can, and whatever names the set follows the one shown.
#include <algorithm>

#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/score_factors.h"

namespace {

// Slots 1 to n hold each of the symbols 1 to n once.
bool IsPermutation(const std::array<int, kSymbolSlots>& slots, int n) {
  std::array<bool, kSymbolSlots> seen{};
  for (int i = 1; i <= n; ++i) {
    const int symbol = slots[size_t(i)];
    if (symbol < 1 || symbol > n || seen[size_t(symbol)]) return false;
    seen[size_t(symbol)] = true;
  }
  return true;
}

}  // namespace

void TGame::TakeStoneSetOfTheme(int previousSet) {
  if (!CurrentSkin) return;
  const int set = CurrentSkin->ActiveStoneSkin;
  const TStoneSkinPtr stones = CurrentSkin->getActiveStoneSkin();
  MaxColors = stones ? stones->MaxColors : 0;
  StoneDisplaceX = stones ? stones->displaceX : 0;
  StoneDisplaceY = stones ? stones->displaceY : 0;
  const int symbols = std::clamp(MaxColors, 0, kSymbolSlots - 1);
  // A mapping made for another number of pictures would show strangers.
  if (!IsPermutation(ReplaceStones, symbols) || !IsPermutation(ReplaceStonesPreview, symbols)) {
    InitStones();
    ReplaceStonesActive = 0;
    ReplaceStonesPosition = 0;
  }
  if (set == previousSet) return;
  // Fell back to set 1: the score factor, the code and the save say so.
  StoneSetFactor = StoneSetFactorOf(set);
  Play.stoneSet = set;
  Play.stoneSetFactor = StoneSetFactor;
  SaveRunningGame();
}
