// The autosave of the game on the board and its return through "Continue".
#include <algorithm>

#include "engine/clock_math.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/game_code.h"
#include "shell/play_values.h"
#include "shell/savegame.h"
#include "shell/savegame_fields.h"
#include "shell/score_factors.h"
#include "shell/screen_widgets.h"

namespace {

int MsBetween(int from, int to) { return ClockDifference(to, from); }

// Slots 1 to n hold each of the symbols 1 to n once.
bool IsPermutation(const std::array<int, 15>& slots, int n) {
  bool seen[15] = {};
  for (int i = 1; i <= n; ++i) {
    const int symbol = slots[size_t(i)];
    if (symbol < 1 || symbol > n || seen[symbol]) return false;
    seen[symbol] = true;
  }
  return true;
}

}  // namespace

void TGame::SaveRunningGame() {
  std::optional<TSavedGame> game;
  if (Suspended.Active()) {
    game = Suspended.Save();
  } else if (Play.inProgress && GameFinished == 0) {
    game = RunningGameSave(drawing::MilliSecs());
  }
  if (!game) return;
  // Made into text and written on the writer's thread, which logs a
  // failure: the loop goes on without waiting for the disk.
  Saves.Write(kSaveGameFile, [game = std::move(*game)] { return SavedGameText(game); });
  Play.saveOffered = true;
}

TSavedGame TGame::RunningGameSave(int now) {
  TSavedGame game;
  game.level = Play.level;
  game.stoneSet = Play.stoneSet;
  game.seed = Play.seed;
  game.graded = Play.graded;
  game.code = FormGameCode(game.level, game.stoneSet, game.seed, game.graded);
  // Beyond the reader's twelve days the writer saves twelve days.
  game.elapsed = std::max(0, MsBetween(GameStartTime, now));
  for (const TSaveNumber& number : SaveNumbers())
    if (number.live) number.set(game, number.live(*this));
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      game.cells[c][r] = Play.board.Cell(c, r);
      game.solution[c][r] = PlayMaps.SolutionMap[c][r][0];
    }
  TSavedMixIt& mix = game.mixIt;
  mix.untilNext = MixItTimer == 0 ? 0 : std::clamp(MsBetween(now, MixItTimer), 0, std::max(MixItTime, 0));
  mix.mapping = ReplaceStones;
  mix.preview = ReplaceStonesPreview;
  game.stats.turnClockStarted = Sudoku->stats_lastturntime != 0;
  game.history = Play.board.History();
  game.historyPosition = Play.board.HistoryPosition();
  game.selectedColumn = Play.board.SelectedColumn();
  game.selectedRow = Play.board.SelectedRow();
  game.keyboardUsed = Play.keyboardUsed ? 1 : 0;
  return game;
}

void TGame::DropSavedGame() {
  Play.inProgress = false;
  Play.saveOffered = false;
  Saves.Remove(kSaveGameFile);
}

void TGame::OfferSavedGame() {
  Saves.Flush();
  Play.saveOffered = LoadSavedGameFile(kSaveGameFile, &SaveCheck).has_value();
}

bool TGame::ContinueSavedGame() {
  Saves.Flush();
  const std::optional<TSavedGame> saved = LoadSavedGameFile(kSaveGameFile, &SaveCheck);
  if (!saved) {
    // A check stopped as the program ends leaves the offer as it was.
    if (!SaveCheck.stopped) Play.saveOffered = false;
    return false;
  }
  const TSavedGame& game = *saved;
  const int now = drawing::MilliSecs();

  CurrentSkin->SetActiveStoneSkin(game.stoneSet);
  TStoneSkinPtr set = CurrentSkin->getActiveStoneSkin();
  if (!set || !set->Image) {
    CurrentSkin->SetActiveStoneSkin(1);
    set = CurrentSkin->getActiveStoneSkin();
  }
  MaxColors = set ? set->MaxColors : 0;
  StoneDisplaceX = set ? set->displaceX : 0;
  StoneDisplaceY = set ? set->displaceY : 0;
  // A set the theme lacks came back as set 1, which scores as set 1.
  StoneSetFactor = StoneSetFactorOf(CurrentSkin->ActiveStoneSkin);
  CurrentLevel = game.level;

  for (const TSaveNumber& number : SaveNumbers())
    if (number.live) number.live(*this) = number.get(game);
  TSudoku& sudoku = *Sudoku;
  sudoku.seed = game.seed;
  GameStartTime = ClockAdd(now, -game.elapsed);
  if (GameStartTime == 0) GameStartTime = ClockAdd(0, -1);  // 0 means no game; a millisecond is not worth it
  // The turn clock only ever holds the start time, once a hint set it.
  sudoku.stats_lastturntime = game.stats.turnClockStarted ? GameStartTime : 0;

  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const PlayCell& cell = game.cells[c][r];
      PlayMaps.Map[c][r][0] = cell.digit;
      PlayMaps.Map[c][r][1] = cell.state;
      PlayMaps.SolutionMap[c][r][0] = game.solution[c][r];
      PlayMaps.SolutionMap[c][r][1] = 1;
      // The board as set up: its givens.
      const bool given = cell.state == kCellGiven;
      PlayMaps.BackupMap[c][r][0] = given ? cell.digit : 0;
      PlayMaps.BackupMap[c][r][1] = given ? kCellGiven : 0;
    }
  Play.StartGame(game.level, CurrentSkin->ActiveStoneSkin, StoneSetFactor, game.seed, game.graded);
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) Play.board.SetNotes(c, r, game.cells[c][r].notes);
  Play.board.RestoreHistory(game.history, game.historyPosition);
  Play.board.Select(game.selectedColumn, game.selectedRow);
  Play.keyboardUsed = game.keyboardUsed != 0;

  const TSavedMixIt& mix = game.mixIt;
  MixItTimer = mix.untilNext == 0 ? 0 : LaterMs(now, mix.untilNext);
  const int symbols = std::clamp(MaxColors, 0, kSymbolSlots - 1);
  InitStones();
  // A mapping that does not fit the stone set shown now starts afresh.
  if (IsPermutation(mix.mapping, symbols) && IsPermutation(mix.preview, symbols)) {
    ReplaceStones = mix.mapping;
    ReplaceStonesPreview = mix.preview;
  } else {
    ReplaceStonesActive = 0;
    ReplaceStonesPosition = 0;
  }

  GameFinished = 0;
  GameScore = 0;
  if (ShowWrongTurns) Widgets.inGame[kShowWrong]->manualState = 1;
  Widgets.inGame[kShowWrong]->on = ShowWrongTurns;
  PickerOpen = 0;
  PickerColumn = PickerRow = -1;
  SetGameState(GAME_RUNNING);
  drawing::Print(std::string("continued ") + kSaveGameFile + ", level code " + drawing::LogValue(game.code));
  return true;
}
