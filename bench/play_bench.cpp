// The play aids on the software renderer: a play-screen frame with all nine
// notes in every empty cell, the autosave that follows every move, and the
// frame around a move on a disk whose every sync takes 50 ms.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <fstream>
#include <string>

#include "noted_game.h"
#include "drawing/graphics.h"
#include "drawing/headless.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "drawing/platform.h"
#include "shell/game.h"
#include "shell/startup.h"
#include "widgets/input_trackers.h"

namespace {

namespace fs = std::filesystem;

const fs::path& GameCopy() { return bench_support::GameCopy("play-bench"); }

using bench_support::GameUpdate;

// A level-6 code's game with every empty cell full of notes and the
// keyboard's selection frame shown.
bool StartNotedGame() {
  static const bool ok = bench_support::StartGameWithNotes("play-bench", 1, [] {}) > 0;
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
    Game->Saves.Flush();  // the whole save, as the writer thread makes it
  }
  state.counters["steps"] = double(board.History().size());
  state.counters["bytes"] = double(fs::file_size(GameCopy() / "savegame.xml"));
}
BENCHMARK(BM_SaveAfterAMove)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// A slow spinning disk or a busy SSD: every fsync takes 50 ms.
drawing::DurableFileOps SlowSyncs() {
  drawing::DurableFileOps ops = drawing::DurableFileOps::System();
  ops.sync = [](int fd) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return ::fsync(fd);
  };
  return ops;
}

// The loop's own time for one move made with the keyboard (a digit, then
// the cell emptied again) on the slow disk: the update that sees the key,
// makes the move and hands the save over, and the update after it. The
// frame drawn after them is the same with or without a save and is left
// out (BM_PlayScreenFrameWithNotesEverywhere). `waitForDisk` waits for the
// save inside the measured time, as a save on the main loop would.
void MoveFrameOnASlowDisk(benchmark::State& state, bool waitForDisk) {
  if (!StartNotedGame()) {
    state.SkipWithError("no game running");
    return;
  }
  TPlayBoard& board = Game->Play.board;
  int column = -1, row = -1;
  for (int i = 0; i < 81 && column < 0; ++i)
    if (board.Editable(i / 9, i % 9)) column = i / 9, row = i % 9;
  board.Select(column, row);
  Game->Saves.UseFileOps(SlowSyncs());
  const size_t stepsBefore = board.History().size();
  bool digit = true;
  for (auto _ : state) {
    const int key = digit ? '7' : '0';
    digit = !digit;
    drawing::Input().PressKey(key);
    GameUpdate();
    drawing::Input().ReleaseKey(key);
    GameUpdate();
    if (waitForDisk) Game->Saves.Flush();
    state.PauseTiming();
    Game->Draw(1);
    TBaseGame::DrawCursor();
    drawing::Flip(0);
    GameUpdate();  // the key's state settles before it can be hit again
    state.ResumeTiming();
  }
  Game->Saves.Flush();
  Game->Saves.UseFileOps(drawing::DurableFileOps::System());
  state.counters["saves_failed"] = Game->Saves.Failures();
  state.counters["moves"] = double(board.History().size() - stepsBefore);
}

void BM_MoveFrameOnASlowDisk(benchmark::State& state) { MoveFrameOnASlowDisk(state, false); }
BENCHMARK(BM_MoveFrameOnASlowDisk)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_MoveFrameWaitingForASlowDisk(benchmark::State& state) { MoveFrameOnASlowDisk(state, true); }
BENCHMARK(BM_MoveFrameWaitingForASlowDisk)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

bench_support::RemoveGameCopy remove_copy_at_exit{"play-bench"};

}  // namespace

BENCHMARK_MAIN();
