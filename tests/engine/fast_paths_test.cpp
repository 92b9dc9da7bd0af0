// The generator's fast paths against the plain ones they stand for: the
// batched draws of fresh seeds against MT19937, the side-by-side placement
// and the vector fill against the cell-by-cell code, the search skipped for
// boards with a dead cell against the plain search, and generations that
// stop among attempts placed ahead.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "engine/fresh_draws.h"
#include "engine/packed_board.h"
#include "engine/placement.h"
#include "engine_fixture.h"
#include "reference_engine.h"

namespace {

TEST(FreshSeedDraws, EveryDrawIsTheTwisterOutputModNine) {
  auto draws = std::make_unique<FreshSeedDraws>();
  // Far past the batch's own outputs, and past the point where outputs
  // need twisted words; seeds across batches, backwards and across 2^32.
  const uint32_t seeds[] = {1000, 1001, 1063, 1064, 5, 0xffffffe0u, 0xffffffffu, 0, 1000};
  for (uint32_t seed : seeds) {
    std::mt19937 reference(seed);
    FreshSeedDraws::Cursor cursor = draws->Start(seed);
    EXPECT_EQ(draws->Seed(), seed);
    for (int i = 0; i < 1500; ++i) {
      ASSERT_EQ(cursor.Next9(), reference() % 9u) << "seed " << seed << " draw " << i;
      ASSERT_EQ(draws->Drawn(cursor), i + 1);
    }
  }
}

TEST(FreshSeedDraws, EverySeedOfABatchStartsAfresh) {
  auto draws = std::make_unique<FreshSeedDraws>();
  for (uint32_t seed = 77; seed < 77 + 2 * FreshSeedDraws::kSeeds; ++seed) {
    std::mt19937 reference(seed);
    FreshSeedDraws::Cursor cursor = draws->Start(seed);
    // A few seeds go on past the batch's outputs, into the running seeding.
    const int count = seed % 16 == 0 ? FreshSeedDraws::kFastDraws + 40 : 135;
    for (int i = 0; i < count; ++i) ASSERT_EQ(cursor.Next9(), reference() % 9u) << seed << " " << i;
  }
}

struct FillOutcomes {
  int completed = 0, failed = 0, scanned = 0;
};

// By the plain rules: an empty cell where no digit fits.
bool HasDeadCell(const PackedBoard& board) {
  reference::Engine plain;
  board.Store(plain.cells);
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y)
      if (!plain.cells[x][y] && !plain.Possibilities(x, y)) return true;
  return false;
}

TEST(WidePlacement, MatchesOneDrawAtATime) {
  if (!WideBoardAvailable()) GTEST_SKIP() << "no 512-bit vectors on this processor";
  auto draws = std::make_unique<FreshSeedDraws>();
  int stopped = 0, lost = 0;
  for (uint32_t first = 500; first < 500 + 6000; first += kWideAttempts) {
    // Groups of every size, within one batch.
    const int count = 1 + static_cast<int>(first / kWideAttempts % kWideAttempts);
    draws->Start(first);
    const uint8_t* rows[kWideAttempts];
    for (int a = 0; a < count; ++a) {
      ASSERT_TRUE(draws->Holds(first + a));
      rows[a] = draws->FastDraws(first + a);
    }
    WideAttempt attempts[kWideAttempts];
    PlaceRandomDigitsWide(rows, count, attempts);
    for (int a = 0; a < count; ++a) {
      const uint32_t seed = first + static_cast<uint32_t>(a);
      PackedBoard expected;
      expected.Clear();
      FreshSeedDraws::Cursor cursor = draws->Start(seed);
      PlaceRandomDigits(expected, cursor);
      const int expected_drawn = draws->Drawn(cursor);

      WideAttempt& attempt = attempts[a];
      if (!attempt.complete) {
        // Stopped before a digit whose draws it does not have: one draw at
        // a time from there gives the same.
        ++stopped;
        ASSERT_LT(attempt.board.filled, kGivenDigits) << seed;
        FreshSeedDraws::Cursor rest = draws->Start(seed, attempt.drawn);
        PlaceRandomDigits(attempt.board, rest);
        attempt.drawn = draws->Drawn(rest);
      } else {
        ASSERT_EQ(attempt.lost, HasDeadCell(expected)) << seed;
        lost += attempt.lost;
      }
      ASSERT_EQ(attempt.drawn, expected_drawn) << seed;
      for (int i = 0; i < kBoardCells; ++i) ASSERT_EQ(attempt.board.cells[i], expected.cells[i]) << seed;
    }
  }
  EXPECT_GT(stopped, 10);
  EXPECT_GT(lost, 1000);
}

