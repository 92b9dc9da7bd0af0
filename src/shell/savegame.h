// The game in progress as "savegame.xml": what is needed to go on exactly
// where the player stopped, written as text XML and read back with every
// value checked, so that a damaged or hostile file is refused as a whole.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/graded_puzzle.h"
#include "engine/play_board.h"
#include "engine/sudoku.h"

constexpr const char* kSaveGameFile = "savegame.xml";
constexpr int kSaveGameVersion = 1;
// Far above any real game's file; bounds what a hostile file can make us read.
constexpr long kSaveGameMaxBytes = 8L * 1024 * 1024;
constexpr size_t kSaveGameMaxMoves = 200000;
// Counters grow without a rule's bound ("Clear board" takes hint stones
// back, so hints may be taken again); the game stops them here, which keeps
// their sums exact.
constexpr int kSaveGameMaxCount = TSudoku::kStatsCountLimit;
// Twelve days: far beyond a real game, and well inside what the clock
// arithmetic of the play screen handles exactly. A game open for longer is
// saved with twelve days.
constexpr int kSaveGameMaxElapsedMs = 12 * 24 * 3600 * 1000;

struct TSavedMixIt {
  int active = 0;
  int interval = 0;    // ms between two shuffles
  int multi = 1;       // score multiplier; the reader takes only the one the interval gives
  int untilNext = 0;   // ms left until the next shuffle; 0 = not scheduled yet
  int sweepActive = 0;
  int sweepPosition = 0;
  std::array<int, 15> mapping{};  // symbol per digit, slot 0 unused
  std::array<int, 15> preview{};
};

struct TSavedStats {
  int givenHints = 0;
  int usedTurns = 0;
  int longestTurn = 0;
  int averageTurn = 0;
  int usedUndos = 0;
  int turnClockStarted = 0;  // the first hint set the turn clock to the start
};

struct TSavedGame {
  std::string code;  // the level code or graded code as shown
  int level = 1;
  int stoneSet = 1;  // both read from a level code
  int seed = 0;
  // A graded game's code; its stone set is an attribute of its own, and its
  // level the one graded games count as.
  std::optional<logic::GradedCode> graded;
  int elapsed = 0;   // ms played
  int stoneSetFactor = 1;  // the reader takes only the one the stone set gives
  int showWrong = 0;
  PlayCell cells[9][9] = {};  // [column][row]
  int solution[9][9] = {};
  TSavedMixIt mixIt;
  TSavedStats stats;
  std::vector<PlayMove> history;
  size_t historyPosition = 0;
  // The keyboard's selection, and whether it shows (the keyboard was used).
  // Saves without it start at the top left with no frame.
  int selectedColumn = 0, selectedRow = 0;
  int keyboardUsed = 0;
};

// "135" for the notes 1, 3 and 5; empty for none.
std::string NoteDigits(NoteSet notes);

// Numbers past what the reader takes are written at their limit, and the
// score's factors as the game's own state gives them.
std::string SavedGameText(const TSavedGame& game);
// The game in the text, or nothing with the reason in `why`. The history
// is replayed in full (see HistoryFault).
std::optional<TSavedGame> ReadSavedGame(const std::string& bytes, std::string& why);

// Writes the file in one step (never half a file); false when it failed.
bool WriteSavedGameFile(const TSavedGame& game, const std::string& path);

// How a game reads its saves: building a graded code's puzzle may take a
// while, so it can be stopped, and the puzzle of a save that passed is not
// built again when the same game's save is read once more (the start-up's
// offer, then "Continue").
struct TSaveCheck {
  logic::GradedProgress goOn;  // asked before every attempt; false stops the build
  std::string passed;          // code, givens and solution of the last save that passed
  bool stopped = false;        // the last read was stopped: nothing was taken or refused
};

// The saved game, or nothing: a missing file silently, an unusable one with
// one log line, kept aside as "<path>.bad". Beyond the text, the board must
// be the puzzle its level code gives. A stopped read (see TSaveCheck) keeps
// the file as it is.
std::optional<TSavedGame> LoadSavedGameFile(const std::string& path, TSaveCheck* check = nullptr);
// Whether a file is there to offer; it is checked in full when continued.
bool SavedGameFileExists(const std::string& path);
