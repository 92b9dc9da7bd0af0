// What the play screen keeps about the game on the board beyond the map:
// the play model, whether the keyboard has been used, and the autosave.
#pragma once

#include <array>
#include <optional>
#include <utility>

#include "engine/coach.h"
#include "engine/graded_puzzle.h"
#include "engine/logic_step.h"
#include "engine/play_board.h"
#include "shell/play_values.h"
#include "widgets/gui_button.h"

// The controls under the board, by position.
enum PlayTool { kToolNotesMode = 0, kToolUndo, kToolRedo, kToolFillNotes, kToolClearNotes, kToolExplain, kPlayTools };

struct TPlaySession {
  TPlayBoard board{PlayMaps.Map};
  // The selection frame shows once the keyboard played in this game, so a
  // game played with the mouse alone looks as it always did.
  bool keyboardUsed = false;
  // A game that is neither finished nor solved: it is saved and resumable.
  bool inProgress = false;
  // A save file is there and the start menu offers "Continue".
  bool saveOffered = false;
  // Held arrow key and the time it fires again (ms), for key repeat.
  int heldArrow = 0;
  int arrowRepeatAt = 0;
  // The game's own level, stone set, factor and seed: the game menu and a
  // generation change the shared values, and a save must not take those.
  int level = 1, stoneSet = 1, stoneSetFactor = 1, seed = 0;
  // The code of a game built to a chosen grade; its score takes the grade's level.
  std::optional<logic::GradedCode> graded;
  std::array<TGUIButtonPtr, kPlayTools> tools;
  // The next step explained on the player's board (H or "Explain").
  TCoach coach;
  // The grade of the puzzle as dealt, worked out once per set of givens.
  std::array<int, 81> gradedGivens{};
  logic::Grade grade = logic::Grade::kEasy;
  // The level the puzzle was accepted at (the generator may fall back below
  // the level asked for), worked out once per level and seed.
  std::pair<int, int> playedLevelOf{0, 0};
  int playedLevel = 0;
  TGUIButtonPtr continueButton;  // on the start menu

  // Starts the model on a freshly set-up board.
  void StartGame(int gameLevel, int gameStoneSet, int gameStoneSetFactor, int gameSeed,
                 std::optional<logic::GradedCode> gameGraded = std::nullopt) {
    level = gameLevel;
    graded = gameGraded;
    seed = gameSeed;
    stoneSet = gameStoneSet;
    stoneSetFactor = gameStoneSetFactor;
    board.NewGame();
    keyboardUsed = false;
    inProgress = true;
    heldArrow = 0;
    coach.Forget();
  }
};

// Makes the controls under the board and the start menu's "Continue".
void CreatePlayControls(TPlaySession& play);
// The controls under the board and the tip of the one pointed at.
void DrawPlayControls(const TPlaySession& play);
// The shape that tells a wrong stone (shown mistakes) at (x, y) apart from
// a right one without its colour.
void DrawWrongStoneMark(float x, float y);
