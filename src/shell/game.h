// The game object: one state selects the screen that is updated and drawn
// (logo, menus, creating a puzzle, the play screen), plus the Mix It
// symbol mapping and the logo animation.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "drawing/background_writer.h"
#include "engine/graded_puzzle.h"
#include "engine/puzzle_setup.h"
#include "engine/sudoku.h"
#include "presentation/game_color.h"
#include "shell/base_game.h"
#include "shell/pending_options.h"
#include "shell/play_session.h"
#include "shell/preferences.h"
#include "shell/preferences_page.h"
#include "shell/save_loss_question.h"
#include "shell/suspended_game.h"

constexpr int GAME_LOGO = -1;
constexpr int GAME_STARTMENU = 0;
constexpr int GAME_GAMEMENU = 1;
constexpr int GAME_RUNNING = 2;
constexpr int GAME_PAUSE = 3;
constexpr int GAME_INFOBOX = 4;
constexpr int GAME_OPTIONMENU = 5;
constexpr int GAME_REPEATGAMEMENU = 6;
constexpr int GAME_CREATINGGAME = 7;
constexpr int GAME_HOWTOPLAY = 8;

// Symbol slots of the Mix It mappings; slot 0 stays 0 (no stone).
constexpr int kSymbolSlots = 15;

class TGame : public TBaseGame {
 public:
  int ReplaceStonesActive = 0;
  int ReplaceStonesPosition = 0;  // next cell of the sweep, 0 to 81
  int ReplaceStonesTime = 40;     // ms between two sweep steps
  int ReplaceStonesTimer = 0;
  std::array<int, kSymbolSlots> ReplaceStonesPreview{};  // the mapping the sweep brings
  std::array<int, kSymbolSlots> ReplaceStones{};         // the mapping in force
  int MaxColors = 0;
  int MixTimer = 0;
  float IntTimer = 0;
  float intDeltaTime = 0;
  int logofinished = 0;
  float logoframe = 0;
  float logomaxframe = 100;
  int logostate = 0;
  int logoeffectX = 0;
  int MixItTimer = 0;  // ms time of the next shuffle; 0 = not scheduled
  int MixItTime = 0;
  int MixItActivated = 0;
  int MixItScoreMulti = 1;
  std::shared_ptr<TSudoku> Sudoku;
  TPreferences Preferences;            // read from "preferences.xml" at start-up
  TPreferencesPage PreferencesPage;    // the option menu's page of the play aids
  TSaveLossQuestion SaveLossQuestion;  // asked before a new puzzle replaces the saved game
  TPendingOptions PendingOptions;      // the option menu's choices until "Apply" or "Cancel"
  TSuspendedGame Suspended;            // the game "New game" left for the game menu
  int HowToPlayPage = 0;               // the page "How to play" shows, from 0
  // Notes, selection, undo history and autosave of the game on the board.
  TPlaySession Play;
  // Writes the autosave off the main loop; whatever reads the save back
  // (Continue, the start-up's offer, tests) flushes it first.
  drawing::BackgroundWriter Saves;
  // How the start-up's offer and "Continue" read the save.
  TSaveCheck SaveCheck;
  // Set while a box over the play screen owns the pointer: the board and
  // the picker below it take no clicks.
  bool PointerCaptured = false;

  // A new game object; fills the display-mode list and makes the engine.
  static std::shared_ptr<TGame> Create();

  void SetGameState(int state);
  // Generates and sets up a puzzle; the result tells whether one was made.
  PuzzleSetup CreateSudoku(int level, int seed);
  // Builds and sets up a puzzle of a chosen grade; false when it was
  // stopped (Escape) or found none within its attempt limit, and then the
  // game before is as it was.
  bool CreateGradedSudoku(const logic::GradedCode& code);
  // The attempt of the graded build under way, for the creating screen; 0
  // while none runs.
  int GradedAttempt = 0;
  void RandomizeStones();
  void InitStones();
  void NewGame();
  void ResetField();
  void ClearField();

  void DrawPlayTime(float x, float y);
  void DrawHighScore(float x, float y);
  void DrawStones_Proposed();
  int GetStoneFrame(int symbol) const;
  int GetStoneColor(int column, int row) const;
  void DrawStones(int frame, int x, int y, int r, int g, int b, const TGameColorPtr& color);
  void DrawStones_Preset();
  void DrawStones_Player();
  void DrawStones_Marked();
  void DrawStones_ActiveField(int flag);

