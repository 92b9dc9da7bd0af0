// The engine's work on the player's maps: copies, checks, hints, score.
#include <cstring>

#include "engine/clock_math.h"
#include "engine/random.h"
#include "engine/score.h"
#include "engine/sudoku.h"
#include "engine/sudoku_host.h"

namespace {

void CopyMap(const int (&from)[9][9][2], int (&to)[9][9][2]) { std::memcpy(to, from, sizeof(to)); }

void CountDigit(int (&counter)[10], int digit) {
  if (digit >= 0 && digit <= 9) ++counter[digit];
}

}  // namespace

void TSudoku::SolveMap() {
  TPlayMaps& maps = SudokuHost().Maps();
  CopyMap(maps.SolutionMap, maps.Map);
}

void TSudoku::CopyMapArray(const std::string& mode) {
  TPlayMaps& maps = SudokuHost().Maps();
  if (mode == "map2backup") {
    CopyMap(maps.Map, maps.BackupMap);
  } else if (mode == "map2solution") {
    CopyMap(maps.Map, maps.SolutionMap);
  } else if (mode == "backup2map") {
    CopyMap(maps.BackupMap, maps.Map);
  }
}

int TSudoku::CheckFieldTwo(int x, int y) {
  TPlayMaps& maps = SudokuHost().Maps();
  int (&counter)[10] = maps.DigitCounter;
  for (int d = 0; d <= 8; ++d) counter[d] = 0;
  int total = 0;
  for (int i = 0; i < 9; ++i) CountDigit(counter, maps.Map[x][i][0]);
  total += ZArrayCheckTwo();
  for (int i = 0; i < 9; ++i) CountDigit(counter, maps.Map[i][y][0]);
  total += ZArrayCheckTwo();
  const int bx = x / 3 * 3;
  const int by = y / 3 * 3;
  for (int i = bx; i < bx + 3; ++i)
    for (int j = by; j < by + 3; ++j) CountDigit(counter, maps.Map[i][j][0]);
  total += ZArrayCheckTwo();
  return total != 0 ? 1 : 0;
}

int TSudoku::ZArrayCheckTwo() {
  int (&counter)[10] = SudokuHost().Maps().DigitCounter;
  int repeated = 0;
  for (int d = 1; d <= 9; ++d) {
    if (counter[d] > 1) ++repeated;
    counter[d] = 0;
  }
  return repeated;
}

int TSudoku::QuorbelIsSolved(int noScore) {
  TSudokuHost& host = SudokuHost();
  TPlayMaps& maps = host.Maps();
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y)
      if (CheckFieldTwo(x, y) == 1 || maps.Map[x][y][0] <= 0) return 0;

  host.SetScore(0);
  for (int button = 1; button <= 4; ++button) host.SetInGameButtonGrayedOut(button, 1);
  if (noScore == 0 && host.Finished() == 0) {
    host.LoadHighscores();
    const TSudoku& game = host.GameSudoku();
    const int elapsed = ClockDifference(host.MilliSecs(), host.GameStartTime());
    const int score = ComputeScore(host.MixItScoreMulti(), game.stats_givenhints, host.ScoreLevel(), elapsed,
                                   host.StoneSetFactor());
    host.SetScore(score);
    host.AddHighscore(score, host.PlayerName());
  }
  return 1;
}

int TSudoku::GiveHint(int showEffect) {
  TSudokuHost& host = SudokuHost();
  TPlayMaps& maps = host.Maps();
  int filled = 0;
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y)
      if (maps.Map[x][y][0] != 0) ++filled;
  if (filled == 81) return 0;

  int x = 0;
  int y = 0;
  do {
    x = Rand(0, 8);
    y = Rand(0, 8);
  } while (maps.Map[x][y][0] != 0);

  if (showEffect != 0) {
    const int px = host.CellX(x, y);
    const int py = host.CellY(x, y);
    host.StartHintEffect();
    // Each position is drawn right before its emitter is added.
    const int y1 = py + Rand(5, 15);
    host.AddHintSwirl(px + 25, y1);
    const int x2 = px + 20 - Rand(5, 10);
    host.AddHintSwirl(x2, py + 30);
    const int x3 = px + 30 + Rand(5, 10);
    host.AddHintSwirl(x3, py + 30);
  }
  maps.Map[x][y][0] = maps.SolutionMap[x][y][0];
  maps.Map[x][y][1] = showEffect != 0 ? 2 : 1;

  TSudoku& game = host.GameSudoku();
  CountOne(game.stats_givenhints);
  game.UpdateStats(1);
  host.SetFinished(QuorbelIsSolved(0));
  return 0;
}

void TSudoku::UpdateStats(int kind) {
  if (kind != 1) return;
  TSudokuHost& host = SudokuHost();
  CountOne(stats_usedturns);
  if (stats_lastturntime == 0) stats_lastturntime = host.GameStartTime();
  const int since_last = ClockDifference(host.MilliSecs(), stats_lastturntime);
  if (since_last > stats_longestturntime) stats_longestturntime = since_last;
  const int seconds = ClockDifference(host.MilliSecs(), host.GameStartTime()) / 1000;
  stats_averageturntime = static_cast<int>(seconds / stats_usedturns);
}
