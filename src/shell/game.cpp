// The state machine: which screen runs, and the order the screens are
// tried in each update and frame.
#include "shell/game.h"

#include "shell/build_pacer.h"
#include "drawing/input.h"
#include "engine/clock_math.h"
#include "shell/play_values.h"
#include "shell/screen_widgets.h"
#include "support/text_util.h"
#include "widgets/game_graphics.h"

std::shared_ptr<TGame> Game;
TGameMenu GameMenu;
int GameState = GAME_LOGO;
int LastGameState = GAME_LOGO;

std::shared_ptr<TGame> TGame::Create() {
  auto game = std::make_shared<TGame>();
  GameGraphics.FillResolutionList();
  game->Sudoku = TSudoku::Create();
  game->SaveCheck.goOn = TBuildPacer();
  return game;
}

void TGame::SetGameState(int state) {
  LastGameState = GameState;
  GameState = state;
  if (state == GAME_OPTIONMENU && Widgets.lists.language && Widgets.theme) NoteOptionsOpened();
  for (int i = kHint; i <= kSettings; ++i) {
    if (Widgets.inGame[size_t(i)]) Widgets.inGame[size_t(i)]->grayedout = 0;
  }
  // The greyed look a finished game drew stays on a button that keeps its
  // own state; a new game shows whether mistakes are shown.
  if (state == GAME_RUNNING && Widgets.inGame[kShowWrong]) Widgets.inGame[kShowWrong]->on = ShowWrongTurns;
}

// Each state is tested on its own in this order, so a screen that hands
// over to a state tested later lets that screen run in the same pass.
void TGame::Update() {
  const int now = drawing::MilliSecs();
  intDeltaTime = float(ClockDifference(now, TruncToInt(IntTimer))) / 1000.0f;
  IntTimer = float(now);
  if (GameState == GAME_CREATINGGAME) Update_CreatingGame();
  if (GameState == GAME_REPEATGAMEMENU) Update_RepeatGameMenu();
  if (GameState == GAME_LOGO) Update_Logo();
  if (GameState == GAME_STARTMENU) Update_StartMenu();
  if (GameState == GAME_OPTIONMENU) Update_OptionMenu();
  if (GameState == GAME_RUNNING) Update_Running();
  if (GameState == GAME_INFOBOX) Update_InfoBox();
  if (GameState == GAME_GAMEMENU) Update_GameMenu();
  if (GameState == GAME_HOWTOPLAY) Update_HowToPlay();
}

void TGame::Draw(int flag) {
  if (GameState == GAME_CREATINGGAME) Draw_CreatingGame();
  if (GameState == GAME_REPEATGAMEMENU) Draw_RepeatGameMenu();
  if (GameState == GAME_LOGO) Draw_Logo();
  if (GameState == GAME_STARTMENU) Draw_StartMenu();
  if (GameState == GAME_OPTIONMENU) Draw_OptionMenu();
  if (GameState == GAME_RUNNING) Draw_Running(flag);
  if (GameState == GAME_INFOBOX) Draw_InfoBox();
  if (GameState == GAME_GAMEMENU) Draw_GameMenu();
  if (GameState == GAME_HOWTOPLAY) Draw_HowToPlay();
}

// The start menu has no clock, fades or particles: only its buttons under
// the pointer, the save-loss question and the Continue button change it.
bool TGame::StillScreen() const { return GameState == GAME_STARTMENU; }

int TGame::StillScreenDetail() const {
  const int own = (SaveLossQuestion.IsOpen() ? 1 : 0) | (Play.saveOffered ? 2 : 0) | (Play.continueButton ? 4 : 0);
  return GameState << 3 | own;
}

void TGame::Update_CreatingGame() {}
