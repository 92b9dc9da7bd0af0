// Speed of puzzle generation: attempts per second, and the time a new game
// takes per level over a series of fresh seeds. GRIDLET_ENGINE_PATH picks
// the vector path to measure (see engine/engine_path.h).
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/engine_path.h"
#include "engine/puzzle_setup.h"
#include "engine/random.h"
#include "engine/sudoku.h"
#include "engine/sudoku_host.h"

namespace {

std::shared_ptr<TDefaultSudokuHost> FreshHost(int clock_ms) {
  SetRndState(kRndInitialState);
  auto host = std::make_shared<TDefaultSudokuHost>();
  host->virtual_clock = true;
  host->virtual_now = clock_ms;
  SetSudokuHost(host);
  SeedRnd(clock_ms);
  return host;
}

// Level 2 is almost never accepted at level 2, so a level-2 game runs its
// first 65000 attempts in full: a steady load of ordinary attempts.
void BM_Attempts(benchmark::State& state) {
  int clock_ms = 1000;
  int64_t attempts = 0;
  for (auto _ : state) {
    auto host = FreshHost(clock_ms);
    clock_ms += 7919;
    host->GameSudoku().RunGeneration(2, 0);
    attempts += host->GameSudoku().tries;
  }
  state.counters["attempts_per_second"] = benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kIsRate);
  state.counters["attempts"] = static_cast<double>(attempts);
  state.SetLabel(EnginePathName(ActiveEnginePath()));
}
BENCHMARK(BM_Attempts)->Unit(benchmark::kMillisecond)->Iterations(5);

// One new game per repetition, each with another clock and so other seeds;
// the median over the repetitions is the figure to read.
void BM_NewGame(benchmark::State& state) {
  static int game = 0;
  const int level = static_cast<int>(state.range(0));
  int tries = 0;
  for (auto _ : state) {
    auto host = FreshHost(123457 + 104729 * ++game);
    const PuzzleSetup setup = CreatePuzzle(level, 0);
    if (setup.status != GenerationStatus::kAccepted) state.SkipWithError("generation failed");
    tries = setup.tries;
  }
  state.counters["tries"] = tries;
}
BENCHMARK(BM_NewGame)
    ->DenseRange(1, 9)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(20)
    ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
