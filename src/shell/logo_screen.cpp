// The logo animation and the start menu that emerges from it.
#include "drawing/graphics.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"
#include "shell/screen_widgets.h"
#include "shell/settings.h"

// Fade in, a light sweep across the logo, fade out, then the start menu
// comes up out of black. The alpha set here is the one the next frame uses.
void TGame::Update_Logo() {
  logoframe += 1;
  if (logoeffectX >= drawing::ImageWidth(LogoImage) - drawing::ImageWidth(LogoEffectImage)) {
    logoeffectX = 0;
    logoframe = logomaxframe;
  }
  if (logoframe >= logomaxframe && logoeffectX == 0) {
    logostate += 1;
    logoframe = 1;
  }
  float alpha = 1.0f;
  switch (logostate) {
    case 0: alpha = logoframe / logomaxframe; break;
    case 1:
      alpha = 1.0f;
      logoeffectX = TruncToInt(double(logoeffectX) + 2.5);
      logoframe -= 0.5f;
      break;
    case 2: alpha = 1.0f - logoframe / logomaxframe; break;
    case 3:
      alpha = 0.0f;
      logoframe += 2;
      break;
    case 4:
      SetGameState(GAME_STARTMENU);
      drawing::SetAlpha(1);
      break;
    default: break;
  }
  drawing::SetAlpha(alpha);
}

void TGame::Draw_Logo() {
  drawing::SetClsColor(0, 0, 0);
  drawing::Cls();
  if (logostate < 3) {
    drawing::DrawImage(LogoImage, 272, 172, 0);
    if (logostate == 1) {
      drawing::SetAlpha(0.25f);
      drawing::SetBlend(drawing::LIGHTBLEND);
      drawing::DrawImage(LogoEffectImage, float(272 + logoeffectX), 172, 0);
      drawing::SetBlend(drawing::ALPHABLEND);
      drawing::SetAlpha(1);
    }
  } else {
    Draw_StartMenu();
    drawing::SetAlpha(1.0f - logoframe / logomaxframe);
    drawing::SetColor(0, 0, 0);
    drawing::DrawRect(0, 0, float(ScreenWidth), float(ScreenHeight));
  }
  ResetDrawing();
}

void TGame::Update_StartMenu() {
  TGUIobject::UpdateAll("StartMenu", 0);
  if (Widgets.startGame->GetClicks()) SetGameState(GAME_GAMEMENU);
  if (Widgets.repeatGame->GetClicks()) SetGameState(GAME_REPEATGAMEMENU);
  if (Widgets.howToPlay->GetClicks()) OpenHowToPlay();
  if (Widgets.settings->GetClicks()) SetGameState(GAME_OPTIONMENU);
  if (Widgets.quitGame->GetClicks()) QuitGame = 1;
  if (Play.continueButton && Play.continueButton->GetClicks()) ContinueSavedGame();
  if (Play.continueButton) Play.continueButton->enabled = Play.saveOffered ? 1 : 0;
}

void TGame::Draw_StartMenu() {
  drawing::Cls();
  ResetDrawing();
  DrawSprite("startscreen");
  TGUIobject::DrawAll("StartMenu", 0);
}
