// The player's side of a game: notes, the selected cell and a history of
// moves with undo and redo, on top of the player's map.
//
// The map (digit and state per cell, as the engine's checks, hints, solve and
// score read it) stays the one truth about digits; this model writes its
// moves into it and keeps everything else the map has no room for. Changes
// made to the map from outside (hints, solve) are taken in by Settle() and
// never become undo steps.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Notes of a cell: bit d - 1 for digit d.
using NoteSet = uint16_t;
constexpr NoteSet kAllNotes = 0x1FF;
constexpr NoteSet NoteBit(int digit) { return NoteSet(1u << (digit - 1)); }

// Map layout shared with the engine: [column][row][0 digit, 1 state].
using MapGrid = int[9][9][2];

constexpr int kCellPlayer = 0;  // entered by the player, or empty
constexpr int kCellGiven = 1;
constexpr int kCellHint = 2;

struct PlayCell {
  int digit = 0;
  int state = kCellPlayer;
  NoteSet notes = 0;
  bool operator==(const PlayCell&) const = default;
};

struct CellChange {
  int column = 0, row = 0;
  PlayCell before, after;
};

// One undo step: every cell the player's action changed, peers included.
struct PlayMove {
  std::vector<CellChange> changes;
  // Made by cycling one cell's digit with the mouse; the next cycle of the
  // same cell joins it, so a run of clicks is undone at once.
  bool cycle = false;
};

// A digit for a cell, by column and row.
struct CellDigit {
  int column = 0, row = 0, digit = 0;
};

class TPlayBoard {
 public:
  explicit TPlayBoard(MapGrid& map) : map_(&map) { NewGame(); }

  // A fresh game on what the map holds now: no notes, no history, the
  // selection at column 0, row 0, notes mode off.
  void NewGame();

  PlayCell Cell(int column, int row) const;
  bool Editable(int column, int row) const;
  // Digits that may stand in the cell given the digits of its row, column
  // and box (every state counts); 0 for a filled cell.
  NoteSet Candidates(int column, int row) const;
  // Per cell: its digit repeats in its row, column or box.
  std::array<std::array<bool, 9>, 9> Conflicts() const;

  // Player moves. Each is one undo step and returns whether anything changed;
  // given and hint cells never change. Placing a digit clears the cell's
  // notes and, with autoRemoveNotes, that digit from the notes of its peers.
  bool SetDigit(int column, int row, int digit);  // 0 empties the cell
  bool CycleDigit(int column, int row);           // empty, 1, ..., 9, empty
  bool ToggleNote(int column, int row, int digit);
  bool FillNotes();   // every empty editable cell gets its candidates
  bool ClearNotes();
  bool ClearBoard();  // empties every cell but the givens, notes included
  // A deduction shown to the player, as one undo step: the digits placed,
  // the eliminations taken out of the notes (a cell without notes first
  // gets its candidates, so the elimination shows).
  bool ApplyDeductions(const std::vector<CellDigit>& placements, const std::vector<CellDigit>& eliminations);

  // Undo and redo change a cell only while it still holds what the step
  // left there (or found there): a hint placed since is never taken back.
  bool Undo();
  bool Redo();
  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < history_.size(); }

  // Takes in digits the map gained or lost outside the moves (hints, solve,
  // set-up): their cells drop their notes, and new digits leave their peers'
  // notes. Never an undo step. Every move settles first.
  void Settle();

  bool autoRemoveNotes = true;
  bool notesMode = false;

  int SelectedColumn() const { return selectedColumn_; }
  int SelectedRow() const { return selectedRow_; }
  void Select(int column, int row);
  // Moves the selection, stopping at the edges.
  void MoveSelection(int columns, int rows);

  // Persistence: notes are set and the history replaced without moves.
  // RestoreHistory refuses (and changes nothing) when a change names a cell
  // off the board, holds a digit, state or note out of range, or the
  // position lies past the end.
  void SetNotes(int column, int row, NoteSet notes);
  const std::vector<PlayMove>& History() const { return history_; }
  size_t HistoryPosition() const { return position_; }
  bool RestoreHistory(std::vector<PlayMove> history, size_t position);

 private:
  void Write(int column, int row, const PlayCell& cell);
  // Applies the changes whose cell holds `from`, writing `to`.
  void ApplyMatching(const PlayMove& move, bool forward);
  // Records the change of one cell into `move` and writes it.
  void Change(PlayMove& move, int column, int row, const PlayCell& after);
  void RemoveFromPeers(PlayMove* move, int column, int row, int digit);
  bool Commit(PlayMove move);
  void Remember();

  MapGrid* map_;
  NoteSet notes_[9][9] = {};
  int known_[9][9][2] = {};  // the map as the model last left it
  std::vector<PlayMove> history_;
  size_t position_ = 0;  // moves before it are done, from it on undone
  int selectedColumn_ = 0, selectedRow_ = 0;
};

// True when the cell change is one a board can hold: on the board, digit 0
// to 9, state 0 to 2, notes only in an empty player cell.
bool ValidPlayCell(const PlayCell& cell);
