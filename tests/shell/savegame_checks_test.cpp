// A saved game belongs to the puzzle its level code gives.
#include "shell/savegame_checks.h"

#include <gtest/gtest.h>

#include "engine/graded_setup.h"
#include "engine/level_code.h"
#include "engine/puzzle_setup.h"

namespace {

// The game a level code starts, saved before the first move.
TSavedGame FreshSave(int level, int seed, const CodePuzzle& puzzle) {
  TSavedGame game;
  game.level = level;
  game.seed = seed;
  game.code = FormLevelCode(level, 1, seed);
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      game.cells[c][r] = PlayCell{puzzle.board[c][r][0], puzzle.board[c][r][1], 0};
      game.solution[c][r] = puzzle.solution[c][r];
    }
  return game;
}

TEST(SavedPuzzle, OnlyTheCodesOwnBoardBelongsToIt) {
  // Level 2 has givens revealed by the set-up, level 9 none.
  for (int level : {2, 9}) {
    int seed = 1000;
    std::optional<CodePuzzle> puzzle;
    while (!(puzzle = RegeneratePuzzle(level, seed))) ++seed;
    const TSavedGame genuine = FreshSave(level, seed, *puzzle);
    EXPECT_EQ(PuzzleFault(genuine), std::nullopt) << level;

    int gc = 0, gr = 0, pc = 0, pr = 0;
    for (int c = 0; c < 9; ++c)
      for (int r = 0; r < 9; ++r) {
        if (genuine.cells[c][r].state == kCellGiven) gc = c, gr = r;
        if (genuine.cells[c][r].state == kCellPlayer) pc = c, pr = r;
      }
    TSavedGame other_level = genuine;
    other_level.level = level == 9 ? 8 : 9;
    TSavedGame given_dropped = genuine;
    given_dropped.cells[gc][gr] = PlayCell{};
    TSavedGame given_added = genuine;
    given_added.cells[pc][pr] = PlayCell{genuine.solution[pc][pr], kCellGiven, 0};
    TSavedGame seed_zero = genuine;
    seed_zero.seed = 0;
    for (const TSavedGame* edited : {&other_level, &given_dropped, &given_added, &seed_zero})
      EXPECT_NE(PuzzleFault(*edited), std::nullopt) << level;
  }
}

TEST(SavedPuzzle, OnlyTheGradedCodesOwnBoardBelongsToIt) {
  const logic::GradedCode code{logic::Grade::kMedium, 0x51A7};
  const std::optional<CodePuzzle> puzzle = RegenerateGradedPuzzle(code);
  ASSERT_TRUE(puzzle);
  TSavedGame genuine = FreshSave(kGradedGameLevel, int(code.seed), *puzzle);
  genuine.graded = code;
  genuine.code = logic::FormGradedCode(code);
  EXPECT_EQ(PuzzleFault(genuine), std::nullopt);

  int gc = 0, gr = 0;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r)
      if (genuine.cells[c][r].state == kCellGiven) gc = c, gr = r;
  TSavedGame given_dropped = genuine;
  given_dropped.cells[gc][gr] = PlayCell{};
  // The level code of the same level and seed is another puzzle.
  TSavedGame as_level_game = genuine;
  as_level_game.graded.reset();
  TSavedGame other_seed = genuine;
  other_seed.graded->seed += 1;
  for (const TSavedGame* edited : {&given_dropped, &as_level_game, &other_seed})
    EXPECT_NE(PuzzleFault(*edited), std::nullopt);
}

}  // namespace
