// Keyboard play on the play screen, and the moves the keys and the mouse
// share: undo, redo and what follows every move.
#include <array>
#include <memory>

#include "drawing/input.h"
#include "engine/clock_math.h"
#include "engine/sudoku.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "widgets/gui_input.h"
#include "widgets/input_trackers.h"

namespace {

constexpr int kArrowFirstRepeatMs = 400;
constexpr int kArrowRepeatMs = 80;
constexpr int kKeyN = 'N', kKeyF = 'F', kKeyC = 'C', kKeyH = 'H', kKeyY = 'Y', kKeyZ = 'Z';

// Either side's key also holds the generic code.
bool ShiftHeld() { return KeyManager.IsHeld(drawing::KEY_SHIFT) != 0; }
bool ControlHeld() { return KeyManager.IsHeld(drawing::KEY_CONTROL) != 0; }
// A modifier counts when it is held now or was held when the key went
// down: a shortcut sent within one update has let go of it already.
bool PressedWith(int key, int modifier, bool heldNow) {
  return heldNow || (drawing::KeyPressModifiers(key) & modifier) != 0;
}

// A text input of the play screen's own widgets takes the keys first.
bool PlayTextInputFocused() {
  for (const TGUIobjectPtr& widget : GUIObjectList) {
    const auto input = std::dynamic_pointer_cast<TGUIinput>(widget);
    if (!input || input->enabled != 1 || !input->HasFocus()) continue;
    const std::string& state = input->forstateonly;
    if (state == "InGame" || state == "PlayTools" || state == "SelectionMenu") return true;
  }
  return false;
}

// The digit of a hit digit key, main row or keypad; -1 for none.
// The digit hit in this update (-1: none) and the key that typed it.
int HitDigit(int& key) {
  for (int d = 0; d <= 9; ++d)
    for (const int candidate : {'0' + d, drawing::KEY_NUM0 + d})
      if (KeyManager.IsHit(candidate)) {
        key = candidate;
        return d;
      }
  return -1;
}

// The digit whose stone shows the stone set's k-th picture at this moment,
// as the picker shows them: under Mix It keys name pictures, not digits.
// -1 when no digit shows it (a set with more pictures than digits).
int DigitShowing(const std::array<int, kSymbolSlots>& mapping, int picture) {
  for (int d = 1; d <= 9; ++d)
    if (mapping[size_t(d)] == picture) return d;
  return mapping[size_t(picture)] == 0 ? picture : -1;  // no mapping set up: digits as they are
}

struct Arrow {
  int key, columns, rows;
};
constexpr Arrow kArrows[4] = {{drawing::KEY_LEFT, -1, 0},
                              {drawing::KEY_UP, 0, -1},
                              {drawing::KEY_RIGHT, 1, 0},
                              {drawing::KEY_DOWN, 0, 1}};

}  // namespace

void TGame::AfterPlayerMove() {
  GameFinished = TSudoku::QuorbelIsSolved(0);
  if (GameFinished == 1) {
    DropSavedGame();
  } else {
    SaveRunningGame();
  }
}

void TGame::UndoMove() {
  if (GameFinished != 0 || !Play.board.Undo()) return;
  TSudoku::CountOne(Sudoku->stats_usedundos);
  AfterPlayerMove();
}

void TGame::RedoMove() {
  if (GameFinished != 0 || !Play.board.Redo()) return;
  AfterPlayerMove();
}

void TGame::UpdatePlayKeys() {
  if (PlayTextInputFocused()) return;
  TPlayBoard& board = Play.board;
  board.autoRemoveNotes = Preferences.autoRemoveNotes;
  const int now = drawing::MilliSecs();

  for (const Arrow& arrow : kArrows) {
    bool fire = false;
    if (KeyManager.IsHit(arrow.key)) {
      fire = true;
      Play.heldArrow = arrow.key;
      Play.arrowRepeatAt = LaterMs(now, kArrowFirstRepeatMs);
    } else if (Play.heldArrow == arrow.key && KeyManager.IsDown(arrow.key)) {
      if (ClockDifference(now, Play.arrowRepeatAt) >= 0) {
        fire = true;
        Play.arrowRepeatAt = LaterMs(now, kArrowRepeatMs);
      }
    }
    if (!fire) continue;
    board.MoveSelection(arrow.columns, arrow.rows);
    Play.keyboardUsed = true;
  }

  const bool control = ControlHeld();
  const bool shift = ShiftHeld();
  if (KeyManager.IsHit(kKeyZ) && PressedWith(kKeyZ, drawing::KEY_MOD_CONTROL, control)) {
    Play.keyboardUsed = true;
    PressedWith(kKeyZ, drawing::KEY_MOD_SHIFT, shift) ? RedoMove() : UndoMove();
    return;
  }
  if (KeyManager.IsHit(kKeyY) && PressedWith(kKeyY, drawing::KEY_MOD_CONTROL, control)) {
    Play.keyboardUsed = true;
    RedoMove();
    return;
  }
  if (control) return;
  if (GameFinished != 0) return;
  if (KeyManager.IsHit(kKeyN)) {
    board.notesMode = !board.notesMode;
    Play.keyboardUsed = true;
  }

  const int column = board.SelectedColumn(), row = board.SelectedRow();
  bool moved = false;
  int digitKey = 0;
  int digit = HitDigit(digitKey);
  if (KeyManager.IsHit(drawing::KEY_DELETE) || KeyManager.IsHit(drawing::KEY_BACKSPACE)) digit = 0;
  if (digit == 0) {
    moved = board.SetDigit(column, row, 0);
  } else if (digit > 0) {
    digit = DigitShowing(ReplaceStonesPreview, digit);
  }
  if (digit > 0) {
    const bool noting = PressedWith(digitKey, drawing::KEY_MOD_SHIFT, shift) || board.notesMode;
    moved = noting ? board.ToggleNote(column, row, digit) : board.SetDigit(column, row, digit);
  }
  if (digit >= 0) Play.keyboardUsed = true;
  if (KeyManager.IsHit(kKeyF)) moved = board.FillNotes() || moved;
  if (KeyManager.IsHit(kKeyC)) moved = board.ClearNotes() || moved;
  if (moved) AfterPlayerMove();
  if (KeyManager.IsHit(kKeyH)) AskCoach();
}

void TGame::AskCoach() {
  if (GameFinished != 0) return;
  switch (Play.coach.Ask(Play.board, PlayMaps.SolutionMap)) {
    case TCoach::Press::kExplained:
      // Every explanation shown is a hint, by the score's reckoning.
      TSudoku::CountOne(Sudoku->stats_givenhints);
      Sudoku->UpdateStats(1);
      SaveRunningGame();
      break;
    case TCoach::Press::kApplied:
      AfterPlayerMove();
      break;
    case TCoach::Press::kNothing:
      break;
  }
}
