// Setting up a game: every puzzle handed to the player has one solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/level_code.h"
#include "engine/puzzle_setup.h"
#include "engine/random.h"
#include "engine/twister.h"
#include "engine_fixture.h"
#include "reference_engine.h"

namespace {

Board Layer(const int (&map)[9][9][2], int layer) {
  Board b{};
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) b[x][y] = static_cast<uint8_t>(map[x][y][layer]);
  return b;
}

class PuzzleSetupTest : public EngineTest {};

TEST_F(PuzzleSetupTest, EveryPuzzleHasExactlyOneSolutionAtEveryLevel) {
  // GRIDLET_SETUP_PUZZLES asks for more puzzles per level in a long run.
  const char* wanted_text = std::getenv("GRIDLET_SETUP_PUZZLES");
  const int wanted = wanted_text ? std::max(1, std::atoi(wanted_text)) : 40;
  int total_added = 0;
  for (int level = 1; level <= 9; ++level) {
    int accepted = 0;
    // Most random boards are refused at once; keep the first ones that a
    // level code would give a puzzle for (a few thousand seeds tried).
    host = MakeHost(1000);
    for (int seed = 1000 * level; accepted < wanted; ++seed) {
      const PuzzleSetup setup = CreatePuzzle(level, seed);
      if (setup.status != GenerationStatus::kAccepted) {
        ASSERT_EQ(setup.status, GenerationStatus::kImpossible);
        continue;
      }
      ++accepted;
      const TSudoku& sudoku = Game();
      Board player = Layer(host->maps.Map, 0);
      Board probe = player;
      ASSERT_EQ(reference::CountSolutions(probe, 2), 1) << "level " << level << " seed " << setup.seed;
      // The one solution is the engine's, and it completes every board.
      reference::Engine completed;
      completed.cells = player;
      for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y) {
          ASSERT_TRUE(player[x][y] == 0 || player[x][y] == sudoku.Cells[x][y]);
          ASSERT_TRUE(setup.generated[x][y] == 0 || setup.generated[x][y] == sudoku.Cells[x][y]);
          completed.cells[x][y] = sudoku.Cells[x][y];
        }
      ASSERT_TRUE(completed.Solved());
      EXPECT_EQ(Layer(host->maps.SolutionMap, 0), sudoku.Cells);
      EXPECT_EQ(std::memcmp(host->maps.BackupMap, host->maps.Map, sizeof(host->maps.Map)), 0);
      // Set-up hints count as hints; the givens added for uniqueness do not.
      EXPECT_EQ(sudoku.stats_givenhints, setup.setup_hints);
      const int expected_hints = level < 6 && sudoku.MinStones > 30 ? sudoku.MinStones - 29 : 0;
      EXPECT_EQ(setup.setup_hints, expected_hints);
      int givens = 0;
      for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y) {
          if (player[x][y]) {
            EXPECT_EQ(host->maps.Map[x][y][1], 1);
          }
          givens += player[x][y] != 0;
        }
      int engine_givens = 0;
      for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y) engine_givens += sudoku.FCells[x][y] != 0;
      EXPECT_EQ(givens, engine_givens + setup.setup_hints + setup.unique_givens);
      total_added += setup.unique_givens;
    }
  }
  EXPECT_GT(total_added, 0) << "some generated puzzles have several solutions";
}

TEST_F(PuzzleSetupTest, LevelCodeGivesTheSameBoardEveryTime) {
  host = MakeHost(1000);
  int seed = 1;
  while (CreatePuzzle(7, seed).status != GenerationStatus::kAccepted) ++seed;
  const Board first = Layer(host->maps.Map, 0);
  host = MakeHost(999999);
  SeedRnd(4242);
  ASSERT_EQ(CreatePuzzle(7, seed).status, GenerationStatus::kAccepted);
  EXPECT_EQ(Layer(host->maps.Map, 0), first);
}

TEST_F(PuzzleSetupTest, RegeneratingACodeLeavesTheRunningGameAlone) {
  for (int level : {3, 8}) {
    host = MakeHost(1000);
    SeedRnd(77);
    int seed = 2000;
    while (CreatePuzzle(level, seed).status != GenerationStatus::kAccepted) ++seed;
    const TPlayMaps played = host->maps;
    const int tries = Game().tries;
    SeedRnd(4242);
    const int32_t rnd = RndState();
    MersenneTwister twister = PuzzleTwister();

    const std::optional<CodePuzzle> puzzle = RegeneratePuzzle(level, seed);
    ASSERT_TRUE(puzzle) << level;
    for (int x = 0; x < 9; ++x)
      for (int y = 0; y < 9; ++y) {
        EXPECT_EQ(puzzle->board[x][y][0], played.Map[x][y][0]);
        EXPECT_EQ(puzzle->board[x][y][1], played.Map[x][y][1]);
        EXPECT_EQ(puzzle->solution[x][y], played.SolutionMap[x][y][0]);
      }
    EXPECT_EQ(&SudokuHost(), host.get());
    EXPECT_EQ(std::memcmp(&host->maps, &played, sizeof played), 0);
    EXPECT_EQ(Game().tries, tries);
    EXPECT_EQ(RndState(), rnd);
    EXPECT_EQ(PuzzleTwister().Next(), twister.Next());
  }
}

