// The play aids on the software renderer: a play-screen frame with all nine
// notes in every empty cell, and the autosave that follows every move.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "game_copy.h"
#include "drawing/graphics.h"
#include "drawing/headless.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "shell/game.h"
#include "shell/startup.h"

namespace {

namespace fs = std::filesystem;

const fs::path& GameCopy() { return bench_support::GameCopy("play-bench"); }

void GameUpdate() {
  drawing::Delay(17);
  Game->Update();
}

// A level-6 code's game with every empty cell full of notes, the pointer on
// a note-filled cell (so its digit's notes light up) and the keyboard's
// selection frame shown.
bool StartNotedGame() {
  static bool started = false, ok = false;
  if (started) return ok;
  started = true;
  fs::current_path(GameCopy());
  drawing::SetPrintHook([](const std::string&) {});
  std::string error;
  if (!drawing::StartHeadless("bench.script", error)) return false;
  StartUp();
  Game->InitStones();
  Game->SetGameState(GAME_CREATINGGAME);
  Game->CreateSudoku(6, 1342563);
  if (GameState != GAME_RUNNING) return false;
  TPlayBoard& board = Game->Play.board;
  int empty = 0;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r)
      if (PlayMaps.Map[c][r][0] == 0) {
        board.SetNotes(c, r, kAllNotes);
        ++empty;
      }
  Game->Play.keyboardUsed = true;
  for (int i = 0; i < 60; ++i) GameUpdate();
  ok = empty > 0;
  return ok;
}

void BM_PlayScreenFrameWithNotesEverywhere(benchmark::State& state) {
  if (!StartNotedGame()) {
    state.SkipWithError("no game with notes running");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    GameUpdate();
    GameUpdate();
    state.ResumeTiming();
    Game->Draw(1);
    TBaseGame::DrawCursor();
    drawing::Flip(0);
  }
  int notes = 0;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) notes += __builtin_popcount(Game->Play.board.Cell(c, r).notes);
  state.counters["notes"] = notes;
}
BENCHMARK(BM_PlayScreenFrameWithNotesEverywhere)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The save after a move, half-way through a game: a history of 80 steps
// (digits with the notes they cleared, notes, a fill of all candidates).
void BM_SaveAfterAMove(benchmark::State& state) {
  if (!StartNotedGame()) {
    state.SkipWithError("no game running");
    return;
  }
  TPlayBoard& board = Game->Play.board;
  board.ClearNotes();
  board.FillNotes();
  int moves = 0;
  for (int c = 0; c < 9 && moves < 80; ++c)
    for (int r = 0; r < 9 && moves < 80; ++r)
      if (board.Editable(c, r) && PlayMaps.Map[c][r][0] == 0) {
        board.SetDigit(c, r, 1 + (c + r) % 9);
        board.ToggleNote(c, (r + 1) % 9, 5);
        moves += 2;
      }
  bool undo = true;
  for (auto _ : state) {
    // Undo and redo in turn: a move each time, the history stays as long.
    state.PauseTiming();
    undo ? board.Undo() : board.Redo();
    undo = !undo;
    state.ResumeTiming();
    Game->SaveRunningGame();
  }
  state.counters["steps"] = double(board.History().size());
  state.counters["bytes"] = double(fs::file_size(GameCopy() / "savegame.xml"));
}
BENCHMARK(BM_SaveAfterAMove)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

bench_support::RemoveGameCopy remove_copy_at_exit{"play-bench"};

}  // namespace

BENCHMARK_MAIN();
