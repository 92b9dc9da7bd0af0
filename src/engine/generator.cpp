// Level tables, puzzle generation and reduction.
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "engine/clock_math.h"
#include "engine/fresh_draws.h"
#include "engine/placement.h"
#include "engine/random.h"
#include "engine/search.h"
#include "engine/sudoku.h"
#include "engine/sudoku_host.h"
#include "engine/twister.h"

namespace {

constexpr int kFallBackInterval = 65000;

bool AcceptsAt(int level, int min_depth) {
  if (level == 0 || level == 9) return true;
  if (level >= 1 && level <= 7) return min_depth == level;
  if (level == 8) return min_depth >= 8;
  return false;
}

// Lowers the acceptance level every kFallBackInterval attempts.
int FallBack(int level, TSudokuHost& host) {
  host.Print("Verringere Schwierigkeitsstufe!!:" + std::to_string(level - 1));
  return std::max(level - 1, 0);
}

// The draws of a fixed seed, straight from the twister.
struct TwisterDraws {
  MersenneTwister* twister;
  unsigned Next9() { return twister->Next() % 9u; }
};

float CeilCells(int min_stones, float fraction) {
  // Level 0 keeps the counts of the game before and multiplies them again;
  // games in a row at level 0 would leave the float range, where the
  // conversion is undefined. The limit is as good as infinite either way.
  const double cells = std::ceil((81.0 - min_stones) * static_cast<double>(fraction));
  constexpr double kMax = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(cells, -kMax, kMax));
}

int FreshSeed(float start_time, int64_t attempt) {
  return TruncToInt(start_time + static_cast<float>(attempt));
}

// The digits of the attempts with fresh seeds. Their draws are computed
// many seeds at a time; with 512-bit vectors the attempts are placed four
// at a time, ahead of their turn: their seeds are known, and placing
// changes nothing but the puzzle generator, which catches up at the end.
class FreshAttempts {
 public:
  explicit FreshAttempts(float start_time)
      : start_time_(start_time), draws_(std::make_unique_for_overwrite<FreshSeedDraws>()) {}

  // Places the digits of attempt `attempt`, whose seed is `seed`; returns
  // true when the board has a dead cell (known only with the vectors).
  bool Place(int attempt, int seed, PackedBoard& board) {
    if (!wide_) {
      FreshSeedDraws::Cursor cursor = draws_->Start(static_cast<uint32_t>(seed));
      PlaceRandomDigits(board, cursor);
      drawn_ = draws_->Drawn(cursor);
      return false;
    }
    if (attempt - ahead_first_ >= ahead_count_) PlaceAhead(attempt, seed);
    const WideAttempt& placed = ahead_[attempt - ahead_first_];
    board = placed.board;
    drawn_ = placed.drawn;
    if (placed.complete) return placed.lost;
    FreshSeedDraws::Cursor cursor = draws_->Start(static_cast<uint32_t>(seed), placed.drawn);
    PlaceRandomDigits(board, cursor);
    drawn_ = draws_->Drawn(cursor);
    return board.HasDeadCell();
  }

  // Sets the puzzle generator to where the last attempt placed left it.
  void CatchUp(MersenneTwister& twister, int seed) const {
    twister.Seed(static_cast<uint32_t>(seed));
    twister.Discard(drawn_);
  }

 private:
  void PlaceAhead(int attempt, int seed) {
    ahead_first_ = attempt;
    ahead_count_ = 0;
    const uint8_t* rows[kWideAttempts];
    draws_->Start(static_cast<uint32_t>(seed));
    for (int k = 0; k < kWideAttempts; ++k) {
      const auto seed_then = static_cast<uint32_t>(FreshSeed(start_time_, static_cast<int64_t>(attempt) + k));
      if (!draws_->Holds(seed_then)) break;
      rows[ahead_count_++] = draws_->FastDraws(seed_then);
    }
    PlaceRandomDigitsWide(rows, ahead_count_, ahead_);
  }

  float start_time_;
  std::unique_ptr<FreshSeedDraws> draws_;
  bool wide_ = WideBoardAvailable();
  int drawn_ = 0;  // by the last attempt placed
  WideAttempt ahead_[kWideAttempts];
  int ahead_first_ = 0, ahead_count_ = 0;
};

}  // namespace

void TSudoku::SetLevelValues() {
  static constexpr float kMinCount[10] = {0.0f, 0.75f, 0.7f, 0.6f, 0.5f, 0.3f, 0.2f, 0.1f, 0.1f, 0.0f};
  static constexpr float kMinScan[10] = {0.0f, 0.5f, 0.4f, 0.35f, 0.1f, 0.1f, 0.05f, 0.05f, 0.0f, 0.0f};
  static constexpr float kMinSum[10] = {0.0f, 1.0f, 0.95f, 0.9f, 0.8f, 0.65f, 0.5f, 0.4f, 0.3f, 0.2f};
  static constexpr int kMinStones[6] = {0, 40, 38, 36, 34, 32};
  for (int level = 0; level < 10; ++level) {
    Levels_MinCount[level] = kMinCount[level];
    Levels_MinScan[level] = kMinScan[level];
    Levels_MinSum[level] = kMinSum[level];
    Levels_MaxCount[level] = 0.0f;
    Levels_MaxScan[level] = 0.0f;
    Levels_MinStones[level] = 0.0f;
  }
  for (int level = 1; level <= 5; ++level)
    Levels_MinStones[level] = static_cast<float>(kMinStones[level] + Rand(-3, 3));
}