  void Draw(int flag) override;
  void Update() override;
  bool StillScreen() const override;
  int StillScreenDetail() const override;
  void Update_Logo();
  void Draw_Logo();
  void Update_InfoBox();
  void Draw_InfoBox();
  void Update_RepeatGameMenu();
  void Draw_RepeatGameMenu();
  void Update_OptionMenu();
  void Draw_OptionMenu();
  void Update_StartMenu();
  void Draw_StartMenu();
  void Update_GameMenu();
  void Draw_GameMenu();
  void Update_CreatingGame();
  void Draw_CreatingGame();
  void Update_Running();
  void Draw_BaseGame();
  void Draw_Running(int flag);
  void OpenHowToPlay();
  void Update_HowToPlay();
  void Draw_HowToPlay();

  // "New game" during an unfinished game: the game menu opens with a way
  // back. False (nothing done) when no unfinished game is running.
  bool SuspendRunningGame();
  // "Back" in the game menu, or a new game that did not come about: the
  // suspended game runs on exactly as it was.
  void ResumeSuspendedGame();
  // The play screen shows, alone or under a box or menu it opened.
  bool GameOnScreen() const;
  // Program end: the game on the board (or suspended) is saved for "Continue".
  void SaveAtProgramEnd();
  // Everything of the running game that a menu or a generation can change.
  TRunningGameView RunningGameView() const;
  void RestoreRunningGame(const TRunningGameView& view);
  // A new puzzle is ready and replaces whatever game ran before.
  void NewGameStarted();

  // Keyboard, notes and history (play_keys.cpp, play_tools.cpp).
  void UpdatePlayKeys();
  void UpdatePlayTools();
  // After a player move: the completion check, then the autosave.
  void AfterPlayerMove();
  void UndoMove();
  // H or "Explain": the coach explains the next step, or applies the one shown.
  void AskCoach();
  void RedoMove();
  // Autosave and resume (play_resume.cpp). While a game is left for the
  // game menu, its save as it was left is the one written.
  void SaveRunningGame();
  // The game on the board as its save holds it, at clock value `now`.
  TSavedGame RunningGameSave(int now);
  void DropSavedGame();
  // Looks for a save at start-up; a damaged one is logged and not offered.
  void OfferSavedGame();
  bool ContinueSavedGame();
  // What the play screen draws over the stones (play_marks_drawing.cpp).
  void DrawPlayMarks();
  // The coach's marks on the board and its words over the title; the grade.
  void DrawCoach();
  void DrawGrade();
  // Beside the side buttons: the level the puzzle was accepted at, or in a
  // graded game its grade.
  void DrawLevelBar();
  int PlayedLevel();
  // The symbol the cell shows for a digit under the Mix It mapping and sweep.
  int SymbolOf(int column, int row, int digit) const;

 private:
  void UpdateMixItTimer(int now);
  void UpdateWeather(int now);
  void UpdateSweep(int now);
  void UpdateBoardInput();
  void UpdatePicker();
  void ChooseFromPicker();
  void StartFromGameMenu();
  // Opens the game menu or the repeat-game box; kNone stays.
  void GoTowardsNewPuzzle(TNewPuzzleRoute route);
  // The replay box opens on an empty field, without the last code's message.
  static void ClearLevelCodeField();
  void DrawSaveLossQuestion();
  void StartFromLevelCode();
  // What the option menu shows at its opening, for "Cancel" to go back to.
  void NoteOptionsOpened();
  void ApplyOptions();
  void CancelOptions();
  // The option lists show what is in force, and nothing stays pending.
  void CloseOptions();
  // After a theme switch: the game takes the stone set the theme kept (or
  // set 1), and its code, score factor, Mix It mapping and save follow.
  void TakeStoneSetOfTheme(int previousSet);
  void ShiftGameClocks(int ms);
  void Update_PreferencesPage();
  void Draw_PreferencesPage();
  void ApplyDisplayOptions(int width, int height);
  // Given (1) or hint (2) stones, tinted with the named theme colour.
  void DrawStonesInState(int state, const std::string& colourName);
  void DrawPicker();
  void DrawLevelCode();
  // While the autosave of the game on the board fails, a notice says so.
  void DrawSaveFailure();
  void DrawResultPanel();
};

// The in-game menu: the seven command buttons of the play screen.
class TGameMenu {
 public:
  int activenumber = 0;
  int clickednumber = 0;
  void Update();
  void Draw();
};

class THighscore;

extern std::shared_ptr<TGame> Game;
extern std::shared_ptr<THighscore> Highscores;
extern TGameMenu GameMenu;
extern int GameState;
extern int LastGameState;
