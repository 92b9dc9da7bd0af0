// The game as a player meets it, on the software renderer: the time from
// program start to the first drawn frame (start-up sequence included), and
// one frame of the play screen while the winter theme's snow falls.
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "game_copy.h"
#include "drawing/graphics.h"
#include "drawing/headless.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "presentation/game_skin.h"
#include "presentation/particle_effect.h"
#include "shell/game.h"
#include "shell/startup.h"

namespace {

namespace fs = std::filesystem;

const fs::path& GameCopy() { return bench_support::GameCopy("bench"); }

// In a fresh process each time: headless start, the whole start-up
// sequence, then the logo's first frame drawn and presented.
double StartToFirstFrameSeconds() {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_fds[0]);
    const auto start = std::chrono::steady_clock::now();
    fs::current_path(GameCopy());
    drawing::SetPrintHook([](const std::string&) {});  // the game's debug log
    std::string error;
    if (!drawing::StartHeadless("bench.script", error)) _exit(1);
    StartUp();
    Game->Draw(1);
    TBaseGame::DrawCursor();
    drawing::Flip(0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const ssize_t written = write(pipe_fds[1], &seconds, sizeof seconds);
    _exit(written == ssize_t(sizeof seconds) ? 0 : 1);
  }
  close(pipe_fds[1]);
  double seconds = -1;
  if (read(pipe_fds[0], &seconds, sizeof seconds) != ssize_t(sizeof seconds)) seconds = -1;
  close(pipe_fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

void BM_StartToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    const double seconds = StartToFirstFrameSeconds();
    if (seconds < 0) {
      state.SkipWithError("the start-up failed");
      return;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// One update of the game, 1/60 s of the virtual clock later.
void GameUpdate() {
  drawing::Delay(17);
  Game->Update();
}

// The running game in the winter theme, with its snow falling for a while.
void StartSnowyGame() {
  static bool started = false;
  if (started) return;
  started = true;
  fs::current_path(GameCopy());
  drawing::SetPrintHook([](const std::string&) {});
  std::string error;
  if (!drawing::StartHeadless("bench.script", error)) return;
  StartUp();
  for (const TGameSkinPtr& theme : TGameSkin::ThemeList())
    if (theme->title == "Winter" && theme != TGameSkin::ThemeList().front()) TGameSkin::ChangeToSkin(theme->SkinID);
  Game->InitStones();
  Game->SetGameState(GAME_CREATINGGAME);
  Game->CreateSudoku(1, 0);
  for (int i = 0; i < 600; ++i) GameUpdate();  // ten seconds of snow
}

void BM_PlayScreenFrameWithSnow(benchmark::State& state) {
  StartSnowyGame();
  if (GameState != GAME_RUNNING || !CurrentSkin || CurrentSkin->title != "Winter") {
    state.SkipWithError("no snowy game running");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    GameUpdate();  // two updates per frame, as the main loop runs them
    GameUpdate();
    state.ResumeTiming();
    Game->Draw(1);
    TBaseGame::DrawCursor();
    drawing::Flip(0);
  }
  size_t particles = 0;
  for (const auto& effect : TParticleEffect::All().Items()) {
    particles += effect->Particles.Size();
    for (const auto& group : effect->SubEffects.Items()) particles += group->Particles.Size();
  }
  state.counters["particles"] = double(particles);
}
BENCHMARK(BM_PlayScreenFrameWithSnow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

bench_support::RemoveGameCopy remove_copy_at_exit{"bench"};

}  // namespace

BENCHMARK_MAIN();
