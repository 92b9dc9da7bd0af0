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
  // Closing the program keeps the game on the board for "Continue".
  if (Game) Game->SaveAtProgramEnd();
  drawing::EndGraphics();
  return 0;
}
