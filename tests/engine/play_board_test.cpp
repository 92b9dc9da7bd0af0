// The play model without a screen: notes and their automatic removal,
// filling candidates, undo and redo, and how hints and solve meet the history.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/play_board.h"

namespace {

class PlayBoardTest : public ::testing::Test {
 protected:
  MapGrid map{};
  TPlayBoard board{map};

  void Give(int column, int row, int digit, int state = kCellGiven) {
    map[column][row][0] = digit;
    map[column][row][1] = state;
  }
  void StartWithGivens() {
    Give(0, 0, 5);
    Give(4, 4, 7);
    board.NewGame();
  }
  NoteSet Notes(int column, int row) const { return board.Cell(column, row).notes; }
};

TEST_F(PlayBoardTest, NotesToggleOnlyInEmptyPlayerCells) {
  StartWithGivens();
  EXPECT_TRUE(board.ToggleNote(1, 0, 3));
  EXPECT_TRUE(board.ToggleNote(1, 0, 9));
  EXPECT_EQ(Notes(1, 0), NoteBit(3) | NoteBit(9));
  EXPECT_TRUE(board.ToggleNote(1, 0, 3));
  EXPECT_EQ(Notes(1, 0), NoteBit(9));

  EXPECT_FALSE(board.ToggleNote(0, 0, 3)) << "a given cell takes no notes";
  board.SetDigit(2, 2, 4);
  EXPECT_FALSE(board.ToggleNote(2, 2, 3)) << "a filled cell takes no notes";
  EXPECT_FALSE(board.ToggleNote(1, 1, 0));
  EXPECT_FALSE(board.ToggleNote(1, 1, 10));
  EXPECT_FALSE(board.ToggleNote(9, 1, 1));
}

TEST_F(PlayBoardTest, PlacingADigitClearsItFromPeersOnlyAndUndoesAsOneStep) {
  StartWithGivens();
  // Row peer, column peer, box peer, and a cell sharing nothing.
  for (auto [c, r] : {std::pair{8, 1}, {1, 8}, {2, 2}, {5, 5}}) {
    board.ToggleNote(c, r, 6);
    board.ToggleNote(c, r, 2);
  }
  board.ToggleNote(1, 1, 6);
  const size_t before = board.HistoryPosition();

  ASSERT_TRUE(board.SetDigit(1, 1, 6));
  EXPECT_EQ(map[1][1][0], 6);
  EXPECT_EQ(Notes(1, 1), 0) << "the cell's own notes go with the digit";
  EXPECT_EQ(Notes(8, 1), NoteBit(2));
  EXPECT_EQ(Notes(1, 8), NoteBit(2));
  EXPECT_EQ(Notes(2, 2), NoteBit(2));
  EXPECT_EQ(Notes(5, 5), NoteBit(6) | NoteBit(2)) << "no unit shared, notes stay";
  EXPECT_EQ(board.HistoryPosition(), before + 1);

  ASSERT_TRUE(board.Undo());
  EXPECT_EQ(map[1][1][0], 0);
  EXPECT_EQ(Notes(1, 1), NoteBit(6));
  EXPECT_EQ(Notes(8, 1), NoteBit(6) | NoteBit(2));
  EXPECT_EQ(Notes(2, 2), NoteBit(6) | NoteBit(2));
  ASSERT_TRUE(board.Redo());
  EXPECT_EQ(map[1][1][0], 6);
  EXPECT_EQ(Notes(8, 1), NoteBit(2));
}

TEST_F(PlayBoardTest, EveryDigitLeavesTheNotesOfItsRowColumnAndBoxPeers) {
  for (int digit = 1; digit <= 9; ++digit) {
    std::memset(map, 0, sizeof(map));
    board.NewGame();
    // Row peer, column peer, box peer, and a cell sharing nothing.
    for (auto [c, r] : {std::pair{8, 1}, {1, 8}, {2, 2}, {5, 5}}) board.ToggleNote(c, r, digit);
    ASSERT_TRUE(board.SetDigit(1, 1, digit));
    EXPECT_EQ(Notes(8, 1), 0) << digit;
    EXPECT_EQ(Notes(1, 8), 0) << digit;
    EXPECT_EQ(Notes(2, 2), 0) << digit;
    EXPECT_EQ(Notes(5, 5), NoteBit(digit)) << digit;
  }
}

// Only clicks on one cell, one after the other, join into one step; any
// other move between them, or a typed digit before them, keeps them apart.
TEST_F(PlayBoardTest, OnlyRunsOfClicksOnOneCellJoinIntoOneStep) {
  enum Kind { kType, kClick, kNote, kUndo };
  struct Action {
    Kind kind;
    int column, row, digit;
  };
  const struct {
    const char* what;
    std::vector<Action> actions;
    size_t steps;     // in the history afterwards
    int afterUndo;    // the digit of (1, 1) once the last step is undone
  } cases[] = {
      {"three clicks", {{kClick, 1, 1, 0}, {kClick, 1, 1, 0}, {kClick, 1, 1, 0}}, 1, 0},
      {"a typed digit, then a click", {{kType, 1, 1, 3}, {kClick, 1, 1, 0}}, 2, 3},
      {"a click, then a typed digit", {{kClick, 1, 1, 0}, {kType, 1, 1, 5}}, 2, 1},
      {"clicks with a note between", {{kClick, 1, 1, 0}, {kNote, 6, 6, 2}, {kClick, 1, 1, 0}}, 3, 1},
      {"clicks with another cell between", {{kClick, 1, 1, 0}, {kClick, 2, 1, 0}, {kClick, 1, 1, 0}}, 3, 1},
      {"a click, undone, clicked again", {{kClick, 1, 1, 0}, {kClick, 1, 1, 0}, {kUndo, 0, 0, 0}, {kClick, 1, 1, 0}},
       1, 0},
  };
  for (const auto& c : cases) {
    std::memset(map, 0, sizeof(map));
    board.NewGame();
    for (const Action& a : c.actions) {
      if (a.kind == kType) board.SetDigit(a.column, a.row, a.digit);
      if (a.kind == kClick) board.CycleDigit(a.column, a.row);
      if (a.kind == kNote) board.ToggleNote(a.column, a.row, a.digit);
      if (a.kind == kUndo) board.Undo();
    }
    EXPECT_EQ(board.History().size(), c.steps) << c.what;
    ASSERT_TRUE(board.Undo()) << c.what;
    EXPECT_EQ(map[1][1][0], c.afterUndo) << c.what;
  }
}

TEST_F(PlayBoardTest, AutomaticRemovalFollowsThePreference) {
  StartWithGivens();
  board.autoRemoveNotes = false;
  board.ToggleNote(8, 1, 6);
  board.SetDigit(1, 1, 6);
  EXPECT_EQ(Notes(8, 1), NoteBit(6));
}

TEST_F(PlayBoardTest, FillNotesGivesCandidatesToEmptyPlayerCellsOnly) {
  StartWithGivens();
  board.SetDigit(1, 0, 3);
  board.ToggleNote(8, 8, 1);
  board.ToggleNote(2, 1, 5);  // no candidate there: the given 5 shares its box
  ASSERT_TRUE(board.FillNotes());
  EXPECT_EQ(Notes(2, 1), kAllNotes & ~(NoteBit(5) | NoteBit(3))) << "fill drops what is no candidate";
  // Row 0 holds 5 and 3; column 2 nothing; box 0 holds 5 and 3.
  EXPECT_EQ(Notes(2, 0), kAllNotes & ~(NoteBit(5) | NoteBit(3)));
  // Cell (4, 0): row 0 (5, 3), column 4 (7).
  EXPECT_EQ(Notes(4, 0), kAllNotes & ~(NoteBit(5) | NoteBit(3) | NoteBit(7)));
  EXPECT_EQ(Notes(8, 8), kAllNotes) << "fill replaces what was noted";
  EXPECT_EQ(Notes(0, 0), 0);
  EXPECT_EQ(Notes(1, 0), 0);
  EXPECT_FALSE(board.FillNotes()) << "a second fill changes nothing and is no step";

  ASSERT_TRUE(board.Undo());
  EXPECT_EQ(Notes(8, 8), NoteBit(1));
  EXPECT_EQ(Notes(2, 0), 0);
  ASSERT_TRUE(board.ClearNotes());
  EXPECT_EQ(Notes(8, 8), 0);
  ASSERT_TRUE(board.Undo());
  EXPECT_EQ(Notes(8, 8), NoteBit(1));
}

TEST_F(PlayBoardTest, CandidatesIgnoreValuesThatAreNoDigits) {
  map[3][0][0] = 12;  // nothing a real game holds, but it must not shift out of range
  board.NewGame();
  EXPECT_EQ(board.Candidates(4, 0), kAllNotes);
  EXPECT_EQ(board.Candidates(3, 0), 0);
}

TEST_F(PlayBoardTest, UndoAndRedoWalkTheHistoryAndANewMoveDropsTheRedoTail) {
  StartWithGivens();
  board.SetDigit(1, 0, 1);
  board.SetDigit(2, 0, 2);
  board.SetDigit(3, 0, 3);
  EXPECT_TRUE(board.Undo());
  EXPECT_TRUE(board.Undo());
  EXPECT_EQ(map[2][0][0], 0);
  EXPECT_EQ(map[1][0][0], 1);
  EXPECT_TRUE(board.Redo());
  EXPECT_EQ(map[2][0][0], 2);
  EXPECT_TRUE(board.CanRedo());

  board.SetDigit(8, 8, 9);
  EXPECT_FALSE(board.CanRedo());
  EXPECT_FALSE(board.Redo());
  EXPECT_EQ(map[3][0][0], 0);
  while (board.Undo()) {
  }
  for (int c = 1; c < 9; ++c) EXPECT_EQ(map[c][0][0], 0);
  EXPECT_EQ(map[8][8][0], 0);
  EXPECT_EQ(map[0][0][0], 5) << "undo never touches a given";
  EXPECT_FALSE(board.CanUndo());
}

TEST_F(PlayBoardTest, MovesThatChangeNothingAreNoSteps) {
  StartWithGivens();
  EXPECT_FALSE(board.SetDigit(0, 0, 3)) << "given";
  EXPECT_FALSE(board.SetDigit(1, 0, 0)) << "already empty";
  board.SetDigit(1, 0, 4);
  EXPECT_FALSE(board.SetDigit(1, 0, 4));
  EXPECT_FALSE(board.SetDigit(1, 0, 10));
  EXPECT_EQ(board.HistoryPosition(), 1u);
}

TEST_F(PlayBoardTest, ARunOfClicksOnOneCellIsOneStepAndPassedDigitsSpareTheNotes) {
  StartWithGivens();
  board.ToggleNote(8, 1, 1);
  board.ToggleNote(8, 1, 2);
  board.ToggleNote(8, 1, 3);
  const size_t start = board.HistoryPosition();
  for (int i = 0; i < 3; ++i) board.CycleDigit(1, 1);
  EXPECT_EQ(map[1][1][0], 3);
  EXPECT_EQ(board.HistoryPosition(), start + 1);
  EXPECT_EQ(Notes(8, 1), NoteBit(1) | NoteBit(2)) << "only the digit that stays clears its peers";

  board.Undo();
  EXPECT_EQ(map[1][1][0], 0);
  EXPECT_EQ(Notes(8, 1), NoteBit(1) | NoteBit(2) | NoteBit(3));

  // Ten clicks come back to empty: nothing left to undo for them.
  board.Redo();
  board.Undo();
  const size_t before = board.HistoryPosition();
  for (int i = 0; i < 10; ++i) board.CycleDigit(2, 1);
  EXPECT_EQ(map[2][1][0], 0);
  EXPECT_EQ(board.HistoryPosition(), before);

  // Clicks on another cell, or after another move, start a new step.
  board.CycleDigit(1, 1);
  board.CycleDigit(2, 1);
  board.CycleDigit(1, 1);
  EXPECT_EQ(board.History().size(), before + 3);
}

TEST_F(PlayBoardTest, HintsAreNoStepsAndUndoLeavesThemStanding) {
  StartWithGivens();
  board.ToggleNote(2, 0, 4);
  board.ToggleNote(3, 3, 4);
  board.SetDigit(1, 0, 8);
  board.SetDigit(1, 0, 0);
  // A hint fills (1, 0) from outside, as the engine does on the map.
  Give(1, 0, 4, kCellHint);
  board.Settle();
  EXPECT_EQ(Notes(2, 0), 0) << "the hint's digit leaves the peers' notes";
  EXPECT_EQ(Notes(3, 3), NoteBit(4)) << "not a peer";
  // A digit written from outside into a player cell takes its notes too.
  board.SetNotes(6, 6, NoteBit(2));
  Give(6, 6, 8, kCellPlayer);
  board.Settle();
  EXPECT_EQ(Notes(6, 6), 0);
  Give(6, 6, 0, kCellPlayer);
  board.Settle();
  const size_t steps = board.History().size();

  EXPECT_TRUE(board.Undo());  // the emptying: its cell now holds the hint
  EXPECT_EQ(map[1][0][0], 4);
  EXPECT_EQ(map[1][0][1], kCellHint);
  EXPECT_TRUE(board.Undo());  // the 8: same cell, same answer
  EXPECT_EQ(map[1][0][0], 4);
  EXPECT_TRUE(board.Undo());  // the note of (3, 3)
  EXPECT_EQ(Notes(3, 3), 0);
  EXPECT_EQ(board.History().size(), steps);
}

TEST_F(PlayBoardTest, ClearBoardTakesHintsAndNotesAndIsUndoneWhole) {
  StartWithGivens();
  board.SetDigit(1, 0, 2);
  board.ToggleNote(2, 0, 6);
  Give(3, 0, 9, kCellHint);
  ASSERT_TRUE(board.ClearBoard());
  EXPECT_EQ(map[0][0][0], 5);
  EXPECT_EQ(map[1][0][0], 0);
  EXPECT_EQ(map[3][0][0], 0);
  EXPECT_EQ(map[3][0][1], kCellPlayer);
  EXPECT_EQ(Notes(2, 0), 0);
  ASSERT_TRUE(board.Undo());
  EXPECT_EQ(map[1][0][0], 2);
  EXPECT_EQ(map[3][0][0], 9);
  EXPECT_EQ(map[3][0][1], kCellHint);
  EXPECT_EQ(Notes(2, 0), NoteBit(6));
}

TEST_F(PlayBoardTest, ConflictsMarkEveryRepeatOfADigitInAUnit) {
  Give(0, 0, 3);
  Give(0, 5, 3, kCellPlayer);  // column
  Give(7, 7, 6, kCellPlayer);
  Give(8, 8, 6, kCellPlayer);  // box
  Give(4, 4, 3, kCellPlayer);  // shares no unit with the other threes
  board.NewGame();
  const auto conflicts = board.Conflicts();
  EXPECT_TRUE(conflicts[0][0]);
  EXPECT_TRUE(conflicts[0][5]);
  EXPECT_TRUE(conflicts[7][7]);
  EXPECT_TRUE(conflicts[8][8]);
  EXPECT_FALSE(conflicts[4][4]);
  EXPECT_FALSE(conflicts[1][1]) << "an empty cell never conflicts";
}

TEST_F(PlayBoardTest, SelectionStartsTopLeftAndStopsAtTheEdges) {
  board.Select(4, 4);
  board.NewGame();
  EXPECT_EQ(board.SelectedColumn(), 0);
  EXPECT_EQ(board.SelectedRow(), 0);
  board.MoveSelection(-1, -1);
  EXPECT_EQ(board.SelectedColumn(), 0);
  EXPECT_EQ(board.SelectedRow(), 0);
  for (int i = 0; i < 12; ++i) board.MoveSelection(1, 0);
  board.MoveSelection(0, 3);
  EXPECT_EQ(board.SelectedColumn(), 8);
  EXPECT_EQ(board.SelectedRow(), 3);
  board.Select(9, 0);
  EXPECT_EQ(board.SelectedColumn(), 8) << "off the board: the selection stays";
}

TEST_F(PlayBoardTest, AHistoryRestoredIntoAnotherModelUndoesTheSame) {
  StartWithGivens();
  board.ToggleNote(2, 2, 1);
  board.SetDigit(1, 2, 1);
  board.SetDigit(3, 3, 2);
  board.Undo();

  MapGrid copy;
  std::memcpy(copy, map, sizeof(copy));
  TPlayBoard restored(copy);
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) restored.SetNotes(c, r, Notes(c, r));
  ASSERT_TRUE(restored.RestoreHistory(board.History(), board.HistoryPosition()));

