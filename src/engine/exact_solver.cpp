#include "engine/exact_solver.h"

#include <bit>

#include "engine/packed_board.h"

namespace {

class ExhaustiveSearch {
 public:
  ExhaustiveSearch(int limit, std::vector<Board>& found) : limit_(limit), found_(found) {}

  void Run(PackedBoard& board) {
    if (static_cast<int>(found_.size()) >= limit_) return;
    // The empty cell with the fewest candidates keeps the tree small.
    int best = -1;
    int best_count = 10;
    for (int i = 0; i < kBoardCells && best_count > 1; ++i) {
      if (board.cells[i]) continue;
      const int count = std::popcount(static_cast<unsigned>(board.Candidates(i)));
      if (count == 0) return;
      if (count < best_count) {
        best = i;
        best_count = count;
      }
    }
    if (best < 0) {
      Board solution{};
      board.Store(solution);
      found_.push_back(solution);
      return;
    }
    const unsigned candidates = board.Candidates(best);
    for (int digit = 1; digit <= 9; ++digit) {
      if (!(candidates & DigitBit(digit))) continue;
      board.Place(best, digit);
      Run(board);
      board.Remove(best);
      if (static_cast<int>(found_.size()) >= limit_) return;
    }
  }

 private:
  int limit_;
  std::vector<Board>& found_;
};

}  // namespace

std::vector<Board> FindSolutions(const Board& givens, int limit) {
  std::vector<Board> found;
  PackedBoard board;
  board.Load(givens);
  if (board.repeated || limit <= 0) return found;
  ExhaustiveSearch(limit, found).Run(board);
  return found;
}
