// Keyboard play, the controls under the board, the autosave after moves and
// "Continue" bringing a game back exactly.
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>

#include "drawing/messages.h"

#include "game_fixture.h"
#include "shell/savegame.h"

namespace {

constexpr int kShift = drawing::KEY_LSHIFT, kControl = drawing::KEY_RCONTROL;

class PlayKeysTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    drawing::DeleteFile(kSaveGameFile);
    Game->Preferences = TPreferences{};
  }
  // A key pressed in one update and released in the next, with modifiers held.
  static void Key(int key, std::initializer_list<int> held = {}) {
    for (int h : held) drawing::Input().PressKey(h);
    drawing::Input().PressKey(key);
    Step();
    drawing::Input().ReleaseKey(key);
    for (int h : held) drawing::Input().ReleaseKey(h);
    Step(2);  // the key's state goes back to normal before it can be hit again
  }
  static TPlayBoard& Board() { return Game->Play.board; }
  // The save as the disk holds it once the background writer is done.
  static std::string SavedBytes() {
    Game->Saves.Flush();
    return FileBytes(kSaveGameFile);
  }
  static bool SaveOnDisk() {
    Game->Saves.Flush();
    return SavedGameFileExists(kSaveGameFile);
  }
  // Walks the selection to the cell with the arrow keys.
  static void SelectWithArrows(int column, int row) {
    while (Board().SelectedColumn() < column) Key(drawing::KEY_RIGHT);
    while (Board().SelectedColumn() > column) Key(drawing::KEY_LEFT);
    while (Board().SelectedRow() < row) Key(drawing::KEY_DOWN);
    while (Board().SelectedRow() > row) Key(drawing::KEY_UP);
  }
  // An empty player cell whose column and row both hold a given somewhere.
  static void EmptyCell(int& column, int& row) { ASSERT_TRUE(FindCell(0, column, row)); }
};

TEST_F(PlayKeysTest, ArrowsMoveTheSelectionFromTheTopLeftAndStopAtTheEdges) {
  StartLevelOne();
  EXPECT_EQ(Board().SelectedColumn(), 0);
  EXPECT_EQ(Board().SelectedRow(), 0);
  EXPECT_FALSE(Game->Play.keyboardUsed) << "no frame before the keyboard is used";
  Key(drawing::KEY_UP);
  Key(drawing::KEY_LEFT);
  EXPECT_EQ(Board().SelectedColumn(), 0);
  EXPECT_TRUE(Game->Play.keyboardUsed);
  for (int i = 0; i < 10; ++i) Key(drawing::KEY_RIGHT);
  Key(drawing::KEY_DOWN);
  EXPECT_EQ(Board().SelectedColumn(), 8);
  EXPECT_EQ(Board().SelectedRow(), 1);

  // Held, an arrow repeats after a pause.
  drawing::Input().PressKey(drawing::KEY_LEFT);
  Step(40);  // about 0.7 s
  drawing::Input().ReleaseKey(drawing::KEY_LEFT);
  Step();
  EXPECT_LE(Board().SelectedColumn(), 4);
  EXPECT_GE(Board().SelectedColumn(), 1);

  ClickCell(3, 6);
  EXPECT_EQ(Board().SelectedColumn(), 3) << "a click moves the selection too";
  EXPECT_EQ(Board().SelectedRow(), 6);
}

TEST_F(PlayKeysTest, DigitsEnterAndZeroDeleteAndBackspaceEmptyWhileGivensStay) {
  StartLevelOne();
  int c = 0, r = 0;
  EmptyCell(c, r);
  SelectWithArrows(c, r);
  Key('7');
  EXPECT_EQ(PlayMaps.Map[c][r][0], 7);
  Key('0');
  EXPECT_EQ(PlayMaps.Map[c][r][0], 0);
  Key(96 + 4);  // keypad 4
  EXPECT_EQ(PlayMaps.Map[c][r][0], 4);
  Key(drawing::KEY_DELETE);
  EXPECT_EQ(PlayMaps.Map[c][r][0], 0);
  Key('2');
  Key(drawing::KEY_BACKSPACE);
  EXPECT_EQ(PlayMaps.Map[c][r][0], 0);

  int gc = 0, gr = 0;
  ASSERT_TRUE(FindCell(1, gc, gr));
  const int given = PlayMaps.Map[gc][gr][0];
  SelectWithArrows(gc, gr);
  Key(given == 9 ? '1' : '9');
  Key(drawing::KEY_DELETE);
  EXPECT_EQ(PlayMaps.Map[gc][gr][0], given);
}

