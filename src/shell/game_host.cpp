#include "shell/game_host.h"

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "presentation/particle_effect.h"
#include "shell/game.h"
#include "shell/grade_choice.h"
#include "shell/highscore.h"
#include "shell/play_values.h"
#include "shell/screen_widgets.h"
#include "shell/settings.h"

namespace {

// The effect the three swirls of the latest hint join.
TParticleEffectPtr& HintEffect() {
  static TParticleEffectPtr effect;
  return effect;
}

bool OnBoard(int column, int row) { return column >= 0 && column < 9 && row >= 0 && row < 9; }

}  // namespace

TPlayMaps& TGameSudokuHost::Maps() { return PlayMaps; }
TSudoku& TGameSudokuHost::GameSudoku() { return *Game->Sudoku; }
int TGameSudokuHost::CurrentLevel() { return ::CurrentLevel; }
void TGameSudokuHost::SetCurrentLevel(int level) { ::CurrentLevel = level; }
int TGameSudokuHost::ScoreLevel() {
  const std::optional<logic::GradedCode>& graded = Game->Play.graded;
  return ScoreLevelOf(::CurrentLevel, graded ? std::optional(graded->grade) : std::nullopt);
}
int TGameSudokuHost::StoneSetFactor() { return ::StoneSetFactor; }
int TGameSudokuHost::MixItScoreMulti() { return Game->MixItScoreMulti; }
int TGameSudokuHost::GameStartTime() { return ::GameStartTime; }
void TGameSudokuHost::SetGameStartTime(int ms) {
  ::GameStartTime = ms;
  RestartPlayClock();
}
int TGameSudokuHost::Finished() { return GameFinished; }
void TGameSudokuHost::SetFinished(int finished) { GameFinished = finished; }
int TGameSudokuHost::Score() { return GameScore; }
void TGameSudokuHost::SetScore(int score) { GameScore = score; }
std::string TGameSudokuHost::PlayerName() { return ::PlayerName; }

void TGameSudokuHost::SetInGameButtonGrayedOut(int button, int grayedout) {
  if (button < kHint || button > kClearBoard) return;
  if (const TGUIButtonPtr& b = Widgets.inGame[size_t(button)]) b->grayedout = grayedout;
}

int TGameSudokuHost::CellX(int column, int row) { return OnBoard(column, row) ? ::CellX[column][row] : 0; }
int TGameSudokuHost::CellY(int column, int row) { return OnBoard(column, row) ? ::CellY[column][row] : 0; }

void TGameSudokuHost::StartHintEffect() { HintEffect() = TParticleEffect::Create(200, 1); }

void TGameSudokuHost::AddHintSwirl(int x, int y) {
  if (!HintEffect()) StartHintEffect();
  HintEffect()->AddEffect("Swirl", float(x), float(y), 120, 1, 1, 0);
}

void TGameSudokuHost::KeepScreenAlive() {
  if (drawing::ClockIsVirtual() && Game->Sudoku->tries % kVirtualClockRedrawInterval != 0) return;
  RefreshScreen();
}

void TGameSudokuHost::RefreshScreen() {
  Game->Draw(1);
  TBaseGame::DrawCursor();
  drawing::Flip(0);
  if (drawing::KeyHit(27)) QuitGame = 1;
}

bool TGameSudokuHost::QuitRequested() { return TBaseGame::EndRequested(); }
void TGameSudokuHost::RequestQuit() { QuitGame = 1; }
void TGameSudokuHost::ResetLoopTiming() { TBaseGame::ResetLoopTiming(); }
void TGameSudokuHost::SetGameStateRunning() { Game->SetGameState(GAME_RUNNING); }
int TGameSudokuHost::MilliSecs() { return drawing::MilliSecs(); }
void TGameSudokuHost::Print(const std::string& line) { drawing::Print(line); }

void TGameSudokuHost::LoadHighscores() {
  Highscores->Load();
  Highscores->SortList();
}

void TGameSudokuHost::AddHighscore(int score, const std::string& name) {
  Highscores->AddScore(THighscore::kEntries, score, name);
  Highscores->SortList();
  Highscores->Save();
}
