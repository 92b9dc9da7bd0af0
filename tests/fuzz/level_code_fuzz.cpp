// Arbitrary text typed as a level code, taken the way the repeat-game menu
// takes it up to the generated puzzle. A code that reads gives the same
// parts in its shortest form (text that is no code need not), forms again to itself when it can, and a
// puzzle it gives has one solution and comes again from the same code.
// The attempt limit is small, so that an iteration stays quick.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/exact_solver.h"
#include "engine/level_code.h"
#include "engine/puzzle_setup.h"
#include "engine/random.h"
#include "engine/sudoku_host.h"
#include "support/text_util.h"

namespace {

constexpr int kMaxTries = 200;

std::shared_ptr<TDefaultSudokuHost> NewHost() {
  SetRndState(kRndInitialState);
  auto host = std::make_shared<TDefaultSudokuHost>();
  host->virtual_clock = true;
  host->virtual_now = 4242;
  host->GameSudoku().maxtries = kMaxTries;
  SetSudokuHost(host);
  return host;
}

Board Layer(const int (&map)[9][9][2]) {
  Board board{};
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) board[x][y] = static_cast<uint8_t>(map[x][y][0]);
  return board;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64) return 0;  // the input field holds far less
  const std::string typed = TrimBlanks(UpperAscii(std::string(reinterpret_cast<const char*>(data), size)));
  const auto parts = ReadLevelCode(typed);
  if (!parts) return 0;
  if (parts != ReadLevelCode(dez2hex(hex2dez(typed)))) std::abort();
  if (parts->level < 0 || parts->level > 9 || parts->stone_set < 1 || parts->stone_set > 4 || parts->seed < 0)
    std::abort();
  if (LevelCodeRoundTrips(parts->level, parts->stone_set, parts->seed) &&
      ReadLevelCode(FormLevelCode(parts->level, parts->stone_set, parts->seed)) != parts)
    std::abort();

  auto host = NewHost();
  const PuzzleSetup setup = CreatePuzzle(parts->level, parts->seed);
  if (setup.status == GenerationStatus::kAccepted) {
    const Board puzzle = Layer(host->maps.Map);
    const std::vector<Board> solutions = FindSolutions(puzzle, 2);
    if (solutions.size() != 1 || solutions[0] != Layer(host->maps.SolutionMap)) std::abort();
    if (parts->seed != 0) {
      auto again = NewHost();
      if (CreatePuzzle(parts->level, parts->seed).status != GenerationStatus::kAccepted ||
          Layer(again->maps.Map) != puzzle)
        std::abort();
    }
  } else if (setup.status == GenerationStatus::kQuit && setup.tries <= kMaxTries) {
    std::abort();  // a quit without Escape comes only from the attempt limit
  }
  SetSudokuHost(nullptr);
  return 0;
}
