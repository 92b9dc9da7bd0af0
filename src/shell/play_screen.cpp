// The play screen's updates: Mix It, the theme's weather, the symbol
// sweep, mouse input on the board and the number picker, and the in-game
// commands.
#include <algorithm>
#include <list>

#include "drawing/input.h"
#include "drawing/messages.h"
#include "engine/clock_math.h"
#include "engine/level_code.h"
#include "engine/random.h"
#include "presentation/game_skin.h"
#include "presentation/particle_effect.h"
#include "presentation/text_effect.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/screen_widgets.h"
#include "support/functions.h"
#include "support/text_util.h"
#include "widgets/input_trackers.h"

namespace {

constexpr int kSweepCells = 81;

// Symbols of the active stone set that fit the mapping slots.
int MappedSymbols(int maxColors) { return std::clamp(maxColors, 0, kSymbolSlots - 1); }

bool Editable(int column, int row) {
  const int state = PlayMaps.Map[column][row][1];
  return state != 1 && state != 2;
}

void ClosePicker() {
  PickerOpen = 0;
  PickerColumn = PickerRow = -1;
}

// The picker only ever writes into a player cell of a game in play.
bool PickerMayWrite() {
  return PickerColumn >= 0 && PickerColumn < 9 && PickerRow >= 0 && PickerRow < 9 && GameFinished == 0 &&
         Editable(PickerColumn, PickerRow);
}

// A picker left over from a finished game, or over a cell a hint has filled
// meanwhile, has nothing left to choose for.
void ClosePickerWhenStale() {
  if (PickerOpen && !PickerMayWrite()) ClosePicker();
}

}  // namespace

PuzzleSetup TGame::CreateSudoku(int level, int seed) {
  ClosePicker();
  const PuzzleSetup setup = CreatePuzzle(level, seed);
  if (setup.status == GenerationStatus::kAccepted) {
    // The game before is given up only now that a new one stands.
    DropSavedGame();
    Play.StartGame(CurrentLevel, CurrentSkin ? CurrentSkin->ActiveStoneSkin : 1, StoneSetFactor, Sudoku->seed);
    // The code and the generated board in the log, so a replay can be checked.
    const int stoneSet = CurrentSkin ? CurrentSkin->ActiveStoneSkin : 0;
    drawing::Print("LevelCode:" + FormLevelCode(CurrentLevel, stoneSet, Sudoku->seed));
    Functions::printMap(setup.generated);
    NewGameStarted();
  }
  return setup;
}

void TGame::InitStones() {
  for (int i = 1; i <= MappedSymbols(MaxColors); ++i) ReplaceStonesPreview[size_t(i)] = ReplaceStones[size_t(i)] = i;
}

void TGame::RandomizeStones() {
  const int symbols = MappedSymbols(MaxColors);
  std::list<int> order;
  for (int i = 1; i <= symbols; ++i) order.push_back(i);
  for (int pass = 0; pass < 11; ++pass) {
    // The walk has stepped on before it handles an element, so an element
    // moved to the back is met again in the same walk.
    auto next = order.begin();
    while (next != order.end()) {
      const auto current = next++;
      if (RndDouble() > double(0.3f)) order.splice(order.end(), order, current);
    }
  }
  int i = 1;
  for (int symbol : order) ReplaceStonesPreview[size_t(i++)] = symbol;
}

void TGame::NewGame() {
  ClosePicker();
  if (SuspendRunningGame()) return;
  InitStones();
  GameState = GAME_GAMEMENU;
  ShowWrongTurns = 0;
  Widgets.inGame[kShowWrong]->on = 0;
  GameFinished = 0;
}

void TGame::ResetField() {
  for (auto& column : PlayMaps.Map)
    for (auto& cell : column) cell[0] = cell[1] = 0;
}

// "Clear board": a player's move like any other, so it can be undone.
void TGame::ClearField() {
  ClosePicker();
  if (Play.board.ClearBoard()) AfterPlayerMove();
}

