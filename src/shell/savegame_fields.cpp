#include "shell/savegame_fields.h"

#include <climits>

#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/score_factors.h"

namespace {

// A number at `place` in the save (a lambda taking a TSavedGame, const or
// not, and giving the int), read by the writer and set by the reader.
template <auto place>
constexpr TSaveNumber Number(const char* element, const char* attribute, int low, int high,
                             int& (*live)(TGame&) = nullptr, int (*derived)(const TSavedGame&) = nullptr) {
  return {element,
          attribute,
          low,
          high,
          [](const TSavedGame& game) { return int(place(game)); },
          [](TSavedGame& game, int value) { place(game) = value; },
          derived,
          live};
}

constexpr int kMaxMixItInterval = 3600000;

// In the order the file holds them.
constexpr TSaveNumber kSaveNumbers[] = {
    Number<[](auto& g) -> auto& { return g.elapsed; }>("savegame", "elapsed", 0, kSaveGameMaxElapsedMs),

    Number<[](auto& g) -> auto& { return g.mixIt.active; }>(
        "mixit", "active", 0, 1, [](TGame& game) -> int& { return game.MixItActivated; }),
    Number<[](auto& g) -> auto& { return g.mixIt.interval; }>(
        "mixit", "interval", 0, kMaxMixItInterval, [](TGame& game) -> int& { return game.MixItTime; }),
    Number<[](auto& g) -> auto& { return g.mixIt.multi; }>(
        "mixit", "multi", 1, 10, [](TGame& game) -> int& { return game.MixItScoreMulti; },
        [](const TSavedGame& g) { return MixItMultiplier(g.mixIt.active, g.mixIt.interval); }),
    // At most the interval, checked once both are read.
    Number<[](auto& g) -> auto& { return g.mixIt.untilNext; }>("mixit", "next", 0, kMaxMixItInterval),
    Number<[](auto& g) -> auto& { return g.mixIt.sweepActive; }>(
        "mixit", "sweep", 0, 1, [](TGame& game) -> int& { return game.ReplaceStonesActive; }),
    Number<[](auto& g) -> auto& { return g.mixIt.sweepPosition; }>(
        "mixit", "position", 0, 81, [](TGame& game) -> int& { return game.ReplaceStonesPosition; }),

    Number<[](auto& g) -> auto& { return g.stats.givenHints; }>(
        "stats", "hints", 0, kSaveGameMaxCount, [](TGame& game) -> int& { return game.Sudoku->stats_givenhints; }),
    Number<[](auto& g) -> auto& { return g.stats.usedTurns; }>(
        "stats", "turns", 0, kSaveGameMaxCount, [](TGame& game) -> int& { return game.Sudoku->stats_usedturns; }),
    Number<[](auto& g) -> auto& { return g.stats.longestTurn; }>(
        "stats", "longest", 0, INT_MAX, [](TGame& game) -> int& { return game.Sudoku->stats_longestturntime; }),
    Number<[](auto& g) -> auto& { return g.stats.averageTurn; }>(
        "stats", "average", 0, INT_MAX, [](TGame& game) -> int& { return game.Sudoku->stats_averageturntime; }),
    Number<[](auto& g) -> auto& { return g.stats.usedUndos; }>(
        "stats", "undos", 0, kSaveGameMaxCount, [](TGame& game) -> int& { return game.Sudoku->stats_usedundos; }),
    Number<[](auto& g) -> auto& { return g.stats.turnClockStarted; }>("stats", "turnclock", 0, 1),
    // Continue takes the factor of the set the theme shows, which may be set 1.
    Number<[](auto& g) -> auto& { return g.stoneSetFactor; }>(
        "stats", "stonefactor", 1, 3, nullptr, [](const TSavedGame& g) { return StoneSetFactorOf(g.stoneSet); }),
    Number<[](auto& g) -> auto& { return g.showWrong; }>("stats", "showwrong", 0, 1,
                                                          [](TGame&) -> int& { return ShowWrongTurns; }),

    Number<[](auto& g) -> auto& { return g.selectedColumn; }>("selection", "col", 0, 8),
    Number<[](auto& g) -> auto& { return g.selectedRow; }>("selection", "row", 0, 8),
    Number<[](auto& g) -> auto& { return g.keyboardUsed; }>("selection", "keyboard", 0, 1),
};

}  // namespace

std::span<const TSaveNumber> SaveNumbers() { return kSaveNumbers; }
