// The attempt loop: fall-back, attempt limit, fixed seeds, quit requests,
// the level tables and the thresholds they give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <set>

#include "engine_fixture.h"
#include "reference_engine.h"

namespace {

struct LoopResult {
  int tries = 0, seed = 0, level = 0, min_depth = 0;
  Board puzzle{}, solution{};
};

// The attempt loop written out with the engine's public operations.
LoopResult LiteralLoop(TSudoku& engine, int level, int fixed_seed, int fresh_base) {
  LoopResult r;
  r.level = level;
  for (;;) {
    TSudoku::SearchValue = 0;
    engine.ClearFields();
    ++r.tries;
    r.seed = fixed_seed ? fixed_seed : fresh_base + r.tries;
    SeedTwister(r.seed);
    for (int n = 0; n < 30; ++n) {
      int x, y, mask;
      do {
        x = RandRange(0, 8);
        y = RandRange(0, 8);
        mask = engine.Possibilities(x, y);
      } while (mask == 0);
      int d;
      do d = RandRange(1, 9);
      while (!(mask & (1 << (d - 1))));
      engine.FCells[x][y] = static_cast<uint8_t>(d);
    }
    TSolutionList list;
    r.min_depth = engine.SolveSudoku(list, 1);
    if (r.tries % 65000 == 0) r.level = std::max(r.level - 1, 0);
    if (list.size() == 1 && reference::Accepts(r.level, r.min_depth)) {
      r.puzzle = engine.FCells;
      r.solution = list[0].array;
      return r;
    }
  }
}

class Generator : public EngineTest {
 protected:
  // Runs the generation, then the literal loop from the same start, and
  // compares every outcome.
  void ExpectLiteralLoopAgrees(int level, int fixed_seed, int clock) {
    host = MakeHost(clock);
    const int32_t rnd_start = RndState();
    const GenerationResult result = Game().RunGeneration(level, fixed_seed);
    ASSERT_EQ(result.status, GenerationStatus::kAccepted);
    const TSudoku generated = Game();
    const int32_t rnd_after = RndState();

    SetRndState(rnd_start);
    const LoopResult expected = LiteralLoop(Game(), level, fixed_seed, clock % 9000000);
    EXPECT_EQ(generated.tries, expected.tries);
    EXPECT_EQ(generated.seed, expected.seed);
    EXPECT_EQ(result.accepted_level, expected.level);
    EXPECT_EQ(generated.minDepth, expected.min_depth);
    EXPECT_EQ(generated.FCells, expected.puzzle);
    EXPECT_EQ(generated.Cells, expected.solution);
    EXPECT_EQ(rnd_after, RndState());
    const auto falls = std::count_if(host->log.begin(), host->log.end(), [](const std::string& line) {
      return line.rfind("Verringere Schwierigkeitsstufe!!:", 0) == 0;
    });
    EXPECT_EQ(falls, expected.tries / 65000);
  }

