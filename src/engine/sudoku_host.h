// Everything the engine needs from the game around it.
//
// The engine works on the player's maps and reads and writes a handful of
// play-screen values, but it must build and test without a window, so it
// reaches all of that through this one interface. The game implements it;
// TDefaultSudokuHost serves tests and the command line.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

class TSudoku;

// The player-facing maps, each indexed [x][y][layer]: layer 0 the digit
// (0 empty), layer 1 the state (0 player or empty, 1 given, 2 hint).
struct TPlayMaps {
  int Map[9][9][2] = {};
  int SolutionMap[9][9][2] = {};
  int BackupMap[9][9][2] = {};
  int DigitCounter[10] = {};  // scratch space of the map checks
};

class TSudokuHost {
 public:
  virtual ~TSudokuHost() = default;

  virtual TPlayMaps& Maps() = 0;
  // The game's engine object: its level thresholds bound the solver's
  // guesses and it keeps the play statistics.
  virtual TSudoku& GameSudoku() = 0;

  virtual int CurrentLevel() = 0;
  virtual void SetCurrentLevel(int level) = 0;
  // The level the score is worked out with: a game of a chosen grade
  // scores above the levels.
  virtual int ScoreLevel() { return CurrentLevel(); }
  virtual int StoneSetFactor() = 0;
  virtual int MixItScoreMulti() = 0;
  virtual int GameStartTime() = 0;
  virtual void SetGameStartTime(int ms) = 0;
  virtual int Finished() = 0;
  virtual void SetFinished(int finished) = 0;
  virtual int Score() = 0;
  virtual void SetScore(int score) = 0;
  virtual std::string PlayerName() = 0;

  // In-game buttons 1 to 4: hint, wrong-turn display, solve, clear.
  virtual void SetInGameButtonGrayedOut(int button, int grayedout) = 0;
  // Screen position of the top-left corner of a board cell.
  virtual int CellX(int column, int row) = 0;
  virtual int CellY(int column, int row) = 0;
  // A hint's effect: a new particle effect (200 particles, mode 1), then
  // one "Swirl" emitter (120, 1, 1, 0) per call at the given position.
  virtual void StartHintEffect() = 0;
  virtual void AddHintSwirl(int x, int y) = 0;

  // During generation: draw a frame with the cursor, present it, and
  // request quitting when Escape was hit.
  virtual void KeepScreenAlive() = 0;
  virtual bool QuitRequested() = 0;
  virtual void RequestQuit() = 0;
  // Sets the main loop's timing reference back so it does not catch up.
  virtual void ResetLoopTiming() = 0;
  virtual void SetGameStateRunning() = 0;

  virtual int MilliSecs() = 0;
  virtual void Print(const std::string& line) = 0;

  // The highscore table: load and sort it, then later add the score at the
  // spare index, sort again and save.
  virtual void LoadHighscores() = 0;
  virtual void AddHighscore(int score, const std::string& name) = 0;
};

// A host without a window: maps and values in memory, a real or virtual
// clock, a captured (optionally echoed) debug log, no-op effects and an
// in-memory score sink.
class TDefaultSudokuHost : public TSudokuHost {
 public:
  // Creates the game's engine object, drawing its level jitter from the
  // general random generator as the game's start-up does.
  TDefaultSudokuHost();

  TPlayMaps maps;
  std::shared_ptr<TSudoku> sudoku;
  int current_level = 1;
  int stone_set_factor = 1;
  int mixit_score_multi = 1;
  int game_start_time = 0;
  int finished = 0;
  int score = 0;
  std::string player_name = "Player";
  int grayedout[5] = {};
  std::vector<std::pair<int, int>> swirls;  // positions of hint swirls
  int hint_effects = 0;
  int screen_refreshes = 0;
  bool quit_requested = false;
  int loop_timing_resets = 0;
  int running_state_sets = 0;
  // With a virtual clock MilliSecs() returns virtual_now, which then moves
  // on by virtual_step; otherwise it reads the steady clock.
  bool virtual_clock = false;
  int virtual_now = 0;
  int virtual_step = 0;
  bool echo_log = false;
  std::vector<std::string> log;
  int highscore_loads = 0;
  std::vector<std::pair<int, std::string>> recorded_scores;

  TPlayMaps& Maps() override { return maps; }
  TSudoku& GameSudoku() override { return *sudoku; }
  int CurrentLevel() override { return current_level; }
  void SetCurrentLevel(int level) override { current_level = level; }
  int StoneSetFactor() override { return stone_set_factor; }
  int MixItScoreMulti() override { return mixit_score_multi; }
  int GameStartTime() override { return game_start_time; }
  void SetGameStartTime(int ms) override { game_start_time = ms; }
  int Finished() override { return finished; }
  void SetFinished(int value) override { finished = value; }
  int Score() override { return score; }
  void SetScore(int value) override { score = value; }
  std::string PlayerName() override { return player_name; }
  void SetInGameButtonGrayedOut(int button, int value) override;
  int CellX(int column, int row) override;
  int CellY(int column, int row) override;
  void StartHintEffect() override { ++hint_effects; }
  void AddHintSwirl(int x, int y) override { swirls.emplace_back(x, y); }
  void KeepScreenAlive() override { ++screen_refreshes; }
  bool QuitRequested() override { return quit_requested; }
  void RequestQuit() override { quit_requested = true; }
  void ResetLoopTiming() override { ++loop_timing_resets; }
  void SetGameStateRunning() override { ++running_state_sets; }
  int MilliSecs() override;
  void Print(const std::string& line) override;
  void LoadHighscores() override { ++highscore_loads; }
  void AddHighscore(int value, const std::string& name) override { recorded_scores.emplace_back(value, name); }
};

// The host the engine talks to. Until one is set, a TDefaultSudokuHost is
// made on first use.
TSudokuHost& SudokuHost();
void SetSudokuHost(std::shared_ptr<TSudokuHost> host);
// Sets the host and hands back the one set before (possibly none).
std::shared_ptr<TSudokuHost> SwapSudokuHost(std::shared_ptr<TSudokuHost> host);
