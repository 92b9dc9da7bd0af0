// The millisecond clock's arithmetic across its wrap from 2^31 - 1 to 0, and
// the play time and score of a game that spans the wrap.
#include <gtest/gtest.h>

#include "engine/clock_math.h"
#include "engine_fixture.h"

namespace {

constexpr int kLast = 2147483647;  // the clock's last value before 0

}  // namespace

TEST(ClockMath, SumsAndDifferencesWrapWithTheClock) {
  EXPECT_EQ(ClockAdd(kLast, 1), 0);
  EXPECT_EQ(ClockAdd(kLast - 10, 100), 89);
  EXPECT_EQ(ClockAdd(5, -10), kLast - 4);
  EXPECT_EQ(ClockAdd(1000, 2500), 3500);

  EXPECT_EQ(ClockDifference(89, kLast - 10), 100) << "later across the wrap";
  EXPECT_EQ(ClockDifference(kLast - 10, 89), -100) << "earlier across the wrap";
  EXPECT_EQ(ClockDifference(3500, 1000), 2500);
  EXPECT_EQ(ClockDifference(7, 7), 0);
  // Readings up to about 12 days apart keep their order.
  EXPECT_EQ(ClockDifference(ClockAdd(100, (1 << 30) - 1), 100), (1 << 30) - 1);
  EXPECT_EQ(ClockDifference(100, ClockAdd(100, (1 << 30) - 1)), -((1 << 30) - 1));
}

namespace {

class ClockWrapGame : public EngineTest {
 protected:
  // A solved board with its first cell empty; the hint that fills it ends
  // the game `played_ms` after it started at `start`. Returns the score.
  int ScoreOfGame(int start, int played_ms) {
    for (int x = 0; x < 9; ++x)
      for (int y = 0; y < 9; ++y) {
        const int digit = (y * 3 + y / 3 + x) % 9 + 1;
        host->maps.SolutionMap[x][y][0] = host->maps.Map[x][y][0] = digit;
        host->maps.SolutionMap[x][y][1] = host->maps.Map[x][y][1] = 1;
      }
    host->maps.Map[0][0][0] = host->maps.Map[0][0][1] = 0;
    host->finished = 0;
    host->recorded_scores.clear();
    host->current_level = 5;
    host->game_start_time = start;
    host->virtual_now = ClockAdd(start, played_ms);
    Game().stats_givenhints = 0;
    Game().stats_usedturns = 0;
    Game().stats_lastturntime = 0;
    Game().stats_longestturntime = 0;
    TSudoku::GiveHint(0);
    EXPECT_EQ(host->recorded_scores.size(), 1u);
    return host->recorded_scores.empty() ? -1 : host->recorded_scores[0].first;
  }
};

}  // namespace

TEST_F(ClockWrapGame, AGameAcrossTheWrapScoresAsOneFarFromIt) {
  const int far = ScoreOfGame(1000, 600000);
  EXPECT_GT(far, 0);
  EXPECT_EQ(ScoreOfGame(kLast - 300000, 600000), far) << "ten minutes, the wrap half way";
  EXPECT_EQ(Game().stats_longestturntime, 600000) << "the turn statistics span it as well";
}
