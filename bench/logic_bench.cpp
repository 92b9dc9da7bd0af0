// Speed of the human-style solver: rating the puzzles the game deals (per
// puzzle, with the 99th percentile as a counter) and building graded
// puzzles per grade over a series of seeds. Counters: percentiles of the
// processor time per puzzle in microseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "engine/graded_puzzle.h"
#include "engine/logic_solver.h"
#include "shell/puzzle_command.h"

namespace {

// Per-puzzle times are the thread's processor time: on a shared machine
// the wall clock measures the neighbours as well.
double CpuMicros() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

// Puzzles as new games deal them, a fixed series per level.
const std::vector<logic::Grid>& GamePuzzles() {
  static const std::vector<logic::Grid> puzzles = [] {
    std::vector<logic::Grid> all;
    for (int level : {1, 3, 5, 7, 9}) {
      std::ostringstream out, err;
      RunPuzzleCommand({"generate", "--level", std::to_string(level), "--count", "40", "--rng-seed",
                        std::to_string(level), "--format", "line"},
                       out, err);
      std::istringstream lines(out.str());
      for (std::string line; std::getline(lines, line);) all.push_back(*logic::Grid::FromText(line));
    }
    return all;
  }();
  return puzzles;
}

void SetPercentiles(benchmark::State& state, std::vector<double>& micros) {
  std::sort(micros.begin(), micros.end());
  if (micros.empty()) return;
  state.counters["p50_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[(micros.size() - 1) * 99 / 100];
  state.counters["max_us"] = micros.back();
}

void BM_RateGamePuzzle(benchmark::State& state) {
  const std::vector<logic::Grid>& puzzles = GamePuzzles();
  std::vector<double> micros;
  size_t next = 0;
  for (auto _ : state) {
    const double t0 = CpuMicros();
    benchmark::DoNotOptimize(logic::RatePuzzle(puzzles[next]));
    micros.push_back(CpuMicros() - t0);
    next = (next + 1) % puzzles.size();
  }
  SetPercentiles(state, micros);
}
BENCHMARK(BM_RateGamePuzzle)->Unit(benchmark::kMicrosecond);

// One graded puzzle per iteration, seeds 1, 2, 3, ... per grade.
void BM_GradedPuzzle(benchmark::State& state) {
  const auto grade = static_cast<logic::Grade>(state.range(0));
  std::vector<double> micros;
  uint32_t seed = 1;
  for (auto _ : state) {
    const double t0 = CpuMicros();
    benchmark::DoNotOptimize(logic::MakeGradedPuzzle({grade, seed++}));
    micros.push_back(CpuMicros() - t0);
  }
  SetPercentiles(state, micros);
  state.SetLabel(std::string(logic::GradeName(grade)));
}
BENCHMARK(BM_GradedPuzzle)
    ->Arg(static_cast<int>(logic::Grade::kMedium))
    ->Arg(static_cast<int>(logic::Grade::kHard))
    ->Arg(static_cast<int>(logic::Grade::kExpert))
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradedPuzzle)->Arg(static_cast<int>(logic::Grade::kExtreme))->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
