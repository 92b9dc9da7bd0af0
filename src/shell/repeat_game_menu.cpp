// The repeat-game menu: a level code or a graded code typed in brings back
// its puzzle.
#include <string>

#include "drawing/graphics.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/game_code.h"
#include "shell/play_values.h"
#include "shell/score_factors.h"
#include "shell/screen_drawing.h"
#include "shell/screen_widgets.h"
#include "support/functions.h"
#include "support/text_util.h"

namespace {

// The code the message in the box speaks about; editing it takes the message away.
std::string MessageCode;

void ShowMessage(const std::string& key) {
  LevelCodeMessage = key;
  MessageCode = Widgets.levelCode->value;
}

}  // namespace

void TGame::ClearLevelCodeField() {
  Widgets.levelCode->value.clear();
  LevelCodeMessage.clear();
  MessageCode.clear();
}

void TGame::Update_RepeatGameMenu() {
  TGUIobject::UpdateAll("RepeatGameMenu", 0);
  // Codes are shown in upper case, while the input types lower case
  // letters, which the hexadecimal reading would take for 0.
  Widgets.levelCode->value = UpperAscii(Widgets.levelCode->value);
  if (Widgets.levelCode->value != MessageCode) LevelCodeMessage.clear();
  if (Widgets.repeatStart->GetClicks()) StartFromLevelCode();
  if (Widgets.repeatCancel->GetClicks()) {
    LevelCodeMessage.clear();
    GameState = LastGameState;
  }
}

void TGame::StartFromLevelCode() {
  const std::optional<GameCode> code = ReadGameCode(TrimBlanks(Widgets.levelCode->value));
  if (!code) {
    ShowMessage("LEVELCODE_INVALID");
    return;
  }
  LevelCodeMessage.clear();
  const LevelCodeParts* parts = std::get_if<LevelCodeParts>(&*code);
  // The code's stone set when the theme has it; a graded code names none,
  // so the one in use stays when the theme can show it.
  const int wanted = parts ? parts->stone_set : CurrentSkin->ActiveStoneSkin;
  CurrentSkin->SetActiveStoneSkin(CurrentSkin->HasStoneSet(wanted) ? wanted : 1);
  const TStoneSkinPtr set = CurrentSkin->getActiveStoneSkin();
  MaxColors = set ? set->MaxColors : 0;
  StoneDisplaceX = set ? set->displaceX : 0;
  StoneDisplaceY = set ? set->displaceY : 0;
  // Scored as the same game started from the game menu.
  StoneSetFactor = StoneSetFactorOf(CurrentSkin->ActiveStoneSkin);
  InitStones();
  if (parts) {
    const PuzzleSetup setup = CreateSudoku(parts->level, parts->seed);
    if (setup.status == GenerationStatus::kImpossible) ShowMessage("LEVELCODE_IMPOSSIBLE");
  } else {
    const bool made = CreateGradedSudoku(std::get<logic::GradedCode>(*code));
    if (!made && !EndRequested()) ShowMessage("LEVELCODE_IMPOSSIBLE");
  }
  MixItScoreMulti = 1;
  MixItActivated = 0;
  MixItTimer = 0;
}

void TGame::Draw_RepeatGameMenu() {
  if (LastGameState == GAME_STARTMENU) {
    Draw_StartMenu();
  } else {
    drawing::Cls();
    ResetDrawing();
    DrawSprite("startscreen");
  }
  // The start menu's buttons behind it must not show.
  DrawOpaqueFrameBox(180, 180, 420, 220);
  DrawTitle(Text("REPEATGAME"), 390, 195);
  const TGUIinput& input = *Widgets.levelCode;
  drawing::SetImageFont(FontBold12);
  DrawShadowedText(Text("LEVELCODE") + ":", float(input.x), float(input.y - 18), 2, 2, 0.5f);
  TGUIobject::DrawAll("RepeatGameMenu", 0);
  if (!LevelCodeMessage.empty()) {
    Functions::BlockText(Text(LevelCodeMessage), 200, 312, 380, 24, 1, FontBold12, 255, 150, 130, 0);
  }
}
