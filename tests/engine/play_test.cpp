// Hints, completion and score on the player's map.
#include <gtest/gtest.h>

#include "engine/score.h"
#include "engine_fixture.h"

namespace {

class PlayTest : public EngineTest {
 protected:
  // Map and SolutionMap hold the same solved grid; `empty` cells are
  // cleared from Map.
  void SetUpSolvedMaps(int empty) {
    for (int x = 0; x < 9; ++x)
      for (int y = 0; y < 9; ++y) {
        const int digit = (y * 3 + y / 3 + x) % 9 + 1;
        host->maps.SolutionMap[x][y][0] = host->maps.Map[x][y][0] = digit;
        host->maps.SolutionMap[x][y][1] = host->maps.Map[x][y][1] = 1;
      }
    for (int i = 0; i < empty; ++i) host->maps.Map[i % 9][i / 9][0] = host->maps.Map[i % 9][i / 9][1] = 0;
  }
};

TEST_F(PlayTest, HintThatCompletesTheBoardFinishesAndScores) {
  SetUpSolvedMaps(1);
  host->virtual_now = 100000;
  host->game_start_time = 0;
  host->current_level = 3;
  host->player_name = "Ada";
  SeedRnd(99);
  EXPECT_EQ(TSudoku::GiveHint(1), 0);
  EXPECT_EQ(host->maps.Map[0][0][1], 2);
  EXPECT_EQ(host->maps.Map[0][0][0], host->maps.SolutionMap[0][0][0]);
  EXPECT_EQ(host->finished, 1);
  EXPECT_EQ(host->hint_effects, 1);
  ASSERT_EQ(host->swirls.size(), 3u);
  EXPECT_EQ(host->swirls[0].first, 250 + 25);
  EXPECT_EQ(host->swirls[1].second, 75 + 30);
  for (int button = 1; button <= 4; ++button) EXPECT_EQ(host->grayedout[button], 1);
  EXPECT_EQ(host->highscore_loads, 1);
  ASSERT_EQ(host->recorded_scores.size(), 1u);
  EXPECT_EQ(host->recorded_scores[0].second, "Ada");
  EXPECT_EQ(host->score, host->recorded_scores[0].first);
  EXPECT_EQ(Game().stats_givenhints, 1);
  EXPECT_EQ(Game().stats_usedturns, 1);
  // A hint on a full board does nothing.
  EXPECT_EQ(TSudoku::GiveHint(1), 0);
  EXPECT_EQ(Game().stats_givenhints, 1);
}

TEST_F(PlayTest, HintCellsAndEffectPositionsFollowTheGeneralGenerator) {
  SetUpSolvedMaps(81);
  SeedRnd(1234);
  const int x = Rand(0, 8);  // every cell is empty: the first draw is taken
  const int y = Rand(0, 8);
  const int dy = Rand(5, 15), dx2 = Rand(5, 10), dx3 = Rand(5, 10);
  SeedRnd(1234);
  TSudoku::GiveHint(1);
  EXPECT_NE(host->maps.Map[x][y][0], 0);
  const int px = 250 + 52 * x + 4 * (x / 3), py = 75 + 52 * y + 4 * (y / 3);
  EXPECT_EQ(host->swirls, (std::vector<std::pair<int, int>>{{px + 25, py + dy}, {px + 20 - dx2, py + 30},
                                                             {px + 30 + dx3, py + 30}}));
  // A set-up hint makes a given without effect.
  TSudoku::GiveHint(0);
  EXPECT_EQ(host->hint_effects, 1);
  EXPECT_EQ(Game().stats_givenhints, 2);
}

TEST_F(PlayTest, RepeatedDigitIsNotComplete) {
  SetUpSolvedMaps(0);
  host->maps.Map[0][0][0] = host->maps.Map[1][0][0];
  EXPECT_EQ(TSudoku::QuorbelIsSolved(0), 0);
  EXPECT_EQ(host->grayedout[1], 0);
  EXPECT_TRUE(host->recorded_scores.empty());
}

TEST_F(PlayTest, SolvedForThePlayerScoresNothing) {
  SetUpSolvedMaps(0);
  host->score = 77;
  EXPECT_EQ(TSudoku::QuorbelIsSolved(1), 1);
  EXPECT_EQ(host->score, 0);
  EXPECT_EQ(host->grayedout[4], 1);
  EXPECT_TRUE(host->recorded_scores.empty());
  host->finished = 1;
  EXPECT_EQ(TSudoku::QuorbelIsSolved(0), 1);
  EXPECT_TRUE(host->recorded_scores.empty());
}

TEST(Score, FormulaInThirtyTwoBitFloats) {
  EXPECT_EQ(ComputeScore(1, 20, 3, 100000, 1), 25);   // 500 div 20
  EXPECT_EQ(ComputeScore(1, 0, 1, 1000000, 3), 16);  // 16.67 truncated
  EXPECT_EQ(ComputeScore(1, 7, 2, 10000, 1), 5882);   // 1 / 1.7 * 100000 / 10
  EXPECT_EQ(ComputeScore(4, 15, 9, 60000, 1), 12000);
}

TEST(Score, NoTimeOrOverflowClampsIntoTheIntRange) {
  EXPECT_EQ(ComputeScore(1, 0, 9, 0, 1), 2147483647);
  EXPECT_EQ(ComputeScore(1, 0, 9, 1, 1), 449999968);  // 4.5e8 as a float
  EXPECT_EQ(ComputeScore(100, 0, 9, 1, 1), 2147483647);
  EXPECT_EQ(ComputeScore(1, 0, 9, -5000, 1), -90000);
  EXPECT_EQ(ComputeScore(1, 0, 0, 0, 1), 0);  // 0 / 0 is not a number
  EXPECT_EQ(ComputeScore(1, 20, 9, 0, 1), 2147483647 / 20);
}

TEST_F(PlayTest, StatisticsTrackTurns) {
  host->game_start_time = 1000;
  host->virtual_now = 31000;
  Game().UpdateStats(1);
  EXPECT_EQ(Game().stats_usedturns, 1);
  EXPECT_EQ(Game().stats_lastturntime, 1000);
  EXPECT_EQ(Game().stats_longestturntime, 30000);
  EXPECT_EQ(Game().stats_averageturntime, 30);
  host->virtual_now = 41000;
  Game().UpdateStats(1);
  EXPECT_EQ(Game().stats_averageturntime, 20);
  EXPECT_EQ(Game().stats_longestturntime, 40000);
  Game().UpdateStats(2);
  EXPECT_EQ(Game().stats_usedturns, 2);
}

}  // namespace
