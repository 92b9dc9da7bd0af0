// The fast solver and generator against the plain reference of the rules.
#include <gtest/gtest.h>

#include "engine/level_code.h"
#include "engine_fixture.h"
#include "reference_engine.h"

namespace {

void CreateRealEngine() { TSudoku::Create(); }

reference::SearchRules RulesFor(int limit, int level, int search_value) {
  reference::SearchRules rules;
  rules.limit = limit;
  rules.level = level;
  rules.search_value = search_value;
  rules.create_engine = &CreateRealEngine;
  return rules;
}

class SolverEquivalence : public EngineTest {
 protected:
  // The board of an attempt with this seed, in the reference and in FCells.
  reference::Engine LoadAttemptBoard(uint32_t seed) {
    reference::Engine board;
    board.cells = reference::PlaceDigits(seed);
    Game().FCells = board.cells;
    return board;
  }
};

TEST_F(SolverEquivalence, LogicalFillMatchesOnRandomBoards) {
  for (uint32_t seed = 1; seed <= 1500; ++seed) {
    reference::Engine expected = LoadAttemptBoard(seed);
    TSudoku& engine = Game();
    const int ok = engine.TrivialFillFields(0, 0);
    ASSERT_EQ(ok, expected.TrivialFill() ? 1 : 0) << seed;
    ASSERT_EQ(engine.FCells, expected.cells) << seed;
    ASSERT_EQ(engine.TrivialFill_Sum, expected.sum) << seed;
    ASSERT_EQ(engine.TrivialFill_SumPerScan, expected.per_scan) << seed;
    ASSERT_EQ(engine.TrivialFill_SumPerCount, expected.per_count) << seed;
  }
}

TEST_F(SolverEquivalence, ScanPassAndCandidatesMatch) {
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    reference::Engine expected = LoadAttemptBoard(seed);
    TSudoku& engine = Game();
    for (int x = 0; x < 9; ++x)
      for (int y = 0; y < 9; ++y) {
        ASSERT_EQ(engine.Possibilities(x, y), expected.Possibilities(x, y));
        ASSERT_EQ(engine.ReturnPossibility(x, y), expected.ReturnPossibility(x, y));
      }
    // Repeated passes, including on the contradictory boards they make.
    for (int pass = 0; pass < 6; ++pass) {
      ASSERT_EQ(engine.TrivialFillFields_perScan(0, 0), expected.ScanPass() ? 1 : 0) << seed;
      ASSERT_EQ(engine.FCells, expected.cells) << seed;
      ASSERT_EQ(engine.SudokuIsSolved(), expected.Solved() ? 1 : 0);
    }
  }
}

TEST_F(SolverEquivalence, SearchMatchesForEveryLimitAndLevel) {
  struct Case {
    int limit, level, incoming;
  };
  const Case cases[] = {{52, 1, 0}, {45, 2, 3}, {22, 6, 0}, {14, 7, 1}, {9, 8, 0}, {0, 9, 0}, {3, 4, 2}};
  int guessed = 0;
  for (const Case& c : cases) {
    host->current_level = c.level;
    SetGuessLimit(c.limit);
    for (uint32_t seed = 1; seed <= 400; ++seed) {
      reference::Engine start;
      start.cells = reference::PlaceDigits(seed * 7919u + static_cast<uint32_t>(c.limit));
      const int32_t rnd_before = RndState();
      reference::SearchRules rules = RulesFor(c.limit, c.level, c.incoming);
      std::vector<Board> expected_list;
      const int expected = reference::Solve(start, expected_list, 1, rules);
      const int32_t rnd_expected = RndState();

      SetRndState(rnd_before);
      TSudoku::SearchValue = c.incoming;
      TSudoku& engine = Game();
      engine.FCells = start.cells;
      TSolutionList list;
      ASSERT_EQ(engine.SolveSudoku(list, 1), expected) << seed;
      ASSERT_EQ(TSudoku::SearchValue, rules.search_value) << seed;
      ASSERT_EQ(RndState(), rnd_expected) << seed;
      ASSERT_EQ(list.size(), expected_list.size()) << seed;
      for (size_t i = 0; i < list.size(); ++i) ASSERT_EQ(list[i].array, expected_list[i]);
      ASSERT_EQ(engine.FCells, start.cells) << "the search works on copies";
      guessed += expected >= 2;
    }
  }
  EXPECT_GT(guessed, 50) << "the cases must exercise the guesses";
}

