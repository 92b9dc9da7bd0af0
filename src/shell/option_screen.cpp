#include "shell/option_screen.h"

#include <utility>

#include "drawing/graphics.h"
#include "shell/game.h"
#include "shell/screen_drawing.h"
#include "widgets/gui_object.h"

bool OptionsOverPlayScreen() { return LastGameState == GAME_RUNNING; }

TRaisedWidgets::TRaisedWidgets(std::string group, bool raise) : group_(std::move(group)), raise_(raise) {
  if (raise_) TGUIobject::DisplaceAll(group_, 0, -100);
}

TRaisedWidgets::~TRaisedWidgets() {
  if (raise_) TGUIobject::DisplaceAll(group_, 0, 100);
}

float DrawOptionsBackground() {
  if (OptionsOverPlayScreen()) {
    Game->Draw_Running(0);
    return -100.0f;
  }
  drawing::Cls();
  ResetDrawing();
  DrawSprite("startscreen");
  return 0.0f;
}
