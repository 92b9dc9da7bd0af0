// The engine's solver operations on FCells, run on a packed copy.
#include <string>

#include "engine/random.h"
#include "engine/search.h"
#include "engine/sudoku.h"
#include "engine/sudoku_host.h"

namespace {

// The general generator's multiplier raised to the ten steps that one
// engine creation draws (five Rand calls for the level jitter).
constexpr uint64_t kRndModulus = 2147483647;
constexpr uint64_t PowMod(uint64_t base, int exponent) {
  uint64_t result = 1;
  for (int i = 0; i < exponent; ++i) result = result * base % kRndModulus;
  return result;
}
constexpr uint64_t kStepsPerCreation = 10;
constexpr uint64_t kCreationFactor = PowMod(48271, kStepsPerCreation);

}  // namespace

void SkipEngineCreations(uint64_t creations) {
  if (creations > 16) {
    AdvanceRnd(creations * kStepsPerCreation);
    return;
  }
  uint64_t state = static_cast<uint64_t>(RndState());
  for (uint64_t i = 0; i < creations; ++i) state = state * kCreationFactor % kRndModulus;
  SetRndState(static_cast<int32_t>(state));
}

int TSudoku::TrivialFillFields(int show, int extra) {
  TrivialFill_Sum = 0;
  TrivialFill_SumPerScan = 0;
  TrivialFill_SumPerCount = 0;
  return TrivialFillFields_perCount(show, extra);
}

// Runs one technique on a packed copy of FCells and writes the board and
// the counters back.
template <typename Technique>
int RunOnFCells(TSudoku& engine, Technique technique) {
  PackedBoard board;
  board.Load(engine.FCells);
  FillCounters counters{engine.TrivialFill_Sum, engine.TrivialFill_SumPerScan, engine.TrivialFill_SumPerCount};
  const bool result = technique(board, counters);
  board.Store(engine.FCells);
  engine.TrivialFill_Sum = counters.sum;
  engine.TrivialFill_SumPerScan = counters.per_scan;
  engine.TrivialFill_SumPerCount = counters.per_count;
  return result ? 1 : 0;
}

int TSudoku::TrivialFillFields_perCount(int, int) { return RunOnFCells(*this, CountFill); }

int TSudoku::TrivialFillFields_perScan(int, int) { return RunOnFCells(*this, ScanPass); }

SearchContext TSudoku::NewSearchContext() const {
  TSudokuHost& host = SudokuHost();
  const TSudoku& game = host.GameSudoku();
  SearchContext context;
  context.limit = TruncToInt(game.Level_MinScan + game.Level_MinCount);
  context.always_guess = host.CurrentLevel() == 9;
  context.search_value = SearchValue;
  return context;
}

void TSudoku::FinishSearch(const SearchContext& context) {
  SearchValue = context.search_value;
  SkipEngineCreations(context.steps);
  for (int i = 0; i < context.depth_limit_hits; ++i) SudokuHost().Print("suchtiefe zurueckgesetzt: 0");
}

int TSudoku::SolveSudoku(TSolutionList& list, int depth) {
  PackedBoard board;
  board.Load(FCells);
  SearchContext context = NewSearchContext();
  const int result = SearchStep(board, depth, context);
  for (int s = 0; s < context.solutions && s < SearchContext::kMaxKept; ++s) {
    TSolutions solution;
    for (int i = 0; i < kBoardCells; ++i) solution.array[i / 9][i % 9] = context.kept[s][i];
    list.push_back(solution);
  }
  FinishSearch(context);
  return result;
}
