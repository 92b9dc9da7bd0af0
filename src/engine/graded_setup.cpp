#include "engine/graded_setup.h"

#include "engine/sudoku.h"
#include "engine/sudoku_host.h"

namespace {

CodePuzzle AsCodePuzzle(const logic::GradedPuzzle& puzzle) {
  CodePuzzle result;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const int digit = puzzle.givens[size_t(r * 9 + c)];
      result.board[c][r][0] = digit;
      result.board[c][r][1] = digit != 0 ? 1 : 0;
      result.solution[c][r] = puzzle.solution[size_t(r * 9 + c)];
    }
  return result;
}

}  // namespace

std::optional<logic::GradedPuzzle> SetUpGradedGame(const logic::GradedCode& code, const logic::GradedProgress& goOn) {
  std::optional<logic::GradedPuzzle> made = logic::MakeGradedPuzzle(code, goOn);
  if (!made) return std::nullopt;
  TSudokuHost& host = SudokuHost();
  const CodePuzzle puzzle = AsCodePuzzle(*made);
  TPlayMaps& maps = host.Maps();
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      maps.Map[c][r][0] = puzzle.board[c][r][0];
      maps.Map[c][r][1] = puzzle.board[c][r][1];
      maps.SolutionMap[c][r][0] = puzzle.solution[c][r];
      maps.SolutionMap[c][r][1] = 1;
    }
  TSudoku::CopyMapArray("map2backup");
  TSudoku& sudoku = host.GameSudoku();
  sudoku.ResetStats();
  sudoku.seed = int(code.seed);
  host.SetCurrentLevel(kGradedGameLevel);
  host.SetGameStartTime(host.MilliSecs());
  return made;
}

std::optional<CodePuzzle> RegenerateGradedPuzzle(const logic::GradedCode& code, const logic::GradedProgress& goOn) {
  const std::optional<logic::GradedPuzzle> made = logic::MakeGradedPuzzle(code, goOn);
  if (!made) return std::nullopt;
  return AsCodePuzzle(*made);
}