  restored.Redo();
  EXPECT_EQ(copy[3][3][0], 2);
  restored.Undo();
  restored.Undo();
  EXPECT_EQ(copy[1][2][0], 0);
  EXPECT_EQ(restored.Cell(2, 2).notes, NoteBit(1)) << "the note the digit removed comes back";
}

TEST_F(PlayBoardTest, RestoreHistoryRefusesWhatNoBoardHolds) {
  const auto moveWith = [](CellChange change) {
    PlayMove move;
    move.changes.push_back(change);
    return std::vector<PlayMove>{move};
  };
  board.SetDigit(1, 1, 1);
  const auto kept = board.History();
  EXPECT_FALSE(board.RestoreHistory({}, 1)) << "position past the end";
  EXPECT_FALSE(board.RestoreHistory(moveWith({9, 0, {}, {1, 0, 0}}), 1));
  EXPECT_FALSE(board.RestoreHistory(moveWith({0, -1, {}, {1, 0, 0}}), 1));
  EXPECT_FALSE(board.RestoreHistory(moveWith({0, 0, {}, {10, 0, 0}}), 1));
  EXPECT_FALSE(board.RestoreHistory(moveWith({0, 0, {}, {1, 3, 0}}), 1));
  EXPECT_FALSE(board.RestoreHistory(moveWith({0, 0, {}, {0, 0, 0x200}}), 1));
  EXPECT_FALSE(board.RestoreHistory(moveWith({0, 0, {}, {4, 0, 1}}), 1)) << "notes beside a digit";
  EXPECT_FALSE(board.RestoreHistory(moveWith({0, 0, {}, {0, kCellGiven, 0}}), 1)) << "an empty given";
  EXPECT_EQ(board.History().size(), kept.size());
  EXPECT_TRUE(board.RestoreHistory(moveWith({0, 0, {}, {4, 0, 0}}), 0));
  EXPECT_TRUE(board.RestoreHistory(moveWith({0, 0, {}, {4, 0, 0}}), 1)) << "nothing undone";
  EXPECT_TRUE(board.CanUndo());
  EXPECT_FALSE(board.CanRedo());
}

}  // namespace