TEST_F(PlayKeysTest, EveryDigitOfTheMainRowAndTheKeypadEntersItsDigit) {
  StartLevelOne();
  int c = 0, r = 0;
  EmptyCell(c, r);
  SelectWithArrows(c, r);
  for (int d = 1; d <= 9; ++d)
    for (const int key : {'0' + d, drawing::KEY_NUM0 + d}) {
      Key(drawing::KEY_DELETE);
      Key(key);
      EXPECT_EQ(PlayMaps.Map[c][r][0], d) << "key " << key;
    }
}

TEST_F(PlayKeysTest, ShiftDigitAndNotesModeToggleNotesThatAPlacedDigitClearsInPeers) {
  StartLevelOne();
  // Two empty cells of one column; the first column with two will do, as
  // the puzzle is whichever the tests before left the generator at.
  int c = -1, r = -1, peerRow = -1;
  for (int column = 0; column < 9 && peerRow < 0; ++column) {
    r = -1;
    for (int row = 0; row < 9 && peerRow < 0; ++row) {
      if (PlayMaps.Map[column][row][0] != 0) continue;
      if (r < 0) {
        r = row;
      } else {
        peerRow = row;
      }
    }
    c = column;
  }
  ASSERT_GE(peerRow, 0);
  const int peerColumn = c;

  SelectWithArrows(peerColumn, peerRow);
  Key('5', {kShift});
  Key('6', {kShift});
  EXPECT_EQ(Board().Cell(peerColumn, peerRow).notes, NoteBit(5) | NoteBit(6));
  EXPECT_EQ(PlayMaps.Map[peerColumn][peerRow][0], 0);

  Key('N');
  EXPECT_TRUE(Board().notesMode);
  Key('6');
  EXPECT_EQ(Board().Cell(peerColumn, peerRow).notes, NoteBit(5));
  Key('N');
  EXPECT_FALSE(Board().notesMode);

  SelectWithArrows(c, r);
  Key('5');
  EXPECT_EQ(Board().Cell(peerColumn, peerRow).notes, 0) << "the 5 left its column peer";
  const std::string saved = SavedBytes();
  EXPECT_NE(saved.find("row=\"" + std::to_string(r) + "\" digit=\"5\""), std::string::npos);

  Game->Preferences.autoRemoveNotes = false;
  Key(drawing::KEY_DELETE);
  SelectWithArrows(peerColumn, peerRow);
  Key('5', {kShift});
  SelectWithArrows(c, r);
  Key('5');
  EXPECT_EQ(Board().Cell(peerColumn, peerRow).notes, NoteBit(5)) << "switched off, the notes stay";
}

TEST_F(PlayKeysTest, ControlZUndoesAndCountsAndControlYOrShiftZRedo) {
  StartLevelOne();
  int c = 0, r = 0;
  EmptyCell(c, r);
  SelectWithArrows(c, r);
  const int undos = Game->Sudoku->stats_usedundos;
  Key('3');
  Key('4');
  Key('Z', {kControl});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 3);
  EXPECT_EQ(Game->Sudoku->stats_usedundos, undos + 1);
  Key('Z', {kControl});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 0);
  Key('Y', {kControl});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 3);
  Key('Z', {kControl, kShift});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 4);
  EXPECT_EQ(Game->Sudoku->stats_usedundos, undos + 2);
  Key('Z');  // without Ctrl nothing is undone
  EXPECT_EQ(PlayMaps.Map[c][r][0], 4);
}