void ExpectSameFill(const PackedBoard& start, const char* what, uint32_t seed, FillOutcomes& outcomes) {
  PackedBoard wide = start, portable = start;
  FillCounters wide_counters, portable_counters;
  const bool wide_result = CountFillWide(wide, wide_counters, false);
  const bool portable_result = CountFillPortable(portable, portable_counters);
  ASSERT_EQ(wide_result, portable_result) << what << " " << seed;
  // Stopping at the first dead cell gives the same result.
  PackedBoard probe = start;
  FillCounters probe_counters;
  ASSERT_EQ(CountFillSucceeds(probe, probe_counters), portable_result) << what << " " << seed;
  ASSERT_EQ(wide_counters.sum, portable_counters.sum) << what << " " << seed;
  ASSERT_EQ(wide_counters.per_scan, portable_counters.per_scan) << what << " " << seed;
  ASSERT_EQ(wide_counters.per_count, portable_counters.per_count) << what << " " << seed;
  for (int i = 0; i < kBoardCells; ++i) ASSERT_EQ(wide.cells[i], portable.cells[i]) << what << " " << seed;
  ASSERT_EQ(wide.repeated, portable.repeated) << what << " " << seed;
  ASSERT_EQ(wide.filled, portable.filled) << what << " " << seed;
  outcomes.completed += portable_result && portable.Solved();
  outcomes.failed += !portable_result;
  outcomes.scanned += portable_counters.per_scan > 0;
}

// A valid grid, shuffled by the seed, with some cells emptied.
PackedBoard SolvedGridWithHoles(uint32_t seed) {
  std::mt19937 random(seed);
  int digit_of[9], column_of[9];
  for (int i = 0; i < 9; ++i) digit_of[i] = column_of[i] = i;
  std::shuffle(digit_of, digit_of + 9, random);
  for (int stack = 0; stack < 3; ++stack) std::shuffle(column_of + 3 * stack, column_of + 3 * stack + 3, random);
  PackedBoard board;
  board.Clear();
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) board.Place(CellIndex(column_of[x], y), 1 + digit_of[(y * 3 + y / 3 + x) % 9]);
  const int holes = 30 + static_cast<int>(random() % 30);
  for (int n = 0; n < holes; ++n) {
    const int cell = static_cast<int>(random() % kBoardCells);
    if (board.cells[cell]) board.Remove(cell);
  }
  return board;
}

