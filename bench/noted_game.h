// The real game running headless in a copy of the built game folder, with
// a level-6 puzzle dealt and every empty cell full of notes: the busiest
// play screen there is, for benchmarks that draw or save it.
#pragma once

#include <string>

#include "drawing/headless.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "game_copy.h"
#include "shell/game.h"
#include "shell/startup.h"
#include "widgets/input_trackers.h"

namespace bench_support {

inline void GameUpdate() {
  drawing::Delay(17);
  KeyManager.changeStatus();
  MouseManager.changeStatus(0);
  Game->Update();
}

// Starts the game in the copy at the headless scale given (call it once per
// process); `before_deal` runs after start-up, before the puzzle is dealt. Returns the count of empty cells
// given notes, 0 when no game could be started.
template <typename BeforeDeal>
int StartGameWithNotes(const std::string& tag, int scale, BeforeDeal before_deal) {
  std::filesystem::current_path(GameCopy(tag));
  drawing::SetPrintHook([](const std::string&) {});
  drawing::SetHeadlessScale(scale);
  std::string error;
  if (!drawing::StartHeadless("bench.script", error)) return 0;
  StartUp();
  before_deal();
  Game->InitStones();
  Game->SetGameState(GAME_CREATINGGAME);
  Game->CreateSudoku(6, 1342563);
  if (GameState != GAME_RUNNING) return 0;
  int empty = 0;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r)
      if (PlayMaps.Map[c][r][0] == 0) {
        Game->Play.board.SetNotes(c, r, kAllNotes);
        ++empty;
      }
  Game->Play.keyboardUsed = true;
  for (int i = 0; i < 60; ++i) GameUpdate();
  return empty;
}

}  // namespace bench_support
