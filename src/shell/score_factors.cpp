#include "shell/score_factors.h"

int MixItMultiplier(int active, int interval) {
  if (!active) return 1;
  for (const MixItChoice& choice : kMixItChoices)
    if (choice.time == interval) return choice.multi;
  return 0;
}

int StoneSetFactorOf(int stoneSet) { return stoneSet == 2 ? 3 : 1; }
