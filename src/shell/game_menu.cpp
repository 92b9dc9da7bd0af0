// The game menu, where a new game is configured, and the screen shown while
// its puzzle is generated.
#include <algorithm>
#include <optional>
#include <string>

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "engine/clock_math.h"
#include "engine/random.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/grade_choice.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"
#include "shell/score_factors.h"
#include "shell/screen_widgets.h"
#include "shell/settings.h"
#include "support/functions.h"
#include "support/text_util.h"
#include "widgets/input_trackers.h"

namespace {

int ActiveMaxColors() {
  const TStoneSkinPtr set = CurrentSkin ? CurrentSkin->getActiveStoneSkin() : nullptr;
  return set ? set->MaxColors : 0;
}

constexpr int kFreshGradedSeeds = 0xFFFFFF;

}  // namespace

// Moved when a suspended game comes and goes (shell/suspended_game.cpp).
void PlaceGameMenuStart(bool besideBack) { Widgets.gameStart->x = besideBack ? 225 : 320; }

void TGame::Update_GameMenu() {
  // The arrow keys choose the level as the slider does; the player name
  // takes no arrows, so they stay free while it is typed.
  if (KeyWrapper.pressedKey(drawing::KEY_LEFT)) Widgets.difficulty->StepBy(-1);
  if (KeyWrapper.pressedKey(drawing::KEY_RIGHT)) Widgets.difficulty->StepBy(1);
  CurrentLevel = std::clamp(Widgets.difficulty->GetValue() + 1, 1, 9);
  TGUIobject::UpdateAll("GameMenu", 0);
  PlayerName = Widgets.playerName->Typed();
  if (Suspended.Active()) {
    TGUIobject::UpdateAll("GameMenuBack", 0);
    if (Widgets.gameBack->GetClicks()) {
      ResumeSuspendedGame();
      return;
    }
  }
  for (int n = 1; n <= 4; ++n) {
    if (!Widgets.stoneSets[size_t(n - 1)]->GetClicks()) continue;
    CurrentSkin->SetActiveStoneSkin(n);
    MaxColors = ActiveMaxColors();
    StoneSetFactor = StoneSetFactorOf(n);
  }
  if (Widgets.gameStart->GetClicks()) {
    SetGameState(GAME_CREATINGGAME);
    LastGameState = GAME_GAMEMENU;
  }
  for (int n = 1; n <= 4; ++n) Widgets.stoneSets[size_t(n - 1)]->on = CurrentSkin->ActiveStoneSkin == n ? 1 : 0;
  if (GameState == GAME_CREATINGGAME) StartFromGameMenu();

  const int now = drawing::MilliSecs();
  if (ClockDifference(PreviewTimer, now) < 0) {
    PreviewTimer = LaterMs(now, 2500);
    PreviewOffset += 3;
    if (PreviewOffset > 6) PreviewOffset = 0;
  }
}

void TGame::StartFromGameMenu() {
  TStoneSkinPtr set = CurrentSkin->getActiveStoneSkin();
  if (!set || !set->Image) {
    CurrentSkin->SetActiveStoneSkin(1);
    MaxColors = ActiveMaxColors();
    StoneDisplaceX = StoneDisplaceY = 0;
    StoneSetFactor = StoneSetFactorOf(1);
    set = CurrentSkin->getActiveStoneSkin();
  }
  if (set) {
    StoneDisplaceX = set->displaceX;
    StoneDisplaceY = set->displaceY;
  }
  const int position = Widgets.lists.mixIt->ListPosClicked;
  if (position >= 1 && position <= 4) {
    MixItScoreMulti = kMixItChoices[size_t(position - 1)].multi;
    MixItTime = kMixItChoices[size_t(position - 1)].time;
    MixItActivated = 1;
  } else {
    MixItScoreMulti = 1;
    MixItActivated = 0;
  }
  MixItTimer = 0;
  InitStones();
  // The name typed for this game is the one the next start offers.
  const std::optional<SettingsValues> stored = SettingsInFile("settings.xml");
  if (!stored || stored->username != PlayerName) SaveConfig("settings.xml");
  // A new game that did not come about (Escape, the attempt limit) gives
  // the suspended game back with all of its own values.
  if (const std::optional<logic::Grade> grade = ChosenGrade(Widgets.gradeChoice->ListPosClicked)) {
    // A fresh seed as a level game's is fresh: from the general generator,
    // which the clock seeded at start-up. Six hex digits keep codes short.
    const logic::GradedCode code{*grade, uint32_t(Rand(1, kFreshGradedSeeds))};
    if (!CreateGradedSudoku(code)) {
      ResumeSuspendedGame();
      // No puzzle within the attempt limit, and no game to go back to: the
      // menu again, for another start (another seed).
      if (GameState == GAME_CREATINGGAME && !EndRequested()) GameState = GAME_GAMEMENU;
    }
  } else if (CreateSudoku(CurrentLevel, 0).status != GenerationStatus::kAccepted) {
    ResumeSuspendedGame();
  }
}

