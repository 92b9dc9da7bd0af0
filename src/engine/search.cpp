#include "engine/search.h"

#include <cstring>

namespace {

int RecordSolution(const PackedBoard& board, int depth, SearchContext& context) {
  if (context.solutions < SearchContext::kMaxKept)
    std::memcpy(context.kept[context.solutions], board.cells, kBoardCells);
  ++context.solutions;
  ++context.search_value;
  return depth;
}

}  // namespace

int SearchStep(const PackedBoard& board, int depth, SearchContext& context) {
  ++context.steps;
  PackedBoard copy = board;
  if (copy.Solved()) return RecordSolution(copy, depth, context);

  FillCounters counters;
  if (!CountFillSucceeds(copy, counters)) {
    context.search_value = 0;
    return 0;
  }
  if (copy.Solved()) return RecordSolution(copy, depth, context);
  if (depth >= kSearchDepthLimit) {
    ++context.depth_limit_hits;
    return 0;
  }
  const bool guess = context.always_guess || counters.per_count + counters.per_scan > context.limit;
  if (!guess) return context.search_value;

  // Only cell [0, 0] is ever guessed; each guess overwrites the previous one
  // and leaves the rest of the filled board as it is.
  const unsigned candidates = copy.Candidates(0);
  for (int digit = 1; digit <= 9; ++digit) {
    if (!(candidates & DigitBit(digit))) continue;
    if (copy.cells[0]) copy.Remove(0);
    copy.Place(0, digit);
    const int result = SearchStep(copy, depth + 1, context) + 1;
    if (result > context.search_value) context.search_value = result;
  }
  return context.search_value;
}
