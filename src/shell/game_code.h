// The codes a game is replayed from: level codes, and graded codes
// ("H-3F2A91"). The level-code reading takes any text (a character that is
// no hexadecimal digit counts as 0), so a graded code must be tried first:
// its dash keeps it from ever being one.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "engine/graded_puzzle.h"
#include "engine/level_code.h"

using GameCode = std::variant<LevelCodeParts, logic::GradedCode>;

std::optional<GameCode> ReadGameCode(const std::string& text);

// The code shown for a game: its graded code, or its level code.
std::string FormGameCode(int level, int stoneSet, int seed, const std::optional<logic::GradedCode>& graded);