// A counter at its limit stays there, so the next save still reads back.
TEST_F(PlayKeysTest, CountersStopAtTheirLimitAndTheSaveStillReads) {
  const struct {
    const char* what;
    int TSudoku::*counter;
    std::function<void()> move;
  } cases[] = {
      {"Ctrl+Z", &TSudoku::stats_usedundos, [] { Key('Z', {kControl}); }},
      {"the hint button's hint", &TSudoku::stats_givenhints, [] { Click(*Widgets.inGame[kHint]); }},
      {"the hint button's turn", &TSudoku::stats_usedturns, [] { Click(*Widgets.inGame[kHint]); }},
      {"an explanation", &TSudoku::stats_givenhints, [] { Key('H'); }},
  };
  for (const auto& c : cases) {
    StartLevelOne();
    int column = 0, row = 0;
    EmptyCell(column, row);
    SelectWithArrows(column, row);
    Key('3');  // a step to undo
    TSudoku& sudoku = *Game->Sudoku;
    sudoku.*c.counter = kSaveGameMaxCount;
    c.move();
    EXPECT_EQ(sudoku.*c.counter, kSaveGameMaxCount) << c.what;
    std::string why;
    EXPECT_TRUE(ReadSavedGame(SavedBytes(), why)) << c.what << ": " << why;
  }
}

// Typing tools and remote desktops send a shortcut all at once; when an
// update falls between the modifier's press and the key's, the modifier is
// up again before the update that sees the key.
TEST_F(PlayKeysTest, ShortcutsSentAtOnceKeepTheirModifiers) {
  StartLevelOne();
  int c = 0, r = 0;
  EmptyCell(c, r);
  SelectWithArrows(c, r);
  auto burst = [](int key, std::initializer_list<int> held) {
    for (int h : held) drawing::Input().PressKey(h);
    Step();
    drawing::Input().PressKey(key);
    drawing::Input().ReleaseKey(key);
    for (int h : held) drawing::Input().ReleaseKey(h);
    Step(3);
  };
  burst('6', {kShift});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 0) << "Shift + digit is a note, not a digit";
  EXPECT_EQ(Board().Cell(c, r).notes, NoteBit(6));
  burst('5', {});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 5);
  burst('Z', {kControl});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 0);
  burst('Y', {kControl});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 5);
  burst('Z', {kControl});
  burst('Z', {kControl, kShift});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 5) << "Ctrl+Shift+Z redoes";
  burst('Z', {});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 5) << "a Z pressed after Ctrl went up is no undo";
}

TEST_F(PlayKeysTest, MouseClicksAndTheControlsUnderTheBoardAreStepsToo) {
  StartLevelOne();
  int c = 0, r = 0;
  EmptyCell(c, r);
  ClickCell(c, r);
  ClickCell(c, r);
  EXPECT_EQ(PlayMaps.Map[c][r][0], 2);
  TPlaySession& play = Game->Play;
  Click(*play.tools[kToolUndo]);
  EXPECT_EQ(PlayMaps.Map[c][r][0], 0) << "two clicks on one cell are one step";
  Click(*play.tools[kToolRedo]);
  EXPECT_EQ(PlayMaps.Map[c][r][0], 2);

  Click(*play.tools[kToolFillNotes]);
  int e = 0, f = 0;
  EmptyCell(e, f);
  EXPECT_EQ(Board().Cell(e, f).notes, Board().Candidates(e, f));
  Click(*play.tools[kToolClearNotes]);
  EXPECT_EQ(Board().Cell(e, f).notes, 0);

  // Notes mode from its button: a picker choice toggles a note and the
  // picker stays open for more.
  Click(*play.tools[kToolNotesMode]);
  EXPECT_TRUE(Board().notesMode);
  EXPECT_EQ(play.tools[kToolNotesMode]->on, 1);
  ClickCell(e, f, 2);
  ASSERT_EQ(PickerOpen, 1);
  Click(PickerX + 20 + 55 + 25, PickerY + 20 + 25);  // digit 2
  EXPECT_EQ(Board().Cell(e, f).notes, NoteBit(2));
  EXPECT_EQ(PlayMaps.Map[e][f][0], 0);
  EXPECT_EQ(PickerOpen, 1);
  Click(*Widgets.closePicker);
  Click(*play.tools[kToolNotesMode]);
  EXPECT_FALSE(Board().notesMode);
}

