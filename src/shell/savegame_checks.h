// What a saved game must be beyond well-formed text: a history the player
// could have made, and the board of the puzzle its level code gives.
#pragma once

#include <optional>
#include <string>

#include "shell/savegame.h"

// Why the history cannot be the player's (nothing when it can be): every
// step may change only cells the player edits, and undoing every step and
// redoing them all again passes only boards a game can hold.
std::optional<std::string> HistoryFault(const TSavedGame& game);

// Why the board is not the level code's puzzle: the code is generated again
// and its solution and givens (the set-up's revealed ones included) must
// be the saved ones. `goOn` is asked before every attempt of a graded build.
std::optional<std::string> PuzzleFault(const TSavedGame& game, const logic::GradedProgress& goOn = {});

// A refused save is the player's game all the same: it is kept as
// "<path>.bad" (replacing an older one) instead of being lost to the next
// new game; through a link, the file the link leads to is kept so beside
// itself and the link stays. What is no regular file is left alone. Returns
// the end of the log line: what became of it.
std::string SetRefusedSaveAside(const std::string& path);
