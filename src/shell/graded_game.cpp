// A new game of a chosen grade, from the game menu or a graded code.
#include "drawing/messages.h"
#include "engine/graded_setup.h"
#include "presentation/game_skin.h"
#include "shell/build_pacer.h"
#include "shell/game.h"
#include "shell/game_host.h"
#include "shell/play_values.h"
#include "support/functions.h"

bool TGame::CreateGradedSudoku(const logic::GradedCode& code) {
  PickerOpen = 0;
  PickerColumn = PickerRow = -1;
  // The creating screen counts the attempts; Escape stops the build as it
  // stops the levels' generator.
  TBuildPacer pacer(TGameSudokuHost::RefreshScreen);
  const auto goOn = [this, &pacer](int attempt) {
    GradedAttempt = attempt;
    return pacer(attempt);
  };
  const std::optional<logic::GradedPuzzle> made = SetUpGradedGame(code, goOn);
  GradedAttempt = 0;
  TBaseGame::ResetLoopTiming();
  // A build that ended as the program was asked to end is not taken.
  if (EndRequested()) return false;
  if (!made) {
    drawing::Print("no puzzle made from " + logic::FormGradedCode(code) + " in " +
                   std::to_string(logic::kGradedAttemptLimit) + " attempts");
    return false;
  }
  // The game before is given up only now that a new one stands.
  DropSavedGame();
  const int stoneSet = CurrentSkin ? CurrentSkin->ActiveStoneSkin : 1;
  Play.StartGame(CurrentLevel, stoneSet, StoneSetFactor, Sudoku->seed, code);
  // The code and the board in the log, as for a level game, so a replay can be checked.
  drawing::Print("LevelCode:" + logic::FormGradedCode(code));
  Board givens{};
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) givens[c][r] = uint8_t(PlayMaps.Map[c][r][0]);
  Functions::printMap(givens);
  NewGameStarted();
  SetGameState(GAME_RUNNING);
  return true;
}
