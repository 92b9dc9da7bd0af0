// The puzzle engine: boards, rule checks, solver, generator, hints, score.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/fresh_seed_sequence.h"

struct PackedBoard;
struct SearchContext;

// One solution found by the solver; owns its copy of the board.
struct TSolutions {
  Board array{};
  static TSolutions Create(const Board& board) { return TSolutions{board}; }
};

using TSolutionList = std::vector<TSolutions>;

// How a generation ended.
enum class GenerationStatus {
  kAccepted,   // a puzzle is in FCells, its solution in Cells
  kQuit,       // the quit request was set (Escape, or the attempt limit)
  kImpossible  // a fixed seed whose board no attempt can ever accept
};

struct GenerationResult {
  GenerationStatus status = GenerationStatus::kQuit;
  int accepted_level = 0;  // the level after any fall-back
};

class TSudoku {
 public:
  Board BackupCells{};
  Board FCells{};
  Board Cells{};
  TSolutionList SolutionList;
  int MinStones = 30;
  float Level_MinScan = 0.0f;
  float Level_MinCount = 0.0f;
  float Level_MaxScan = 0.0f;
  float Level_MaxCount = 0.0f;
  float Level_MinSum = 0.0f;
  std::array<float, 10> Levels_MinScan{};
  std::array<float, 10> Levels_MinCount{};
  std::array<float, 10> Levels_MaxScan{};
  std::array<float, 10> Levels_MaxCount{};
  std::array<float, 10> Levels_MinSum{};
  std::array<float, 10> Levels_MinStones{};
  int tries = 0;
  int maxtries = 500000;
  int minDepth = 0;
  int seed = 0;
  int TrivialFill_Sum = 0;
  int TrivialFill_SumPerScan = 0;
  int TrivialFill_SumPerCount = 0;
  int stats_lastturntime = 0;
  int stats_usedturns = 0;
  int stats_givenhints = 0;
  int stats_wrongfields = 0;
  int stats_gametime = 0;
  int stats_longestturntime = 0;
  int stats_averageturntime = 0;
  int stats_usedundos = 0;
  // Hints, turns and undos stop here instead of running into the int's
  // end: a game played for ever still saves a number its save takes back.
  static constexpr int kStatsCountLimit = 1000000000;
  static void CountOne(int& counter) {
    if (counter < kStatsCountLimit) ++counter;
  }
  // Carries the fresh seeds on from one generation to the next.
  FreshSeedSequence fresh_seeds;

  // Shared by every level of a search; the generator resets it per attempt.
  static inline int SearchValue = 0;

  // A new engine with its level tables filled; draws five numbers from the
  // general random generator for the level jitter.
  static std::shared_ptr<TSudoku> Create();
  static void CopyFields(const Board& source, Board& target);
  std::shared_ptr<TSudoku> Copy() const;
  void CopyFrom(const TSudoku& other);
  void ClearFields();
  // A new game's statistics: no turns, hints, mistakes or time yet.
  void ResetStats() {
    stats_usedturns = stats_lastturntime = stats_givenhints = stats_wrongfields = 0;
    stats_gametime = stats_longestturntime = stats_usedundos = 0;
  }

  // The player's maps.
  void SolveMap();
  static void CopyMapArray(const std::string& mode);
  static int CheckFieldTwo(int x, int y);
  static int ZArrayCheckTwo();
  static int QuorbelIsSolved(int noScore);
  static std::string appendtext(const std::string& path, const std::string& line);

  // Rule checks on FCells.
  int Possibilities(int x, int y) const;
  int ReturnPossibility(int x, int y) const;
  int SudokuIsValid() const;
  int SudokuIsSolved() const;

  // Solver.
  int TrivialFillFields(int show, int extra);
  int TrivialFillFields_perCount(int show, int extra);
  int TrivialFillFields_perScan(int show, int extra);
  int SolveSudoku(TSolutionList& list, int depth);

  // Generator.
  void SetLevelValues();
  int GenerateSudoku(int level, int seed);
  // GenerateSudoku with its outcome told apart.
  GenerationResult RunGeneration(int level, int seed);
  int ReduceSudoku();

  // Hints and statistics.
  static int GiveHint(int showEffect);
  void UpdateStats(int kind);

 private:
  SearchContext NewSearchContext() const;
  void FinishSearch(const SearchContext& context);
};

// Clamps a floating-point value into the int range and truncates it; NaN
// gives 0. Float-to-int conversions of values that may not fit go here.
int TruncToInt(double value);
