// Setting up a new game: what the play screen does when it creates a
// puzzle, from generation to the player's maps.
#pragma once

#include <optional>

#include "engine/board.h"
#include "engine/sudoku.h"

struct TPlayMaps;

struct PuzzleSetup {
  GenerationStatus status = GenerationStatus::kQuit;
  int accepted_level = 0;  // after any fall-back
  int tries = 0;
  int seed = 0;            // of the accepted attempt
  Board generated{};       // the engine's board right after generation
  int reduced = 0;         // digits the reduction removed
  int setup_hints = 0;     // givens revealed from the solution below level 6
  int unique_givens = 0;   // givens added so that only one solution is left
};

// Runs on the host's game engine and maps: generation, reduction on levels
// 6 and above, the maps, set-up hints below level 6, givens that leave one
// solution, the backup map and the game start time. On a failed generation
// the maps are left as they were.
PuzzleSetup CreatePuzzle(int level, int seed);

// While the player's board has several solutions, makes the first cell in
// engine order where another solution differs from SolutionMap a given.
// Returns the number of givens added.
int AddGivensUntilUnique(TPlayMaps& maps);

// A level code's puzzle as a new game sets it up: the player's board
// (digit and state per cell, givens state 1) and the solution, [column][row].
struct CodePuzzle {
  int board[9][9][2] = {};
  int solution[9][9] = {};
};

// The level a level code's puzzle was accepted at: the code's own, or lower
// when the generator fell back to find it. Worked out on an engine of its
// own like RegeneratePuzzle; nothing when the code gives no puzzle.
std::optional<int> AcceptedLevel(int level, int seed);

// Generates the puzzle of a level code on an engine of its own, leaving the
// running game, its engine and both random generators as they were.
// Nothing when the code gives no puzzle.
std::optional<CodePuzzle> RegeneratePuzzle(int level, int seed);