void TGame::Update_Running() {
  const int now = drawing::MilliSecs();
  UpdateMixItTimer(now);
  UpdateWeather(now);
  UpdateSweep(now);
  UpdateBoardInput();
  TParticleEffect::UpdateAll(0);
  UpdatePicker();
  TParticleEffect::UpdateAll(1);
  TTextEffect::UpdateAll();
  TGUIobject::UpdateAll("InGame", 0);
  UpdatePlayTools();
  if (Widgets.help->GetClicks()) SetGameState(GAME_INFOBOX);
  // However the game ended in this update, its clock stops where the score
  // was taken, and the picker goes.
  if (GameFinished) StopPlayClock(now);
  ClosePickerWhenStale();
}

void TGame::UpdateMixItTimer(int now) {
  // A finished board keeps the pictures it was finished with.
  if (!MixItActivated || GameFinished != 0) return;
  if (MixItTimer == 0) MixItTimer = LaterMs(now, MixItTime);
  if (ClockDifference(MixItTimer, now) >= 0) return;
  MixItTimer = LaterMs(now, MixItTime);
  ReplaceStonesActive = 1;
  ReplaceStonesPosition = 0;
  RandomizeStones();
  struct Phrase {
    const char* key;
    float x, y, dx, dy;
  };
  const Phrase phrases[3] = {{"MIXIT_PHRASE_A", 200, 200, -0.2f, -0.2f},
                             {"MIXIT_PHRASE_B", 250, 250, 0.1f, 0.0f},
                             {"MIXIT_PHRASE_C", 300, 300, 0.1f, 0.2f}};
  for (const Phrase& p : phrases) {
    TTextEffect::CreateText(Text(p.key), ImageFont, p.x, p.y, p.dx, p.dy, 0.0f, 1000, 1.0f, 1.0005f, 255, 255, 255,
                            5.5f, 0.98f);
  }
}

void TGame::UpdateWeather(int now) {
  if (!CurrentSkin) return;
  TGameSkin& skin = *CurrentSkin;
  // Compared as a clock difference: the spawn time may lie across the
  // clock's wrap from now.
  if (!skin.effect1_enabled || ClockDifference(skin.effect1_timer, now) >= 0) return;
  skin.effect1_timer = ClockAdd(now, skin.effect1_time);
  const std::string type = UpperAscii(skin.effect1_type);
  const char* effect = type == "SNOW" ? "Snow" : type == "STARS" ? "Stars" : nullptr;
  if (!effect) return;
  const TParticleEffectPtr weather = TParticleEffect::Create(500, 0);
  for (int i = 0; i < 2; ++i) weather->AddEffect(effect, 0, 0, skin.effect1_time, 0, 0, skin.effect1_amount);
}

// The new mapping sweeps the board cell by cell, left to right on even rows
// and right to left on odd ones, with a swirl on each cell it passes.
void TGame::UpdateSweep(int now) {
  if (!ReplaceStonesActive) return;
  // A sweep the end of the game caught lands at once.
  if (ReplaceStonesPosition >= kSweepCells || GameFinished != 0) {
    ReplaceStonesActive = 0;
    ReplaceStonesPosition = 0;
    for (int i = 0; i <= 11; ++i) ReplaceStones[size_t(i)] = ReplaceStonesPreview[size_t(i)];
  }
  if (ClockDifference(ReplaceStonesTimer, now) >= 0 || !ReplaceStonesActive) return;
  ReplaceStonesTimer = LaterMs(now, ReplaceStonesTime);
  int column = ReplaceStonesPosition % 9;
  const int row = ReplaceStonesPosition / 9;
  if (row % 2 == 1) column = 8 - column;
  const float cx = float(CellX[column][row] + 25);
  const float cy = float(CellY[column][row] + 25);
  const TParticleEffectPtr swirl = TParticleEffect::Create(100, 1);
  const float signs[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  for (const auto& sign : signs) {
    const int r1 = Rand(7, 12);
    const int r2 = Rand(7, 12);
    swirl->AddEffect("Swirl", cx + sign[0] * float(r1), cy + sign[1] * float(r2), 120, 0, 1, 0);
  }
  ReplaceStonesPosition += 1;
}

void TGame::UpdateBoardInput() {
  CursorMode = 1;
  HoverColumn = HoverRow = -1;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r)
      if (PointerInBox(float(CellX[c][r]), float(CellY[c][r]), 52, 52)) {
        HoverColumn = c;
        HoverRow = r;
        CursorMode = 0;
      }
  GameMenu.Update();
  ClosePickerWhenStale();
  if (PointerCaptured) {
    // Clicks on a box over the board are the box's.
    HoverColumn = HoverRow = -1;
    CursorMode = 1;
    return;
  }
  if (HoverColumn >= 0 && (MouseManager.IsHit(1) || MouseManager.IsHit(2)) && !PickerOpen) {
    Play.board.Select(HoverColumn, HoverRow);
  }

  if (HoverColumn >= 0 && Editable(HoverColumn, HoverRow) && GameFinished == 0) {
    if (MouseManager.IsHit(2)) {
      PickerOpen = 1;
      PickerColumn = HoverColumn;
      PickerRow = HoverRow;
      PickerX = CellX[HoverColumn][HoverRow] - 75;
      const int below = CellY[HoverColumn][HoverRow] + 30;
      PickerY = below > 420 ? CellY[HoverColumn][HoverRow] - 220 : below;
    }
    if (!PickerOpen && MouseManager.IsHit(1)) {
      Play.board.CycleDigit(HoverColumn, HoverRow);
      AfterPlayerMove();
    }
  }
  if (MouseManager.IsHit(1) && PickerOpen && PickerMayWrite()) ChooseFromPicker();
  UpdatePlayKeys();
}

