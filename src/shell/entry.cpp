#include "shell/entry.h"

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "shell/game.h"
#include "shell/startup.h"

namespace {

// Closing the program, or losing the display, keeps the game on the board
// for "Continue".
void SaveGameOnTheBoard() {
  if (!Game) return;
  Game->SaveAtProgramEnd();
  // Nothing queued for the disk is lost when the program ends.
  Game->Saves.Flush();
}

}  // namespace

int RunGame() {
  static bool started = false;
  if (started) return 0;
  started = true;

  // A display that goes away leaves no way back to the loop's end.
  drawing::SetDisplayLostHandler(SaveGameOnTheBoard);
  StartUp();
  if (QuitGame != 1 && !drawing::AppTerminate()) Game->GameLoop();
  SaveGameOnTheBoard();
  drawing::SetDisplayLostHandler(nullptr);
  drawing::EndGraphics();
  return 0;
}