// Fresh-seed generation, attempt for attempt, on the levels that accept
// within a few hundred attempts.
TEST_F(SolverEquivalence, FreshSeedGenerationMatches) {
  for (int level : {1, 9}) {
    for (int clock : {1000, 250000, 8999990, 123456789}) {
      host = MakeHost(clock);
      const int32_t rnd_before = RndState();
      const GenerationResult result = Game().RunGeneration(level, 0);
      ASSERT_EQ(result.status, GenerationStatus::kAccepted);
      const int32_t rnd_after = RndState();

      SetRndState(rnd_before);
      const int limit = TruncToInt(Game().Level_MinScan + Game().Level_MinCount);
      const reference::Generated expected =
          reference::Generate(level, 0, clock % 9000000, RulesFor(limit, level, 0));
      ASSERT_TRUE(expected.accepted);
      EXPECT_EQ(RndState(), rnd_after);
      EXPECT_EQ(Game().tries, expected.tries) << level << " " << clock;
      EXPECT_EQ(Game().seed, expected.seed);
      EXPECT_EQ(result.accepted_level, expected.level);
      EXPECT_EQ(Game().minDepth, expected.min_depth);
      EXPECT_EQ(Game().FCells, expected.puzzle);
      EXPECT_EQ(Game().Cells, expected.solution);
      EXPECT_EQ(TSudoku::SearchValue, expected.search_value);
    }
  }
}

// Seeds whose board the generator accepts, found by trying fixed seeds.
std::vector<int> AcceptedSeeds(EngineTest& test, int level, int wanted, int first_seed) {
  std::vector<int> seeds;
  for (int seed = first_seed; static_cast<int>(seeds.size()) < wanted; ++seed) {
    (void)test;
    if (SudokuHost().GameSudoku().RunGeneration(level, seed).status == GenerationStatus::kAccepted)
      seeds.push_back(seed);
  }
  return seeds;
}

TEST_F(SolverEquivalence, FixedSeedBoardsAndReductionMatch) {
  for (int level = 6; level <= 9; ++level) {
    for (int seed : AcceptedSeeds(*this, level, 12, 1000 * level)) {
      host = MakeHost(5000);
      const int32_t rnd_start = RndState();
      ASSERT_EQ(Game().RunGeneration(level, seed).status, GenerationStatus::kAccepted);
      const int limit = TruncToInt(Game().Level_MinScan + Game().Level_MinCount);
      const int32_t rnd_after_generation = RndState();

      // The first attempt as the reference makes it.
      SetRndState(rnd_start);
      const reference::Generated first = reference::Generate(level, seed, 0, RulesFor(limit, level, 0), 0);
      ASSERT_EQ(Game().FCells, first.puzzle);
      ASSERT_EQ(first.last_solutions.size(), 1u);
      ASSERT_EQ(Game().Cells, first.last_solutions[0]);

      Board expected = first.puzzle;
      SetRndState(rnd_after_generation);
      reference::SearchRules rules = RulesFor(limit, level, TSudoku::SearchValue);
      const int expected_removed = reference::Reduce(expected, rules);
      const int32_t rnd_expected = RndState();
      SetRndState(rnd_after_generation);
      EXPECT_EQ(Game().ReduceSudoku(), expected_removed);
      EXPECT_EQ(Game().FCells, expected);
      EXPECT_EQ(RndState(), rnd_expected);
      EXPECT_EQ(TSudoku::SearchValue, rules.search_value);
    }
  }
}

}  // namespace