void TGame::ChooseFromPicker() {
  for (int i = 0; i < 9; ++i) {
    const float bx = float(PickerX + 20 + (i % 3) * 55);
    const float by = float(PickerY + 20 + (i / 3) * 55);
    if (!PointerInBox(bx, by, 50, 50)) continue;
    // In notes mode the picker stays open, so several notes can be set.
    if (Play.board.notesMode) {
      if (Play.board.ToggleNote(PickerColumn, PickerRow, i + 1)) SaveRunningGame();
      return;
    }
    Play.board.SetDigit(PickerColumn, PickerRow, i + 1);
    ClosePicker();
    AfterPlayerMove();
    if (GameFinished == 1) drawing::Print("gewonnen");
    return;
  }
}

void TGame::UpdatePicker() {
  if (!PickerOpen || PointerCaptured) return;
  TGUIButton& nothing = *Widgets.selectNothing;
  TGUIButton& close = *Widgets.closePicker;
  nothing.x = PickerX + 18;
  nothing.y = PickerY + 185;
  nothing.width = 115;
  close.x = PickerX + 136;
  close.y = PickerY + 185;
  close.width = 44;
  TGUIobject::UpdateAll("SelectionMenu", 0);
  if (nothing.GetClicks()) {
    if (PickerMayWrite() && Play.board.SetDigit(PickerColumn, PickerRow, 0)) SaveRunningGame();
    ClosePicker();
  }
  if (close.GetClicks()) ClosePicker();
}

void TGameMenu::Update() {
  TGUIobject::UpdateAll("InGame", 0);
  TGame& game = *Game;
  for (int i = 0; i <= kQuitToMenu; ++i) {
    TGUIButton& button = *Widgets.inGame[size_t(i)];
    if (!button.GetClicks()) continue;
    if (i == kNewGame || i == kQuitToMenu) game.SaveRunningGame();
    if (i == kNewGame) game.NewGame();
    if (i == kSettings) game.SetGameState(GAME_OPTIONMENU);
    if (i == kQuitToMenu) game.SetGameState(GAME_STARTMENU);
    if (GameFinished != 0) continue;
    if (i == kHint) {
      TSudoku::GiveHint(1);
      game.Play.board.Settle();
      if (GameFinished) {
        game.DropSavedGame();
      } else {
        game.SaveRunningGame();
      }
    }
    if (i == kShowWrong) {
      ShowWrongTurns = 1 - ShowWrongTurns;
      button.manualState = 1;
      button.on = ShowWrongTurns;
      game.SaveRunningGame();
    }
    if (i == kSolve) {
      ClosePicker();
      game.Sudoku->SolveMap();
      TSudoku::QuorbelIsSolved(1);
      GameFinished = 1;
      game.Play.board.Settle();
      game.DropSavedGame();
    }
    if (i == kClearBoard) game.ClearField();
  }
}