TEST_F(PlayKeysTest, EveryMoveIsSavedAndSolvingOrANewGameTakesTheSaveAway) {
  StartLevelOne();
  EXPECT_FALSE(SaveOnDisk()) << "a new game starts without a save";
  int c = 0, r = 0;
  EmptyCell(c, r);
  SelectWithArrows(c, r);
  Key('8', {kShift});
  std::string why;
  std::optional<TSavedGame> saved = ReadSavedGame(SavedBytes(), why);
  ASSERT_TRUE(saved) << why;
  EXPECT_EQ(saved->cells[c][r].notes, NoteBit(8));
  EXPECT_EQ(saved->history.size(), 1u);
  EXPECT_TRUE(Game->Play.saveOffered);

  Click(*Widgets.inGame[kSolve]);
  EXPECT_EQ(GameFinished, 1);
  EXPECT_FALSE(SaveOnDisk());
  EXPECT_FALSE(Game->Play.saveOffered);

  StartLevelOne();
  EmptyCell(c, r);
  SelectWithArrows(c, r);
  Key('9');
  EXPECT_TRUE(SaveOnDisk());
  StartLevelOne();
  EXPECT_FALSE(SaveOnDisk());
}

TEST_F(PlayKeysTest, TheGameMenuOpenOverAGameDoesNotChangeWhatIsSaved) {
  StartLevelOne();
  const int seed = Game->Sudoku->seed;
  int c = 0, r = 0;
  EmptyCell(c, r);
  ClickCell(c, r);
  Click(*Widgets.inGame[kNewGame]);
  ASSERT_EQ(GameState, GAME_GAMEMENU);
  Widgets.difficulty->actvalue = 5;
  Click(*Widgets.stoneSets[1]);
  ASSERT_EQ(CurrentLevel, 6);
  ASSERT_EQ(StoneSetFactor, 3);
  Game->SaveRunningGame();  // as closing the program does here
  std::string why;
  const std::optional<TSavedGame> saved = ReadSavedGame(SavedBytes(), why);
  ASSERT_TRUE(saved) << why;
  EXPECT_EQ(saved->level, 1);
  EXPECT_EQ(saved->stoneSet, 1);
  EXPECT_EQ(saved->stoneSetFactor, 1);
  EXPECT_EQ(saved->seed, seed);
  EXPECT_EQ(saved->cells[c][r].digit, 1);
}

TEST_F(PlayKeysTest, ContinueBringsBackBoardNotesHistoryAndTheClock) {
  StartLevelOne();
  int c = 0, r = 0;
  Click(*Widgets.inGame[kHint]);
  EmptyCell(c, r);
  SelectWithArrows(c, r);
  Key('4', {kShift});
  // A second empty cell for the digits.
  int dc = -1, dr = -1;
  for (int i = 80; i >= 0 && dc < 0; --i)
    if (PlayMaps.Map[i / 9][i % 9][0] == 0 && (i / 9 != c || i % 9 != r)) dc = i / 9, dr = i % 9;
  SelectWithArrows(dc, dr);
  Key('1');
  Key('2');
  Key('Z', {kControl});
  Step(600);  // ten seconds of play
  const int elapsed = GameClock::now - GameStartTime;
  MapGrid map;
  std::memcpy(map, PlayMaps.Map, sizeof(map));
  const int level = CurrentLevel, seed = Game->Sudoku->seed, hints = Game->Sudoku->stats_givenhints;
  const size_t position = Board().HistoryPosition();
  Click(*Widgets.inGame[kQuitToMenu]);
  ASSERT_EQ(GameState, GAME_STARTMENU);
  Step();
  EXPECT_EQ(Game->Play.continueButton->enabled, 1);

  // Another game's board in between, an hour later.
  std::memset(PlayMaps.Map, 0, sizeof(PlayMaps.Map));
  Game->Sudoku->stats_givenhints = 0;
  GameClock::now += 3600000;
  Click(*Game->Play.continueButton);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(std::memcmp(map, PlayMaps.Map, sizeof(map)), 0);
  EXPECT_EQ(Board().Cell(c, r).notes, NoteBit(4));
  EXPECT_EQ(CurrentLevel, level);
  EXPECT_EQ(Game->Sudoku->seed, seed);
  EXPECT_EQ(Game->Sudoku->stats_givenhints, hints);
  EXPECT_EQ(Board().HistoryPosition(), position);
  EXPECT_TRUE(Board().CanRedo());
  EXPECT_NEAR(GameClock::now - GameStartTime, elapsed, 200) << "the clock goes on from the saved time";
  EXPECT_EQ(Board().SelectedColumn(), dc) << "the keyboard's selection comes back where it was";
  EXPECT_EQ(Board().SelectedRow(), dr);
  EXPECT_TRUE(Game->Play.keyboardUsed) << "and stays visible";

  SelectWithArrows(dc, dr);
  Key('Y', {kControl});
  EXPECT_EQ(PlayMaps.Map[dc][dr][0], 2) << "the step undone before quitting can be made again";
}