  // A fixed seed whose board has one solution but is accepted only after
  // falling back from `level`.
  int SeedAcceptedAfterFallBack(int level, int falls) {
    host = MakeHost(0);
    for (int seed = 1;; ++seed) {
      if (Game().RunGeneration(level, seed).status == GenerationStatus::kAccepted &&
          Game().tries == 65000 * falls)
        return seed;
    }
  }
};

TEST_F(Generator, FreshSeedsFallBackLikeTheLiteralLoop) { ExpectLiteralLoopAgrees(2, 0, 424242); }

TEST_F(Generator, PuzzleTwisterGoesOnFromTheLastAttempt) {
  // Effects draw from the same generator after a game was generated.
  struct Case {
    int clock, level, fixed_seed;
  };
  for (const Case& c : {Case{31337, 9, 0}, Case{424242, 1, 0}, Case{0, 1, 77}}) {
    host = MakeHost(c.clock);
    Game().RunGeneration(c.level, c.fixed_seed);
    int draws = 0;
    reference::PlaceDigits(static_cast<uint32_t>(Game().seed), &draws);
    std::mt19937 expected(static_cast<uint32_t>(Game().seed));
    expected.discard(static_cast<unsigned long long>(draws));
    for (int i = 0; i < 1500; ++i) ASSERT_EQ(TwisterNext(), expected()) << i;
  }
}

TEST_F(Generator, FixedSeedShortcutEqualsTheLiteralLoop) {
  const int seed = SeedAcceptedAfterFallBack(2, 1);
  ExpectLiteralLoopAgrees(2, seed, 0);
}

TEST_F(Generator, FixedSeedAcceptedAfterManyFallsSkipsAheadExactly) {
  const int seed = SeedAcceptedAfterFallBack(8, 3);
  host = MakeHost(0);
  const int32_t rnd_start = RndState();
  const GenerationResult result = Game().RunGeneration(8, seed);
  const int32_t rnd_after = RndState();
  ASSERT_EQ(result.status, GenerationStatus::kAccepted);
  EXPECT_EQ(result.accepted_level, 5);
  EXPECT_EQ(Game().minDepth, 5);
  EXPECT_EQ(Game().MinStones, TruncToInt(Game().Levels_MinStones[5]));
  EXPECT_EQ(host->log, (std::vector<std::string>{"Verringere Schwierigkeitsstufe!!:7",
                                                 "Verringere Schwierigkeitsstufe!!:6",
                                                 "Verringere Schwierigkeitsstufe!!:5"}));
  // Every one of the 195000 attempts creates the same number of engines.
  static int creations = 0;
  creations = 0;
  reference::SearchRules rules;
  rules.limit = 9;
  rules.level = 8;
  rules.create_engine = [] { ++creations; };
  reference::Engine board;
  board.cells = Game().FCells;
  std::vector<Board> list;
  EXPECT_EQ(reference::Solve(board, list, 1, rules), 5);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(Game().Cells, list[0]);
  SetRndState(rnd_start);
  AdvanceRnd(195000ull * static_cast<uint64_t>(creations) * 10u);
  EXPECT_EQ(rnd_after, RndState());
}

TEST_F(Generator, FixedSeedThatNeverFitsFailsAtOnceWithoutQuitting) {
  // Seed 1 at level 1: the first attempt's board has no single solution.
  int seed = 1;
  for (;; ++seed) {
    reference::Engine e;
    e.cells = reference::PlaceDigits(static_cast<uint32_t>(seed));
    reference::SearchRules rules;
    rules.limit = 52;
    rules.create_engine = [] {};
    std::vector<Board> list;
    reference::Solve(e, list, 1, rules);
    if (list.size() != 1) break;
  }
  const GenerationResult result = Game().RunGeneration(1, seed);
  EXPECT_EQ(result.status, GenerationStatus::kImpossible);
  EXPECT_FALSE(host->quit_requested);
  EXPECT_EQ(Game().tries, 1);
  EXPECT_EQ(host->running_state_sets, 0);
  EXPECT_EQ(host->loop_timing_resets, 1);
}

TEST_F(Generator, AttemptLimitBoundsTheFallBack) {
  const int seed = SeedAcceptedAfterFallBack(2, 1);
  host = MakeHost(0);
  Game().maxtries = 64998;  // the last attempt that counts is 64999
  EXPECT_EQ(Game().RunGeneration(2, seed).status, GenerationStatus::kImpossible);
  host = MakeHost(0);
  Game().maxtries = 64999;
  EXPECT_EQ(Game().RunGeneration(2, seed).status, GenerationStatus::kAccepted);
  EXPECT_EQ(Game().tries, 65000);

  // Fresh seeds past the limit: the quit request ends the program.
  host = MakeHost(0);
  Game().maxtries = 10;
  EXPECT_EQ(Game().RunGeneration(2, 0).status, GenerationStatus::kQuit);
  EXPECT_TRUE(host->quit_requested);
  EXPECT_EQ(Game().tries, 12);
  EXPECT_EQ(host->running_state_sets, 0);
}

class EscapeHost : public TDefaultSudokuHost {
 public:
  void KeepScreenAlive() override {
    ++screen_refreshes;
    if (screen_refreshes == 3) RequestQuit();
  }
};

TEST_F(Generator, EscapeDuringGenerationQuits) {
  SetRndState(kRndInitialState);
  auto escape = std::make_shared<EscapeHost>();
  escape->virtual_clock = true;
  escape->virtual_step = 20;  // a multiple of 60 on every third reading
  SetSudokuHost(escape);
  EXPECT_EQ(escape->GameSudoku().RunGeneration(2, 0).status, GenerationStatus::kQuit);
  EXPECT_EQ(escape->screen_refreshes, 3);
  EXPECT_EQ(escape->loop_timing_resets, 1);
  EXPECT_EQ(escape->running_state_sets, 0);
}

TEST_F(Generator, SuccessResetsTimingAndStartsTheGame) {
  Game().stats_givenhints = 5;
  Game().stats_averageturntime = 9;
  Game().stats_usedturns = 3;
  ASSERT_EQ(Game().RunGeneration(9, 0).status, GenerationStatus::kAccepted);
  EXPECT_EQ(host->current_level, 9);
  EXPECT_EQ(host->running_state_sets, 1);
  EXPECT_EQ(host->loop_timing_resets, 1);
  EXPECT_GT(host->screen_refreshes, 0);  // the virtual clock stands still
  EXPECT_EQ(Game().stats_givenhints, 0);
  EXPECT_EQ(Game().stats_usedturns, 0);
  EXPECT_EQ(Game().stats_averageturntime, 9);
  EXPECT_TRUE(Game().SolutionList.empty());
}

// Level 0 (a level code's level digit, or the end of the fall-back)
// accepts any board with one solution: with a fixed seed, the first attempt
// or none. Its thresholds are those left from the game before, turned into
// cell counts once more (and again by every level-0 game after it, until
// they stop at the largest float).
TEST_F(Generator, LevelZeroKeepsTheThresholdsOfTheGameBefore) {
  ASSERT_EQ(Game().RunGeneration(4, 0).status, GenerationStatus::kAccepted);
  for (int game = 0; game < 30; ++game) {
    const float count_before = Game().Level_MinCount, scan_before = Game().Level_MinScan;
    const int stones_before = Game().MinStones;
    Game().RunGeneration(0, 1 + game);
    EXPECT_EQ(host->current_level, 0);
    const auto counted = [&](float before) {
      return static_cast<float>(std::min<double>(std::ceil((81.0 - stones_before) * before), FLT_MAX));
    };
    EXPECT_EQ(Game().Level_MinCount, counted(count_before)) << game;
    EXPECT_EQ(Game().Level_MinScan, counted(scan_before)) << game;
  }
  EXPECT_EQ(Game().Level_MinCount, FLT_MAX);
}

TEST_F(Generator, LevelZeroAcceptsAnySingleSolution) {
  // After a level-9 game the guess limit is 0, so the search may guess.
  ASSERT_EQ(Game().RunGeneration(9, 0).status, GenerationStatus::kAccepted);
  std::set<int> depths;
  int accepted = 0;
  for (int seed = 1; seed <= 20000 && accepted < 10; ++seed) {
    const GenerationResult result = Game().RunGeneration(0, seed);
    if (result.status == GenerationStatus::kImpossible) continue;
    ASSERT_EQ(result.status, GenerationStatus::kAccepted) << seed;
    EXPECT_EQ(result.accepted_level, 0);
    EXPECT_EQ(Game().tries, 1);
    EXPECT_EQ(Game().MinStones, 0);
    depths.insert(Game().minDepth);
    ++accepted;
  }
  EXPECT_EQ(accepted, 10);
  EXPECT_GT(depths.size(), 1u) << "accepted whatever depth the search needed";
}

TEST_F(Generator, LevelTablesAndJitterOrder) {
  for (int round = 0; round < 200; ++round) {
    const int32_t state = RndState();
    int expected[6];
    for (int level = 1; level <= 5; ++level) expected[level] = 42 - 2 * level + Rand(-3, 3);
    SetRndState(state);
    const auto sudoku = TSudoku::Create();
    for (int level = 1; level <= 5; ++level) EXPECT_EQ(sudoku->Levels_MinStones[level], expected[level]);
    for (int level = 6; level <= 9; ++level) EXPECT_EQ(sudoku->Levels_MinStones[level], 0.0f);
    EXPECT_EQ(sudoku->Levels_MinStones[0], 0.0f);
    EXPECT_EQ(sudoku->Levels_MaxScan, (std::array<float, 10>{}));
  }
}

TEST_F(Generator, ThresholdsAreCeilingsOfExactProducts) {
  struct Case {
    int level;
    float min_stones;
    float count, scan;
  };
  const Case cases[] = {{1, 40, 31, 21}, {6, 0, 17, 5}, {4, 31, 25, 6}, {8, 0, 9, 0}, {9, 0, 0, 0}};
  for (const Case& c : cases) {
    Game().Levels_MinStones[c.level] = c.min_stones;
    Game().maxtries = 0;
    Game().RunGeneration(c.level, 1);
    EXPECT_EQ(Game().Level_MinCount, c.count) << c.level;
    EXPECT_EQ(Game().Level_MinScan, c.scan) << c.level;
  }
}

}  // namespace
