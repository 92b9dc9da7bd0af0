#include "shell/entry.h"

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "shell/game.h"
#include "shell/startup.h"

int RunGame() {
  static bool started = false;
  if (started) return 0;
  started = true;

  StartUp();
  if (QuitGame != 1 && !drawing::AppTerminate()) Game->GameLoop();
  // Closing the program keeps the game on the board for "Continue". Only
  // from the play screen or a screen over it: the way anywhere else saved
  // it already, and a generation begun since has changed the engine's values.
  // A game left for the game menu by "New game" goes back on the board
  // first, so the save holds its own level and stone set and not the
  // menu's, and the time spent in the menu does not count.
  if (Game) Game->ResumeSuspendedGame();
  if (Game && GameState != GAME_CREATINGGAME && (GameState == GAME_RUNNING || LastGameState == GAME_RUNNING)) {
    Game->SaveRunningGame();
  }
  drawing::EndGraphics();
  return 0;
}
