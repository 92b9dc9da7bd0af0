// A graded puzzle as a new game: built on the host's screen-keeping terms
// and set on the player's maps, or rebuilt aside to check a saved game.
#pragma once

#include <optional>

#include "engine/graded_puzzle.h"
#include "engine/puzzle_setup.h"

// The level a graded game counts as wherever a level 1 to 9 is asked for
// (the level mark, a save's level): graded puzzles start where the top
// level ends.
constexpr int kGradedGameLevel = 9;

// Builds the code's puzzle; before every attempt `goOn` is asked with its
// number and may stop the build (nothing then). On success the host's maps
// hold it (givens state 1, the solution, the backup of the givens), the
// engine's statistics start afresh and the game's clock starts. When it is
// stopped nothing of the running game is touched.
std::optional<logic::GradedPuzzle> SetUpGradedGame(const logic::GradedCode& code, const logic::GradedProgress& goOn);

// The code's puzzle as a new game sets it up, for comparing with a save;
// `goOn` as for SetUpGradedGame.
std::optional<CodePuzzle> RegenerateGradedPuzzle(const logic::GradedCode& code,
                                                 const logic::GradedProgress& goOn = {});
