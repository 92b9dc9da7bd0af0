// The notice that the autosave failed: the player must not play on believing
// the game is kept. It stays until a save of the game succeeds (the
// background writer tells which file's latest write failed).
#include "drawing/graphics.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/savegame.h"
#include "shell/screen_drawing.h"
#include "support/functions.h"

namespace {

// Under the highscore list, above the level code: clear of the board, the
// coach's panel and every button.
constexpr float kX = 18, kY = 535, kWidth = 178, kHeight = 31;

}  // namespace

void TGame::DrawSaveFailure() {
  if (!Play.inProgress || GameFinished != 0 || !Saves.Failing(kSaveGameFile)) return;
  // Dark behind the words, framed in the theme's colour of a conflict.
  drawing::SetColor(20, 24, 30);
  drawing::SetAlpha(0.95f);
  drawing::DrawRect(kX, kY, kWidth, kHeight);
  SetMarkColour("CONFLICT", 235, 70, 70);
  drawing::SetAlpha(1);
  drawing::DrawRect(kX, kY, kWidth, 2);
  drawing::DrawRect(kX, kY + kHeight - 2, kWidth, 2);
  drawing::DrawRect(kX, kY, 2, kHeight);
  drawing::DrawRect(kX + kWidth - 2, kY, 2, kHeight);
  ResetDrawing();
  Functions::BlockText(Text("SAVE_FAILED"), kX + 5, kY + 3, int(kWidth) - 10, int(kHeight) - 4, 1, Font10, 255, 255,
                       255, 0);
  drawing::SetImageFont(FontBold12);
}