void TGame::Draw_GameMenu() {
  drawing::Cls();
  drawing::SetColor(255, 255, 255);
  for (const char* name : {"background", "field", "time", "highscore"}) DrawSprite(name);
  GameMenu.Draw();
  drawing::DrawImage(BlankImage, 15, 29, 0);

  drawing::SetColor(0, 0, 0);
  drawing::SetAlpha(0.2f);
  drawing::DrawRect(0, 0, 800, 600);
  ResetDrawing();

  DrawFrameBox(250, 25, 300, 100);
  DrawFrameBox(200, 130, 400, 355);
  // With a game to go back to, the bottom box is as wide as the one above
  // and holds "Back" beside the start button.
  if (Suspended.Active()) {
    DrawFrameBox(200, 497, 400, 80);
  } else {
    DrawFrameBox(230, 497, 340, 80);
  }
  DrawTitle(Text("GAMESETTINGS"), 400, 145);

  drawing::SetImageFont(FontBold16);
  const float inputX = float(Widgets.playerName->x);
  DrawShadowedText(Text("PLAYERNAME") + ":", inputX + 2, 45, 0, 2, 0.5f);
  DrawShadowedText(Text("DIFFICULTY") + ":" + std::to_string(CurrentLevel), 228, 185, 2, 2, 0.5f);
  DrawShadowedText(Text("STONES") + ":", 228, 300, 2, 2, 0.5f);
  DrawShadowedText(Text("PREVIEW") + ":", 228, 420, 2, 2, 0.5f);

  // A mark under the knob at the first, middle and last level.
  const TGUISlider& slider = *Widgets.difficulty;
  const float sx = float(slider.x), sy = float(slider.y), sw = float(slider.width);
  const auto markX = [&](int value) {
    return sx + float(slider.KnobCentreAt(value)) - float(drawing::TextWidth("|") / 2);
  };
  drawing::SetImageFont(Font10);
  drawing::SetColor(255, 255, 255);
  drawing::SetAlpha(0.5f);
  drawing::DrawText("|", markX(slider.minvalue), sy + 20);
  drawing::DrawText("|", markX((slider.minvalue + slider.maxvalue) / 2), sy + 20);
  drawing::DrawText("|", markX(slider.maxvalue), sy + 20);
  drawing::SetAlpha(1);
  const std::string easy = Text("DIFFICULTY_EASY");
  const std::string average = Text("DIFFICULTY_AVERAGE");
  const std::string hard = Text("DIFFICULTY_HARD");
  const float middle = sx + float(slider.KnobCentreAt((slider.minvalue + slider.maxvalue) / 2));
  drawing::DrawText(easy, sx - 5, sy + 32);
  drawing::DrawText(average, middle - float(drawing::TextWidth(average) / 2), sy + 32);
  drawing::DrawText(hard, sx + 5 + sw - float(drawing::TextWidth(hard)), sy + 32);

  drawing::SetImageFont(FontBold12);
  const std::string level = std::to_string(CurrentLevel);
  const std::string a = Text("DIFFICULTY_LEVEL" + level + "_A");
  const std::string minStones = std::to_string(TruncToInt(Sudoku->Levels_MinStones[1]));
  const std::string b = ReplaceAll(Text("DIFFICULTY_LEVEL" + level + "_B"), "%1", minStones);
  Functions::BlockText(a + "\r \r" + b, 410, 185, 160, 150, 0, Font10, 255, 255, 255, 0);
  // The levels' puzzles are easy ones; the grade list right below makes harder ones.
  if (!ChosenGrade(Widgets.gradeChoice->ListPosClicked)) {
    drawing::SetImageFont(Font10);
    drawing::SetColor(255, 255, 255);
    drawing::DrawText(Text("DIFFICULTY_MORE"), 410, 272);
  }

  TGUIobject::DrawAll("GameMenu", 0);
  if (Suspended.Active()) TGUIobject::DrawAll("GameMenuBack", 0);

  const TStoneSkinPtr set = CurrentSkin ? CurrentSkin->getActiveStoneSkin() : nullptr;
  if (!set || !set->BGImage || !set->Image) return;
  for (int i = 0; i < 3; ++i) {
    const int x = 340 + 52 * i;
    set->BGImage->Draw(x, 410, 0);
    set->Image->Draw(x + 2 + StoneDisplaceX, 412 + StoneDisplaceY, i + PreviewOffset);
    set->BGImage->Draw(x, 410, 1);
  }
}

void TGame::Draw_CreatingGame() {
  Draw_BaseGame();
  DrawSprite("field");
  DrawFrameBox(200, 200, 400, 200);
  drawing::DrawText(Text("CREATING_GRIDLET"), 240, 230);
  const std::string tries = GradedAttempt > 0
                                ? std::to_string(GradedAttempt) + " / " + std::to_string(logic::kGradedAttemptLimit)
                                : std::to_string(Sudoku->tries) + " / " + std::to_string(Sudoku->maxtries);
  drawing::DrawText(Text("TRIES") + ": " + tries, 240, 270);
}