int TSudoku::GenerateSudoku(int level, int fixed_seed) {
  RunGeneration(level, fixed_seed);
  return 0;
}

GenerationResult TSudoku::RunGeneration(int level, int fixed_seed) {
  TSudokuHost& host = SudokuHost();
  ResetStats();
  host.SetCurrentLevel(level);
  const int t0 = host.MilliSecs();

  SolutionList.clear();
  tries = 0;
  const float start_time = static_cast<float>(fresh_seeds.NextBase(host.MilliSecs()));

  if (level > 0 && level <= 9) {
    Level_MinCount = Levels_MinCount[level];
    Level_MinScan = Levels_MinScan[level];
    Level_MinSum = Levels_MinSum[level];
    MinStones = TruncToInt(Levels_MinStones[level]);
  }
  Level_MinCount = CeilCells(MinStones, Level_MinCount);
  Level_MinScan = CeilCells(MinStones, Level_MinScan);

  SearchContext context = NewSearchContext();
  PackedBoard board;
  MersenneTwister& twister = PuzzleTwister();
  TwisterDraws fixed_draws{&twister};
  std::unique_ptr<FreshAttempts> fresh;
  if (fixed_seed == 0) fresh = std::make_unique<FreshAttempts>(start_time);
  int accept_level = level;
  bool accepted = false;
  bool impossible = false;

  for (;;) {
    if (ClockDifference(host.MilliSecs(), t0) % 60 == 0) host.KeepScreenAlive();
    if (tries > maxtries) host.RequestQuit();

    SearchValue = 0;
    board.Clear();
    ++tries;
    seed = fixed_seed != 0 ? fixed_seed : FreshSeed(start_time, tries);
    bool lost = false;  // a dead cell: the search would fail at once
    if (fixed_seed != 0) {
      twister.Seed(static_cast<uint32_t>(seed));
      PlaceRandomDigits(board, fixed_draws);
    } else {
      lost = fresh->Place(tries, seed, board);
    }

    context.search_value = 0;
    context.steps = 0;
    context.solutions = 0;
    context.depth_limit_hits = 0;
    if (lost) {
      // Placed digits never repeat, and the fill fails on a board with a
      // dead cell (see CountFillSucceeds): the search is one step whose
      // fill fails, as below.
      context.steps = 1;
      minDepth = 0;
    } else {
      minDepth = SearchStep(board, 1, context);
    }
    FinishSearch(context);

    if (tries % kFallBackInterval == 0) accept_level = FallBack(accept_level, host);
    accepted = context.solutions == 1 && AcceptsAt(accept_level, minDepth);
    if (accepted || host.QuitRequested()) break;

    if (fixed_seed != 0) {
      // Every later attempt repeats this one, so its outcome is known now:
      // find the fall-back that accepts it within the attempt limit.
      int falls = 0;
      int level_then = accept_level;
      const int64_t last_attempt = static_cast<int64_t>(maxtries) + 1;
      if (context.solutions == 1) {
        while (!accepted && static_cast<int64_t>(falls + 1) * kFallBackInterval <= last_attempt) {
          ++falls;
          level_then = std::max(level_then - 1, 0);
          accepted = AcceptsAt(level_then, minDepth);
        }
      }
      if (!accepted) {
        impossible = true;
        break;
      }
      const int final_tries = falls * kFallBackInterval;
      SkipEngineCreations(context.steps * static_cast<uint64_t>(final_tries - tries));
      SearchValue = context.search_value;
      for (int i = 0; i < falls; ++i) accept_level = FallBack(accept_level, host);
      tries = final_tries;
      break;
    }
  }

  // Effects draw on from where the last attempt left the puzzle generator.
  if (fresh) {
    fresh->CatchUp(twister, seed);
    fresh_seeds.Tried(seed);
  }
  host.ResetLoopTiming();
  board.Store(FCells);
  GenerationResult result;
  result.accepted_level = accept_level;
  if (impossible) {
    result.status = GenerationStatus::kImpossible;
  } else if (accepted && !host.QuitRequested()) {
    result.status = GenerationStatus::kAccepted;
    if (accept_level >= 0 && accept_level <= 9) MinStones = TruncToInt(Levels_MinStones[accept_level]);
    for (int i = 0; i < kBoardCells; ++i) Cells[i / 9][i % 9] = context.kept[0][i];
    host.SetGameStateRunning();
  }
  SolutionList.clear();
  return result;
}

int TSudoku::ReduceSudoku() {
  PackedBoard board;
  board.Load(FCells);
  SearchContext context = NewSearchContext();
  const auto solutions_without = [&](int cell) {
    board.Remove(cell);
    context.solutions = 0;
    SearchStep(board, 1, context);
    return context.solutions;
  };

  bool needed[kBoardCells] = {};
  bool all_needed = true;
  for (int i = 0; i < kBoardCells; ++i) {
    const int digit = board.cells[i];
    if (!digit) continue;
    const int found = solutions_without(i);
    if (found > 1) needed[i] = true;
    if (found == 1) all_needed = false;
    board.Place(i, digit);
  }

  int removed = 0;
  if (!all_needed) {
    for (int i = 0; i < kBoardCells; ++i) {
      const int digit = board.cells[i];
      if (!digit || needed[i]) continue;
      if (solutions_without(i) == 1) {
        ++removed;
      } else {
        board.Place(i, digit);
      }
    }
  }
  board.Store(FCells);
  FinishSearch(context);
  return removed;
}
