#include "engine/puzzle_setup.h"

#include <memory>
#include <string>

#include "engine/clock_math.h"
#include "engine/exact_solver.h"
#include "engine/random.h"
#include "engine/sudoku_host.h"
#include "engine/twister.h"

namespace {

Board MapLayer(const int (&map)[9][9][2]) {
  Board board{};
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) {
      const int digit = map[x][y][0];
      board[x][y] = static_cast<uint8_t>(digit >= 0 && digit <= 9 ? digit : 0);
    }
  return board;
}

// The set-up's revealed givens belong to the level code: they are drawn
// from a stream seeded by the code's seed and level, and the general
// generator is left exactly where it was for everything else it drives.
class SetupGivenDraws {
 public:
  SetupGivenDraws(int seed, int level) : saved_(RndState()) {
    const uint32_t mixed = static_cast<uint32_t>(seed) * 2654435761u ^ static_cast<uint32_t>(level) * 40503u;
    SeedRnd(static_cast<int>(mixed & 0x7fffffffu));
  }
  ~SetupGivenDraws() { SetRndState(saved_); }
  SetupGivenDraws(const SetupGivenDraws&) = delete;
  SetupGivenDraws& operator=(const SetupGivenDraws&) = delete;

 private:
  int32_t saved_;
};

}  // namespace

int AddGivensUntilUnique(TPlayMaps& maps) {
  const Board solution = MapLayer(maps.SolutionMap);
  int added = 0;
  for (;;) {
    const std::vector<Board> found = FindSolutions(MapLayer(maps.Map), 2);
    if (found.size() < 2) return added;
    const Board& other = found[0] != solution ? found[0] : found[1];
    int cell = 0;
    while (other[cell / 9][cell % 9] == solution[cell / 9][cell % 9]) ++cell;
    const int x = cell / 9;
    const int y = cell % 9;
    maps.Map[x][y][0] = solution[x][y];
    maps.Map[x][y][1] = 1;
    ++added;
  }
}

PuzzleSetup CreatePuzzle(int level, int seed) {
  TSudokuHost& host = SudokuHost();
  TSudoku& sudoku = host.GameSudoku();
  PuzzleSetup setup;

  const int started = host.MilliSecs();
  const GenerationResult generation = sudoku.RunGeneration(level, seed);
  const int taken = ClockDifference(host.MilliSecs(), started);
  host.Print("Generiert in " + std::to_string(taken / 1000) + " sek");
  setup.status = generation.status;
  setup.accepted_level = generation.accepted_level;
  setup.tries = sudoku.tries;
  setup.seed = sudoku.seed;
  setup.generated = sudoku.FCells;
  if (generation.status != GenerationStatus::kAccepted) return setup;

  if (host.CurrentLevel() >= 6) setup.reduced = sudoku.ReduceSudoku();

  TPlayMaps& maps = host.Maps();
  for (int x = 0; x < 9; ++x) {
    for (int y = 0; y < 9; ++y) {
      maps.Map[x][y][0] = sudoku.FCells[x][y];
      maps.Map[x][y][1] = sudoku.FCells[x][y] != 0 ? 1 : 0;
      maps.SolutionMap[x][y][0] = sudoku.Cells[x][y];
      maps.SolutionMap[x][y][1] = sudoku.Cells[x][y] != 0 ? 1 : 0;
    }
  }
  if (sudoku.MinStones > 30 && host.CurrentLevel() < 6) {
    const SetupGivenDraws draws(sudoku.seed, level);
    for (int i = 30; i <= sudoku.MinStones; ++i) {
      TSudoku::GiveHint(0);
      ++setup.setup_hints;
    }
  }
  setup.unique_givens = AddGivensUntilUnique(maps);
  TSudoku::CopyMapArray("map2backup");
  host.SetGameStartTime(host.MilliSecs());
  return setup;
}

namespace {

// Puts the running game's host and both random generators back, however
// the scratch generation ends.
class ScratchEngine {
 public:
  ScratchEngine() : rnd_(RndState()), twister_(PuzzleTwister()), host_(SwapSudokuHost(nullptr)) {
    // The engine's level jitter as every session draws it at start-up.
    SetRndState(kRndInitialState);
    scratch_ = std::make_shared<TDefaultSudokuHost>();
    scratch_->virtual_clock = true;
    SetSudokuHost(scratch_);
  }
  ~ScratchEngine() {
    SetSudokuHost(std::move(host_));
    SetRndState(rnd_);
    PuzzleTwister() = twister_;
  }
  ScratchEngine(const ScratchEngine&) = delete;
  ScratchEngine& operator=(const ScratchEngine&) = delete;
  const TDefaultSudokuHost& Host() const { return *scratch_; }

 private:
  int32_t rnd_;
  MersenneTwister twister_;
  std::shared_ptr<TSudokuHost> host_;
  std::shared_ptr<TDefaultSudokuHost> scratch_;
};

}  // namespace

std::optional<int> AcceptedLevel(int level, int seed) {
  const ScratchEngine engine;
  const GenerationResult generation = SudokuHost().GameSudoku().RunGeneration(level, seed);
  if (generation.status != GenerationStatus::kAccepted) return std::nullopt;
  return generation.accepted_level;
}

std::optional<CodePuzzle> RegeneratePuzzle(int level, int seed) {
  const ScratchEngine engine;
  if (CreatePuzzle(level, seed).status != GenerationStatus::kAccepted) return std::nullopt;
  const TPlayMaps& maps = engine.Host().maps;
  CodePuzzle puzzle;
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) {
      puzzle.board[x][y][0] = maps.Map[x][y][0];
      puzzle.board[x][y][1] = maps.Map[x][y][1];
      puzzle.solution[x][y] = maps.SolutionMap[x][y][0];
    }
  return puzzle;
}