// With the clock standing still, a new game would search exactly the seeds
// of the one before unless the seeds go on from where it stopped.
TEST_F(PuzzleSetupTest, ACodeTellsTheLevelItsPuzzleWasAcceptedAt) {
  struct {
    int level, seed;
    std::optional<int> accepted;
  } codes[] = {
      {6, 1342563, 5},        // 247058E3: the generator fell back one level
      {3, 2149684, 1},        // two levels
      {9, 1342563, 9},        // level 9 takes any board with one solution
      {3, 4567, std::nullopt},  // no puzzle at all
  };
  for (const auto& code : codes) {
    const int seed_before = Game().seed;
    EXPECT_EQ(AcceptedLevel(code.level, code.seed), code.accepted) << code.level << " " << code.seed;
    EXPECT_EQ(Game().seed, seed_before) << "the running game is left alone";
  }
}

TEST_F(PuzzleSetupTest, ConsecutiveGamesDifferAtEveryLevel) {
  for (int level = 1; level <= 9; ++level) {
    host = MakeHost(123456);
    int last_seed = 0;
    std::vector<Board> played;
    for (int game = 0; game < 3; ++game) {
      const PuzzleSetup setup = CreatePuzzle(level, 0);
      ASSERT_EQ(setup.status, GenerationStatus::kAccepted) << level;
      const int base = game == 0 ? 123456 : last_seed;  // the clock, then past the game before
      EXPECT_EQ(setup.seed, base + setup.tries) << level;
      last_seed = setup.seed;
      const Board puzzle = Layer(host->maps.Map, 0);
      for (const Board& before : played) EXPECT_NE(puzzle, before) << "level " << level << " game " << game;
      played.push_back(puzzle);
    }
  }
}

TEST_F(PuzzleSetupTest, FreshSeedsWrapInsideTheCodeRange) {
  // Past the top of the range the seeds go on from its bottom, so the
  // code of every game still reads back.
  Game().fresh_seeds.Tried(FreshSeedSequence::kRange + 40);
  const PuzzleSetup setup = CreatePuzzle(9, 0);
  ASSERT_EQ(setup.status, GenerationStatus::kAccepted);
  EXPECT_EQ(setup.seed, 40 + setup.tries);
  // The highest seed a generation can reach still gives a code that reads back.
  EXPECT_TRUE(LevelCodeRoundTrips(9, 4, FreshSeedSequence::kRange - 1 + Game().maxtries + 1));

  // A level code's fixed seed neither uses nor moves the sequence.
  host = MakeHost(5000);
  Game().fresh_seeds.Tried(777);
  int seed = 1;
  while (CreatePuzzle(9, seed).status != GenerationStatus::kAccepted) ++seed;
  EXPECT_EQ(Game().seed, seed);
  EXPECT_EQ(Game().fresh_seeds.NextBase(5000), 777);
}

// The millisecond clock turns negative after about 25 days of uptime; the
// base still lies in the code range, whether it comes from the clock or
// from the seed tried last.
TEST(FreshSeedSequence, BasesStayInTheCodeRange) {
  constexpr int kRange = FreshSeedSequence::kRange;
  const struct {
    int value, base;
  } cases[] = {
      {0, 0}, {kRange - 1, kRange - 1}, {kRange, 0}, {kRange + 40, 40}, {-1, kRange - 1},
      {-kRange, 0}, {-kRange - 5, kRange - 5}, {INT_MIN, INT_MIN % kRange + kRange},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FreshSeedSequence{}.NextBase(c.value), c.base) << "clock " << c.value;
    FreshSeedSequence tried;
    tried.Tried(c.value);
    EXPECT_EQ(tried.NextBase(123), c.base) << "tried " << c.value;
  }
}

TEST_F(PuzzleSetupTest, FailedGenerationLeavesTheMapsAlone) {
  host->maps.Map[4][4][0] = 7;
  int seed = 1;
  while (CreatePuzzle(1, seed).status != GenerationStatus::kImpossible) ++seed;
  EXPECT_EQ(host->maps.Map[4][4][0], 7);
  EXPECT_FALSE(host->quit_requested);
}

TEST_F(PuzzleSetupTest, AddedGivenIsTheFirstDifferingCellInEngineOrder) {
  // A solved grid with one unavoidable rectangle emptied (two rows of one
  // band, two columns of different stacks, the digits crossed) has exactly
  // two solutions; the rectangle's first cell in engine order becomes given.
  ASSERT_EQ(Game().RunGeneration(9, 0).status, GenerationStatus::kAccepted);
  const Board grid = Game().Cells;
  int c1 = -1, c2 = -1, r1 = -1, r2 = -1;
  for (int a = 0; a < 9 && c1 < 0; ++a)
    for (int b = a + 1; b < 9 && c1 < 0; ++b)
      for (int p = 0; p < 9 && c1 < 0; ++p)
        for (int q = p + 1; q < 9; ++q)
          if (a / 3 != b / 3 && p / 3 == q / 3 && grid[a][p] == grid[b][q] && grid[b][p] == grid[a][q]) {
            c1 = a, c2 = b, r1 = p, r2 = q;
            break;
          }
  if (c1 < 0) GTEST_SKIP() << "this grid has no such rectangle";
  TPlayMaps maps;
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) {
      maps.Map[x][y][0] = maps.SolutionMap[x][y][0] = grid[x][y];
      maps.Map[x][y][1] = maps.SolutionMap[x][y][1] = 1;
    }
  for (int c : {c1, c2})
    for (int r : {r1, r2}) maps.Map[c][r][0] = maps.Map[c][r][1] = 0;
  EXPECT_EQ(AddGivensUntilUnique(maps), 1);
  EXPECT_EQ(maps.Map[c1][r1][0], grid[c1][r1]);
  EXPECT_EQ(maps.Map[c1][r1][1], 1);
  EXPECT_EQ(maps.Map[c2][r2][0], 0);
  EXPECT_EQ(AddGivensUntilUnique(maps), 0);
}

}  // namespace
