#include "engine/play_board.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

bool OnBoard(int column, int row) { return column >= 0 && column < 9 && row >= 0 && row < 9; }

bool SharesUnit(int c1, int r1, int c2, int r2) {
  return c1 == c2 || r1 == r2 || (c1 / 3 == c2 / 3 && r1 / 3 == r2 / 3);
}

}  // namespace

bool ValidPlayCell(const PlayCell& cell) {
  if (cell.digit < 0 || cell.digit > 9 || cell.state < kCellPlayer || cell.state > kCellHint) return false;
  if ((cell.notes & ~kAllNotes) != 0) return false;
  if (cell.notes != 0 && (cell.digit != 0 || cell.state != kCellPlayer)) return false;
  return cell.state == kCellPlayer || cell.digit != 0;
}

void TPlayBoard::NewGame() {
  std::memset(notes_, 0, sizeof(notes_));
  history_.clear();
  position_ = 0;
  notesMode = false;
  selectedColumn_ = selectedRow_ = 0;
  Remember();
}

void TPlayBoard::Remember() { std::memcpy(known_, *map_, sizeof(known_)); }

PlayCell TPlayBoard::Cell(int column, int row) const {
  if (!OnBoard(column, row)) return {};
  const int* cell = (*map_)[column][row];
  return PlayCell{cell[0], cell[1], notes_[column][row]};
}

bool TPlayBoard::Editable(int column, int row) const {
  if (!OnBoard(column, row)) return false;
  const int state = (*map_)[column][row][1];
  return state != kCellGiven && state != kCellHint;
}

NoteSet TPlayBoard::Candidates(int column, int row) const {
  if (!OnBoard(column, row) || (*map_)[column][row][0] != 0) return 0;
  NoteSet free = kAllNotes;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const int digit = (*map_)[c][r][0];
      // Only real digits take a candidate away; anything else in a cell
      // must not shift a bit out of range.
      if (digit >= 1 && digit <= 9 && SharesUnit(c, r, column, row)) free &= NoteSet(~NoteBit(digit));
    }
  return free;
}

std::array<std::array<bool, 9>, 9> TPlayBoard::Conflicts() const {
  std::array<std::array<bool, 9>, 9> conflicts{};
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const int digit = (*map_)[c][r][0];
      if (digit < 1 || digit > 9) continue;
      for (int c2 = 0; c2 < 9 && !conflicts[size_t(c)][size_t(r)]; ++c2)
        for (int r2 = 0; r2 < 9; ++r2) {
          if ((c2 == c && r2 == r) || !SharesUnit(c, r, c2, r2) || (*map_)[c2][r2][0] != digit) continue;
          conflicts[size_t(c)][size_t(r)] = true;
          break;
        }
    }
  return conflicts;
}

void TPlayBoard::Write(int column, int row, const PlayCell& cell) {
  (*map_)[column][row][0] = cell.digit;
  (*map_)[column][row][1] = cell.state;
  notes_[column][row] = cell.notes;
}

void TPlayBoard::Change(PlayMove& move, int column, int row, const PlayCell& after) {
  const PlayCell before = Cell(column, row);
  if (before == after) return;
  move.changes.push_back(CellChange{column, row, before, after});
  Write(column, row, after);
}

void TPlayBoard::RemoveFromPeers(PlayMove* move, int column, int row, int digit) {
  if (!autoRemoveNotes || digit < 1 || digit > 9) return;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      if ((c == column && r == row) || !SharesUnit(c, r, column, row)) continue;
      if ((notes_[c][r] & NoteBit(digit)) == 0) continue;
      PlayCell cell = Cell(c, r);
      cell.notes &= NoteSet(~NoteBit(digit));
      if (move) {
        Change(*move, c, r, cell);
      } else {
        notes_[c][r] = cell.notes;
      }
    }
}

bool TPlayBoard::Commit(PlayMove move) {
  Remember();
  if (move.changes.empty()) return false;
  // A new move forgets the undone ones: they no longer follow from the board.
  history_.resize(position_);
  history_.push_back(std::move(move));
  position_ = history_.size();
  return true;
}

void TPlayBoard::Settle() {
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const int digit = (*map_)[c][r][0];
      if (digit == known_[c][r][0] && (*map_)[c][r][1] == known_[c][r][1]) continue;
      if (digit != 0 || (*map_)[c][r][1] != kCellPlayer) notes_[c][r] = 0;
      RemoveFromPeers(nullptr, c, r, digit);
    }
  Remember();
}

bool TPlayBoard::SetDigit(int column, int row, int digit) {
  Settle();
  if (!Editable(column, row) || digit < 0 || digit > 9) return false;
  PlayMove move;
  Change(move, column, row, PlayCell{digit, kCellPlayer, 0});
  RemoveFromPeers(&move, column, row, digit);
  return Commit(std::move(move));
}

