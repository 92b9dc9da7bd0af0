#include "shell/savegame_checks.h"

#include "drawing/files.h"
#include "drawing/messages.h"
#include "engine/graded_setup.h"
#include "engine/puzzle_setup.h"

namespace {

struct Givens {
  bool at[9][9] = {};
};

Givens GivensOf(const TSavedGame& game) {
  Givens givens;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) givens.at[c][r] = game.cells[c][r].state == kCellGiven;
  return givens;
}

// A change the player's own moves can make: never on a given, always
// leaving a player cell; a hint stone only ever goes as a whole (the board's
// clear), and only a hint that stood on the solution.
bool PlayerChange(const CellChange& change, const TSavedGame& game, const Givens& givens) {
  if (givens.at[change.column][change.row]) return false;
  if (change.before.state == kCellGiven || change.after.state != kCellPlayer) return false;
  if (change.before.state == kCellHint)
    return change.before.digit == game.solution[change.column][change.row] && change.after == PlayCell{};
  return true;
}

bool BoardHoldable(const TPlayBoard& board, const TSavedGame& game, const Givens& givens) {
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const PlayCell cell = board.Cell(c, r);
      if (!ValidPlayCell(cell)) return false;
      if ((cell.state == kCellGiven) != givens.at[c][r]) return false;
      if (cell.state == kCellGiven && cell.digit != game.cells[c][r].digit) return false;
      if (cell.state == kCellHint && cell.digit != game.solution[c][r]) return false;
    }
  return true;
}

}  // namespace

std::optional<std::string> HistoryFault(const TSavedGame& game) {
  const Givens givens = GivensOf(game);
  for (size_t step = 0; step < game.history.size(); ++step)
    for (const CellChange& change : game.history[step].changes)
      if (!PlayerChange(change, game, givens))
        return "history step " + std::to_string(step + 1) + " changes a cell the player cannot edit";

  MapGrid map = {};
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      map[c][r][0] = game.cells[c][r].digit;
      map[c][r][1] = game.cells[c][r].state;
    }
  TPlayBoard board(map);
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) board.SetNotes(c, r, game.cells[c][r].notes);
  if (!board.RestoreHistory(game.history, game.historyPosition)) return "history out of range";
  // Back to the first step and forward to the last, as undo and redo can go.
  while (board.Undo())
    if (!BoardHoldable(board, game, givens)) return "undoing the history leads to a board no game holds";
  while (board.Redo())
    if (!BoardHoldable(board, game, givens)) return "redoing the history leads to a board no game holds";
  return std::nullopt;
}

std::optional<std::string> PuzzleFault(const TSavedGame& game, const logic::GradedProgress& goOn) {
  // Seed 0 asks the generator for a fresh puzzle: no code of a game holds it.
  if (game.seed == 0) return "the level code names no puzzle";
  const std::optional<CodePuzzle> puzzle =
      game.graded ? RegenerateGradedPuzzle(*game.graded, goOn) : RegeneratePuzzle(game.level, game.seed);
  if (!puzzle) return "the level code gives no puzzle";
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      if (puzzle->solution[c][r] != game.solution[c][r]) return "the solution is not the level code's";
      const bool given = puzzle->board[c][r][1] == kCellGiven;
      if (given != (game.cells[c][r].state == kCellGiven) || (given && puzzle->board[c][r][0] != game.cells[c][r].digit))
        return "the givens are not the level code's";
    }
  return std::nullopt;
}

std::string SetRefusedSaveAside(const std::string& path) {
  std::string kept;
  switch (drawing::SetFileAside(path, ".bad", kept)) {
    case drawing::SetAside::kKept: return "kept as " + drawing::LogValue(kept);
    case drawing::SetAside::kNotAFile: return "left alone: not a regular file";
    case drawing::SetAside::kFailed: break;
  }
  return "could not be kept aside";
}
