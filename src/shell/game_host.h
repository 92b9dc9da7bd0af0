// The running game as the puzzle engine sees it: the player's maps, the
// play-screen values, the in-game buttons, effects, the screen kept alive
// while a puzzle is generated, and the highscore table.
#pragma once

#include "engine/sudoku_host.h"

class TGameSudokuHost : public TSudokuHost {
 public:
  TPlayMaps& Maps() override;
  TSudoku& GameSudoku() override;
  int CurrentLevel() override;
  void SetCurrentLevel(int level) override;
  int ScoreLevel() override;
  int StoneSetFactor() override;
  int MixItScoreMulti() override;
  int GameStartTime() override;
  void SetGameStartTime(int ms) override;
  int Finished() override;
  void SetFinished(int finished) override;
  int Score() override;
  void SetScore(int score) override;
  std::string PlayerName() override;
  void SetInGameButtonGrayedOut(int button, int grayedout) override;
  int CellX(int column, int row) override;
  int CellY(int column, int row) override;
  void StartHintEffect() override;
  void AddHintSwirl(int x, int y) override;
  void KeepScreenAlive() override;
  bool QuitRequested() override;
  void RequestQuit() override;
  void ResetLoopTiming() override;
  void SetGameStateRunning() override;
  int MilliSecs() override;
  void Print(const std::string& line) override;
  void LoadHighscores() override;
  void AddHighscore(int score, const std::string& name) override;

  // With a virtual clock no time passes while a puzzle is generated, so
  // every attempt would look due for a redraw; only every this many-th is.
  static constexpr int kVirtualClockRedrawInterval = 1000;

  // A frame of the screen shown while a puzzle is built, with the cursor;
  // Escape asks to quit.
  static void RefreshScreen();
};