bool TPlayBoard::CycleDigit(int column, int row) {
  Settle();
  if (!Editable(column, row)) return false;
  const int next = ((*map_)[column][row][0] + 1) % 10;
  // A click on the cell the last step cycled continues that step: the step
  // is taken back and made again from where it started, so the digits
  // passed on the way leave no trace in the peers' notes.
  if (position_ == history_.size() && position_ > 0) {
    const PlayMove& last = history_.back();
    if (last.cycle && !last.changes.empty() && last.changes.front().column == column &&
        last.changes.front().row == row && Cell(column, row) == last.changes.front().after) {
      ApplyMatching(last, false);
      history_.pop_back();
      position_ = history_.size();
    }
  }
  PlayMove move;
  move.cycle = true;
  Change(move, column, row, PlayCell{next, kCellPlayer, 0});
  RemoveFromPeers(&move, column, row, next);
  Commit(std::move(move));
  return true;
}

bool TPlayBoard::ToggleNote(int column, int row, int digit) {
  Settle();
  if (!Editable(column, row) || digit < 1 || digit > 9 || (*map_)[column][row][0] != 0) return false;
  PlayMove move;
  PlayCell cell = Cell(column, row);
  cell.notes ^= NoteBit(digit);
  Change(move, column, row, cell);
  return Commit(std::move(move));
}

bool TPlayBoard::FillNotes() {
  Settle();
  PlayMove move;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      if (!Editable(c, r) || (*map_)[c][r][0] != 0) continue;
      PlayCell cell = Cell(c, r);
      cell.notes = Candidates(c, r);
      Change(move, c, r, cell);
    }
  return Commit(std::move(move));
}

bool TPlayBoard::ApplyDeductions(const std::vector<CellDigit>& placements,
                                 const std::vector<CellDigit>& eliminations) {
  Settle();
  PlayMove move;
  for (const CellDigit& e : eliminations) {
    if (e.digit < 1 || e.digit > 9 || !Editable(e.column, e.row) || (*map_)[e.column][e.row][0] != 0) continue;
    PlayCell cell = Cell(e.column, e.row);
    if (cell.notes == 0) cell.notes = Candidates(e.column, e.row);
    cell.notes &= NoteSet(~NoteBit(e.digit));
    Change(move, e.column, e.row, cell);
  }
  for (const CellDigit& p : placements) {
    if (p.digit < 1 || p.digit > 9 || !Editable(p.column, p.row)) continue;
    Change(move, p.column, p.row, PlayCell{p.digit, kCellPlayer, 0});
    RemoveFromPeers(&move, p.column, p.row, p.digit);
  }
  return Commit(std::move(move));
}

bool TPlayBoard::ClearNotes() {
  Settle();
  PlayMove move;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      PlayCell cell = Cell(c, r);
      cell.notes = 0;
      Change(move, c, r, cell);
    }
  return Commit(std::move(move));
}

bool TPlayBoard::ClearBoard() {
  Settle();
  PlayMove move;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const PlayCell cell = Cell(c, r);
      // Hint stones go too, as the board's own clear does; givens stay.
      Change(move, c, r, cell.state == kCellGiven ? PlayCell{cell.digit, cell.state, 0} : PlayCell{});
    }
  return Commit(std::move(move));
}

void TPlayBoard::ApplyMatching(const PlayMove& move, bool forward) {
  auto apply = [this](const CellChange& change, const PlayCell& from, const PlayCell& to) {
    if (Cell(change.column, change.row) == from) Write(change.column, change.row, to);
  };
  if (forward) {
    for (const CellChange& change : move.changes) apply(change, change.before, change.after);
  } else {
    for (auto it = move.changes.rbegin(); it != move.changes.rend(); ++it) apply(*it, it->after, it->before);
  }
}

bool TPlayBoard::Undo() {
  Settle();
  if (!CanUndo()) return false;
  ApplyMatching(history_[--position_], false);
  Remember();
  return true;
}

bool TPlayBoard::Redo() {
  Settle();
  if (!CanRedo()) return false;
  ApplyMatching(history_[position_++], true);
  Remember();
  return true;
}

void TPlayBoard::Select(int column, int row) {
  if (!OnBoard(column, row)) return;
  selectedColumn_ = column;
  selectedRow_ = row;
}

void TPlayBoard::MoveSelection(int columns, int rows) {
  selectedColumn_ = std::clamp(selectedColumn_ + columns, 0, 8);
  selectedRow_ = std::clamp(selectedRow_ + rows, 0, 8);
}

void TPlayBoard::SetNotes(int column, int row, NoteSet notes) {
  if (OnBoard(column, row)) notes_[column][row] = NoteSet(notes & kAllNotes);
}

bool TPlayBoard::RestoreHistory(std::vector<PlayMove> history, size_t position) {
  if (position > history.size()) return false;
  for (const PlayMove& move : history)
    for (const CellChange& change : move.changes)
      if (!OnBoard(change.column, change.row) || !ValidPlayCell(change.before) || !ValidPlayCell(change.after))
        return false;
  history_ = std::move(history);
  position_ = position;
  Remember();
  return true;
}