// A disk that takes seconds to sync must not hold up the play screen:
// moves keep coming while the first save waits, and Continue waits for the
// last one.
TEST_F(PlayKeysTest, MovesNeverWaitForTheDiskAndContinueTakesTheLatestSave) {
  std::mutex mutex;
  std::condition_variable opened;
  bool open = false;
  int syncs = 0;
  drawing::DurableFileOps stuck = drawing::DurableFileOps::System();
  stuck.sync = [&](int fd) {
    std::unique_lock lock(mutex);
    ++syncs;
    opened.wait_for(lock, std::chrono::seconds(4), [&open] { return open; });
    return ::fsync(fd);
  };
  Game->Saves.UseFileOps(stuck);
  const auto unstick = [&] {
    {
      std::lock_guard lock(mutex);
      open = true;
    }
    opened.notify_all();
  };
  // However the test ends, the writer is done with this frame's locals before they go.
  struct Finally {
    std::function<void()> run;
    ~Finally() { run(); }
  } const done{[&] {
    unstick();
    Game->Saves.Flush();
    Game->Saves.UseFileOps(drawing::DurableFileOps::System());
  }};
  StartLevelOne();
  int c = 0, r = 0;
  EmptyCell(c, r);
  SelectWithArrows(c, r);
  const auto start = std::chrono::steady_clock::now();
  for (const int digit : {'3', '4', '5', '6'}) Key(digit);
  const auto moving = std::chrono::steady_clock::now() - start;
  unstick();
  EXPECT_LT(moving, std::chrono::seconds(2)) << "four moves waited for the disk";

  Click(*Widgets.inGame[kQuitToMenu]);
  ASSERT_EQ(GameState, GAME_STARTMENU);
  Click(*Game->Play.continueButton);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(PlayMaps.Map[c][r][0], 6) << "Continue read the save of the last move";
  EXPECT_LE(syncs, 3 * 2) << "saves that were overtaken while waiting were still written";
}

TEST_F(PlayKeysTest, ContinueWithNothingUndoneBringsBackTheWholeHistory) {
  StartLevelOne();
  ASSERT_EQ(Game->MixItActivated, 0);
  int c = 0, r = 0;
  EmptyCell(c, r);
  SelectWithArrows(c, r);
  Key('6');
  ClickCell(c, r);  // a click after a typed digit is a step of its own
  int nc = -1, nr = -1;
  for (int i = 80; i >= 0 && nc < 0; --i)
    if (PlayMaps.Map[i / 9][i % 9][0] == 0) nc = i / 9, nr = i % 9;
  SelectWithArrows(nc, nr);
  Key('3', {kShift});
  ASSERT_EQ(Board().HistoryPosition(), 3u);
  ASSERT_FALSE(Board().CanRedo());
  Click(*Widgets.inGame[kQuitToMenu]);
  ASSERT_EQ(GameState, GAME_STARTMENU);

  Click(*Game->Play.continueButton);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(Board().History().size(), 3u);
  EXPECT_EQ(Board().HistoryPosition(), 3u);
  EXPECT_EQ(PlayMaps.Map[c][r][0], 7);
  EXPECT_EQ(Board().Cell(nc, nr).notes, NoteBit(3));
  Key('Z', {kControl});
  EXPECT_EQ(Board().Cell(nc, nr).notes, 0);
  EXPECT_EQ(PlayMaps.Map[c][r][0], 7) << "the note came off first";
  Key('Z', {kControl});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 6);
  Key('Z', {kControl});
  EXPECT_EQ(PlayMaps.Map[c][r][0], 0);
  EXPECT_FALSE(Board().CanUndo());
}

