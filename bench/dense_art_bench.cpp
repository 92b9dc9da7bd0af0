// The art at the screen's density: texture memory of the main screens, the
// time to load a theme and a play-screen frame with notes, all at the scale
// GRIDLET_BENCH_SCALE gives (1, 2 or 3; the game drawn through the software
// renderer at 800, 1600 or 2400 pixels across):
//   GRIDLET_BENCH_SCALE=2 build/bench/dense_art_bench
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "noted_game.h"
#include "drawing/graphics.h"
#include "drawing/headless.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "drawing/renderer.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/startup.h"

namespace {

namespace fs = std::filesystem;


int Scale() {
  const char* s = std::getenv("GRIDLET_BENCH_SCALE");
  return s ? std::clamp(std::atoi(s), 1, 3) : 1;
}

using bench_support::GameUpdate;

void DrawFrame() {
  Game->Draw(1);
  TBaseGame::DrawCursor();
  drawing::Flip(0);
}

// The game at the scale, its start menu and options drawn once, then a
// level-6 game with every empty cell full of notes.
bool StartScaledGame() {
  static const bool ok = [] {
    const bool dealt = bench_support::StartGameWithNotes("dense-art-bench", Scale(), [] {
      for (int state : {GAME_STARTMENU, GAME_OPTIONMENU}) {
        Game->SetGameState(state);
        for (int i = 0; i < 3; ++i) GameUpdate();
        DrawFrame();
      }
    }) > 0;
    if (dealt) DrawFrame();
    return dealt;
  }();
  return ok;
}

void BM_PlayScreenFrameWithNotes(benchmark::State& state) {
  if (!StartScaledGame()) {
    state.SkipWithError("no game with notes running");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    GameUpdate();
    GameUpdate();
    state.ResumeTiming();
    DrawFrame();
  }
  state.counters["scale"] = Scale();
  state.counters["window_px"] = drawing::GraphicsWidth();
}
BENCHMARK(BM_PlayScreenFrameWithNotes)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// What the start menu, the options and the play screen with notes hold in
// textures once drawn.
void BM_TextureMemoryOfTheMainScreens(benchmark::State& state) {
  if (!StartScaledGame()) {
    state.SkipWithError("no game running");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(drawing::SoftwareTextureBytes());
  state.counters["texture_MB"] = double(drawing::SoftwareTextureBytes()) / (1024.0 * 1024.0);
  state.counters["scale"] = Scale();
}
BENCHMARK(BM_TextureMemoryOfTheMainScreens)->Iterations(1);

// Loading a theme's config, pictures and fonts at the scale.
void BM_LoadTheme(benchmark::State& state) {
  if (!StartScaledGame()) {
    state.SkipWithError("no game running");
    return;
  }
  const std::string theme = state.range(0) == 0 ? "themes/base" : "themes/winter";
  for (auto _ : state) {
    TGameSkinPtr skin = TGameSkin::Create(theme);
    skin->LoadConfig(0);
    benchmark::DoNotOptimize(skin);
  }
  state.counters["scale"] = Scale();
}
BENCHMARK(BM_LoadTheme)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

bench_support::RemoveGameCopy remove_copy_at_exit{"dense-art-bench"};

}  // namespace

BENCHMARK_MAIN();