TEST(WideFill, MatchesTheCellByCellFill) {
  if (!WideBoardAvailable()) GTEST_SKIP() << "no 512-bit vectors on this processor";
  FillOutcomes outcomes;
  for (uint32_t seed = 1; seed <= 4000; ++seed) {
    PackedBoard board;
    board.Load(reference::PlaceDigits(seed));
    ExpectSameFill(board, "attempt", seed, outcomes);
    ExpectSameFill(SolvedGridWithHoles(seed), "holes", seed, outcomes);

    // A digit repeated in its column: only such boards let the scan
    // technique repeat a digit too.
    PackedBoard clash = board;
    for (int cell = static_cast<int>(seed % kBoardCells); cell < kBoardCells; ++cell) {
      const int column_digit = clash.cells[CellIndex(cell / 9, (cell % 9 + 4) % 9)];
      if (!clash.cells[cell] && column_digit) {
        clash.Place(cell, column_digit);
        break;
      }
    }
    ExpectSameFill(clash, "clash", seed, outcomes);

    // Each guess at cell [0, 0], as the search makes them after its fill.
    PackedBoard filled = board;
    FillCounters counters;
    CountFillPortable(filled, counters);
    if (!filled.cells[0]) {
      const unsigned candidates = filled.Candidates(0);
      for (int digit = 1; digit <= 9; ++digit) {
        if (!(candidates & DigitBit(digit))) continue;
        PackedBoard guess = filled;
        guess.Place(0, digit);
        ExpectSameFill(guess, "guess", seed, outcomes);
      }
    }
  }
  // The boards must reach every outcome.
  EXPECT_GT(outcomes.completed, 100);
  EXPECT_GT(outcomes.failed, 100);
  EXPECT_GT(outcomes.scanned, 100);
}

// The shortcut for boards with a dead cell relies on this: the plain
// search makes one step (one engine), finds nothing and leaves the search
// value at 0.
TEST(DeadCell, TheSearchFailsAtOnce) {
  static int engines = 0;
  int dead = 0;
  for (uint32_t seed = 1; seed <= 3000; ++seed) {
    PackedBoard board;
    board.Load(reference::PlaceDigits(seed));
    if (!board.HasDeadCell()) continue;
    ++dead;
    for (int level : {1, 8, 9}) {
      reference::SearchRules rules;
      rules.limit = level == 8 ? 9 : 52;
      rules.level = level;
      rules.search_value = 3;
      rules.create_engine = [] { ++engines; };
      engines = 0;
      reference::Engine start;
      board.Store(start.cells);
      std::vector<Board> list;
      ASSERT_EQ(reference::Solve(start, list, 1, rules), 0) << seed;
      ASSERT_TRUE(list.empty()) << seed;
      ASSERT_EQ(rules.search_value, 0) << seed;
      ASSERT_EQ(engines, 1) << seed;
    }
  }
  EXPECT_GT(dead, 1000);
}

class StoppedGeneration : public EngineTest {};

// Attempts are placed four at a time; a generation that quits after any of
// them leaves that attempt's board, the search value and both random
// generators as the plain attempt loop would.
TEST_F(StoppedGeneration, LeavesTheLastAttemptAsPlaced) {
  for (int limit = 0; limit <= 9; ++limit) {
    host = MakeHost(700001);
    const int32_t rnd_start = RndState();
    Game().maxtries = limit;
    ASSERT_EQ(Game().RunGeneration(2, 0).status, GenerationStatus::kQuit);
    const int32_t rnd_after = RndState();
    const int tries = Game().tries;
    ASSERT_EQ(tries, limit + 2);
    EXPECT_EQ(Game().seed, 700001 + tries);

    int draws = 0;
    EXPECT_EQ(Game().FCells, reference::PlaceDigits(static_cast<uint32_t>(Game().seed), &draws)) << limit;
    std::mt19937 expected(static_cast<uint32_t>(Game().seed));
    expected.discard(static_cast<unsigned long long>(draws));
    for (int i = 0; i < 20; ++i) ASSERT_EQ(TwisterNext(), expected()) << limit;

    SetRndState(rnd_start);
    const reference::Generated plain =
        reference::Generate(2, 0, 700001, reference::SearchRules{TruncToInt(Game().Level_MinScan + Game().Level_MinCount),
                                                                 2, 0, [] { TSudoku::Create(); }},
                            limit);
    EXPECT_EQ(plain.tries, tries);
    EXPECT_EQ(RndState(), rnd_after) << limit;
    EXPECT_EQ(TSudoku::SearchValue, plain.search_value) << limit;
  }
}

}  // namespace