TEST_F(PlayKeysTest, ADamagedSaveIsNotOfferedAndLeavesTheOtherFilesAlone) {
  const std::string highscores = FileBytes("highscore.dat");
  const std::string settings = FileBytes("settings.xml");
  std::vector<std::string> log;
  drawing::SetPrintHook([&log](const std::string& line) { log.push_back(line); });
  for (const std::string& bytes : {std::string("<savegame version=\"1\""), std::string("\x01\x02garbage"),
                                   std::string("<savegame version=\"9\"/>")}) {
    drawing::WriteFileAtomically(kSaveGameFile, bytes);
    log.clear();
    Game->OfferSavedGame();
    EXPECT_FALSE(Game->Play.saveOffered);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("savegame.xml ignored: ", 0), 0u) << log[0];
    // The refused file is the player's all the same: kept aside, never lost
    // to the next new game.
    EXPECT_EQ(FileBytes("savegame.xml.bad"), bytes);
    EXPECT_FALSE(Game->ContinueSavedGame());
    EXPECT_EQ(GameState, GAME_STARTMENU);
  }
  // Not a file at all.
  drawing::DeleteFile(kSaveGameFile);
  std::filesystem::create_directory(kSaveGameFile);
  log.clear();
  Game->OfferSavedGame();
  EXPECT_FALSE(Game->Play.saveOffered);
  EXPECT_EQ(log.size(), 1u);
  std::filesystem::remove(kSaveGameFile);
  drawing::SetPrintHook(nullptr);
  EXPECT_EQ(FileBytes("highscore.dat"), highscores);
  EXPECT_EQ(FileBytes("settings.xml"), settings);
  Step();
  EXPECT_EQ(Game->Play.continueButton->enabled, 0);
}

}  // namespace

TEST_F(PlayKeysTest, TheSelectionStaysVisibleAfterMouseClicksOnceTheKeyboardWasUsed) {
  StartLevelOne();
  Key(drawing::KEY_RIGHT);
  ASSERT_TRUE(Game->Play.keyboardUsed);
  int c = 0, r = 0;
  EmptyCell(c, r);
  ClickCell(c, r);  // a digit by mouse
  EXPECT_TRUE(Game->Play.keyboardUsed);
  EXPECT_EQ(Board().SelectedColumn(), c) << "the frame follows the click";
  EXPECT_EQ(Board().SelectedRow(), r);
  Click(*Game->Play.tools[kToolFillNotes]);
  Click(*Widgets.inGame[kHint]);
  EXPECT_TRUE(Game->Play.keyboardUsed);

  // Quit to the menu without another move, then "Continue".
  Key(drawing::KEY_DOWN);
  const int column = Board().SelectedColumn(), row = Board().SelectedRow();
  Click(*Widgets.inGame[kQuitToMenu]);
  Step();
  Click(*Game->Play.continueButton);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_TRUE(Game->Play.keyboardUsed);
  EXPECT_EQ(Board().SelectedColumn(), column);
  EXPECT_EQ(Board().SelectedRow(), row);

  // A game played by mouse alone still comes back without a frame.
  StartLevelOne();
  ClickCell(c, r);
  Click(*Widgets.inGame[kQuitToMenu]);
  Step();
  Click(*Game->Play.continueButton);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_FALSE(Game->Play.keyboardUsed);
}
