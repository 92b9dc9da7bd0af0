// The info box: version, date and author of the game and of the theme in
// use, over the play screen when it was opened from there.
#include "drawing/graphics.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/game_info.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"
#include "shell/screen_widgets.h"

namespace {

constexpr float kBoxX = 200, kBoxY = 200, kBoxWidth = 400, kBoxHeight = 320;

}  // namespace

void TGame::Update_InfoBox() {
  if (LastGameState == GAME_RUNNING) {
    // The game runs on under the box, but a click on the box never reaches
    // the board or a picker hidden below it.
    PointerCaptured = PointerInBox(kBoxX, kBoxY, kBoxWidth, kBoxHeight);
    Update_Running();
    PointerCaptured = false;
    // The box sits over the running game whatever the game's own buttons
    // did meanwhile: a second "?" or the settings opened from under the box
    // must not make the box its own way back.
    LastGameState = GAME_RUNNING;
  }
  TGUIobject::UpdateAll("InfoBox", 0);
  if (Widgets.infoClose->GetClicks()) GameState = LastGameState;
}

void TGame::Draw_InfoBox() {
  if (LastGameState == GAME_RUNNING) Draw_Running(0);
  DrawFrameBox(kBoxX, kBoxY, kBoxWidth, kBoxHeight);
  drawing::SetImageFont(ImageFont);
  drawing::SetScale(0.9f, 0.8f);
  drawing::DrawText("Gridlet", 220, 215);
  drawing::SetScale(1, 1);

  drawing::SetImageFont(Font12);
  // Light on the box, which is dark enough for light text to read well.
  drawing::SetColor(240, 240, 240);
  const char* gameKeys[3] = {"VERSION", "DATE", "AUTHOR"};
  const std::string gameValues[3] = {kVersionLabel, kBuildDateLabel, kAuthorText};
  for (int i = 0; i < 3; ++i) {
    drawing::DrawText(Text(gameKeys[i]) + ":", 230, float(270 + 15 * i));
    drawing::DrawText(gameValues[i], 300, float(270 + 15 * i));
  }
  drawing::SetImageFont(FontBold12);
  drawing::DrawText(Text("SKIN"), 230, 330);
  drawing::SetImageFont(Font12);
  const char* themeKeys[5] = {"TITLE", "VERSION", "DATE", "AUTHOR", "URL"};
  std::string themeValues[5];
  if (CurrentSkin) {
    const TGameSkin& skin = *CurrentSkin;
    themeValues[0] = skin.title;
    themeValues[1] = skin.version;
    themeValues[2] = skin.date_from + "    (Update: " + skin.date_update + ")";
    themeValues[3] = skin.author;
    themeValues[4] = skin.author_url;
  }
  for (int i = 0; i < 5; ++i) {
    drawing::DrawText(Text(themeKeys[i]) + ":", 230, float(345 + 15 * i));
    drawing::DrawText(themeValues[i], 300, float(345 + 15 * i));
  }
  drawing::SetColor(255, 255, 255);
  TGUIobject::DrawAll("InfoBox", 0);
}
