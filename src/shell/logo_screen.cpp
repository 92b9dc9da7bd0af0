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

namespace {

int StateOf(TNewPuzzleRoute route) {
  switch (route) {
    case TNewPuzzleRoute::kGameMenu: return GAME_GAMEMENU;
    case TNewPuzzleRoute::kRepeatGame: return GAME_REPEATGAMEMENU;
    case TNewPuzzleRoute::kNone: break;
  }
  return GAME_STARTMENU;
}

}  // namespace

void TGame::GoTowardsNewPuzzle(TNewPuzzleRoute route) {
  if (route == TNewPuzzleRoute::kRepeatGame) ClearLevelCodeField();
  if (route != TNewPuzzleRoute::kNone) SetGameState(StateOf(route));
}

void TGame::Update_StartMenu() {
  if (SaveLossQuestion.IsOpen()) {
    // The menu under the question takes no clicks.
    TGUIobject::UpdateAll("SaveLossQuestion", 0);
    if (Widgets.lossStartAnyway->GetClicks()) GoTowardsNewPuzzle(SaveLossQuestion.StartAnyway());
    if (Widgets.lossBack->GetClicks()) SaveLossQuestion.Back();
    return;
  }
  TGUIobject::UpdateAll("StartMenu", 0);
  if (Widgets.startGame->GetClicks()) {
    GoTowardsNewPuzzle(SaveLossQuestion.Ask(TNewPuzzleRoute::kGameMenu, Play.saveOffered));
  }
  if (Widgets.repeatGame->GetClicks()) {
    GoTowardsNewPuzzle(SaveLossQuestion.Ask(TNewPuzzleRoute::kRepeatGame, Play.saveOffered));
  }
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
  if (SaveLossQuestion.IsOpen()) DrawSaveLossQuestion();
}

void TGame::DrawSaveLossQuestion() {
  drawing::SetColor(0, 0, 0);
  drawing::SetAlpha(0.4f);
  drawing::DrawRect(0, 0, 800, 600);
  ResetDrawing();
  DrawOpaqueFrameBox(170, 225, 460, 160);
  const std::string question = Text("SAVELOSS_QUESTION");
  drawing::SetImageFont(FontBold16);
  DrawShadowedText(question, float(400 - drawing::TextWidth(question) / 2), 265, 2, 2, 0.5f);
  ResetDrawing();
  TGUIobject::DrawAll("SaveLossQuestion", 0);
}
