// The save file's text: what is written reads back the same, and damaged
// or hostile files are refused as a whole with a reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "engine/level_code.h"
#include "shell/savegame.h"
#include "support/text_util.h"

namespace {

constexpr char kSolution[] = "167954283243618975859723416716239854395846127482571639934187562621395748578462391";

// A game in progress: givens from a real solution, a player digit, notes,
// Mix It under way and a history of two steps with one undone.
TSavedGame SampleGame() {
  TSavedGame game;
  game.code = "247058E3";
  game.level = 6;
  game.stoneSet = 1;
  game.seed = 1342563;
  game.elapsed = 83250;
  game.stoneSetFactor = 1;  // the first stone set scores undivided
  game.showWrong = 1;
  for (int i = 0; i < 81; ++i) game.solution[i % 9][i / 9] = kSolution[i] - '0';
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r)
      if ((c + r) % 3 == 0) game.cells[c][r] = PlayCell{game.solution[c][r], kCellGiven, 0};
  game.cells[1][0] = PlayCell{0, kCellPlayer, NoteSet(NoteBit(1) | NoteBit(3) | NoteBit(5))};
  game.cells[2][0] = PlayCell{game.solution[2][0], kCellHint, 0};
  game.cells[4][0] = PlayCell{9, kCellPlayer, 0};
  game.mixIt = TSavedMixIt{1, 60000, 10, 23000, 1, 40, {}, {}};
  for (int i = 1; i <= 9; ++i) {
    game.mixIt.mapping[size_t(i)] = i;
    game.mixIt.preview[size_t(i)] = 10 - i;
  }
  game.stats = TSavedStats{2, 2, 4000, 12, 1, 1};
  PlayMove note;
  note.changes.push_back({1, 0, {}, {0, 0, NoteBit(7)}});
  PlayMove digit;
  digit.cycle = true;
  digit.changes.push_back({4, 0, {}, {9, 0, 0}});
  digit.changes.push_back({5, 0, {0, 0, NoteSet(NoteBit(9) | NoteBit(2))}, {0, 0, NoteBit(2)}});
  game.history = {note, digit};
  game.historyPosition = 1;
  return game;
}

void ExpectSame(const TSavedGame& a, const TSavedGame& b) {
  EXPECT_EQ(a.code, b.code);
  EXPECT_EQ(a.level, b.level);
  EXPECT_EQ(a.stoneSet, b.stoneSet);
  EXPECT_EQ(a.seed, b.seed);
  EXPECT_EQ(a.graded, b.graded);
  EXPECT_EQ(a.elapsed, b.elapsed);
  EXPECT_EQ(a.stoneSetFactor, b.stoneSetFactor);
  EXPECT_EQ(a.showWrong, b.showWrong);
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      EXPECT_EQ(a.cells[c][r], b.cells[c][r]) << c << "," << r;
      EXPECT_EQ(a.solution[c][r], b.solution[c][r]);
    }
  EXPECT_EQ(a.mixIt.active, b.mixIt.active);
  EXPECT_EQ(a.mixIt.interval, b.mixIt.interval);
  EXPECT_EQ(a.mixIt.multi, b.mixIt.multi);
  EXPECT_EQ(a.mixIt.untilNext, b.mixIt.untilNext);
  EXPECT_EQ(a.mixIt.sweepActive, b.mixIt.sweepActive);
  EXPECT_EQ(a.mixIt.sweepPosition, b.mixIt.sweepPosition);
  EXPECT_EQ(a.mixIt.mapping, b.mixIt.mapping);
  EXPECT_EQ(a.mixIt.preview, b.mixIt.preview);
  EXPECT_EQ(a.stats.givenHints, b.stats.givenHints);
  EXPECT_EQ(a.stats.usedTurns, b.stats.usedTurns);
  EXPECT_EQ(a.stats.longestTurn, b.stats.longestTurn);
  EXPECT_EQ(a.stats.averageTurn, b.stats.averageTurn);
  EXPECT_EQ(a.stats.usedUndos, b.stats.usedUndos);
  EXPECT_EQ(a.stats.turnClockStarted, b.stats.turnClockStarted);
  ASSERT_EQ(a.history.size(), b.history.size());
  EXPECT_EQ(a.historyPosition, b.historyPosition);
  EXPECT_EQ(a.selectedColumn, b.selectedColumn);
  EXPECT_EQ(a.selectedRow, b.selectedRow);
  EXPECT_EQ(a.keyboardUsed, b.keyboardUsed);
  for (size_t m = 0; m < a.history.size(); ++m) {
    EXPECT_EQ(a.history[m].cycle, b.history[m].cycle);
    ASSERT_EQ(a.history[m].changes.size(), b.history[m].changes.size());
    for (size_t i = 0; i < a.history[m].changes.size(); ++i) {
      const CellChange &x = a.history[m].changes[i], &y = b.history[m].changes[i];
      EXPECT_EQ(x.column, y.column);
      EXPECT_EQ(x.row, y.row);
      EXPECT_EQ(x.before, y.before);
      EXPECT_EQ(x.after, y.after);
    }
  }
}

// The sample's text with one piece replaced; the piece must be there.
std::string Altered(const std::string& from, const std::string& to) {
  const std::string text = SavedGameText(SampleGame());
  EXPECT_NE(text.find(from), std::string::npos) << from;
  return ReplaceAll(text, from, to);
}

TEST(SaveGameText, WritesTheAgreedShapeAndReadsBackEverything) {
  const TSavedGame game = SampleGame();
  const std::string text = SavedGameText(game);
  EXPECT_NE(text.find("<savegame version=\"1\" code=\"247058E3\" level=\"6\" elapsed=\"83250\">"), std::string::npos);
  EXPECT_NE(text.find("<cell col=\"1\" row=\"0\" digit=\"0\" state=\"0\" notes=\"135\"/>"), std::string::npos);
  EXPECT_NE(text.find("<cell col=\"2\" row=\"0\" digit=\"7\" state=\"2\" notes=\"\"/>"), std::string::npos);
  std::string why;
  const std::optional<TSavedGame> read = ReadSavedGame(text, why);
  ASSERT_TRUE(read) << why;
  ExpectSame(game, *read);
  EXPECT_EQ(SavedGameText(*read), text) << "a second write is byte for byte the first";

  // The keyboard's selection goes along; a save from before it had one reads
  // as a game played by mouse.
  TSavedGame keyed = game;
  keyed.selectedColumn = 7;
  keyed.selectedRow = 2;
  keyed.keyboardUsed = 1;
  const std::optional<TSavedGame> back = ReadSavedGame(SavedGameText(keyed), why);
  ASSERT_TRUE(back) << why;
  ExpectSame(keyed, *back);
  const std::string older = ReplaceAll(text, "<selection col=\"0\" row=\"0\" keyboard=\"0\"/>", "");
  ASSERT_NE(older, text);
  const std::optional<TSavedGame> old = ReadSavedGame(older, why);
  ASSERT_TRUE(old) << why;
  EXPECT_EQ(old->keyboardUsed, 0);
  EXPECT_EQ(old->selectedColumn, 0);
}

// The sample covers one shape of game; these are the other shapes a real
// game is saved in, each of which must come back whole.
TEST(SaveGameText, EveryShapeOfARunningGameReadsBack) {
  const struct {
    const char* what;
    void (*change)(TSavedGame&);
  } cases[] = {
      {"nothing undone", [](TSavedGame& g) { g.historyPosition = g.history.size(); }},
      {"everything undone", [](TSavedGame& g) { g.historyPosition = 0; }},
      {"no move yet", [](TSavedGame& g) {
         g.history.clear();
         g.historyPosition = 0;
       }},
      {"Mix It never used", [](TSavedGame& g) { g.mixIt = TSavedMixIt{}; }},
      {"Mix It chosen, no shuffle yet", [](TSavedGame& g) { g.mixIt.untilNext = 0; }},
      {"a graded game, its stone set apart from its code", [](TSavedGame& g) {
         g.graded = logic::GradedCode{logic::Grade::kHard, 0x3F2A91};
         g.code = "H-3F2A91";
         g.level = 9;
         g.seed = 0x3F2A91;
         g.stoneSet = 3;
       }},
      {"no hints, mistakes not shown", [](TSavedGame& g) {
         g.showWrong = 0;
         g.stats = TSavedStats{};
       }},
      {"the second stone set, which divides the score by 3", [](TSavedGame& g) {
         g.code = FormLevelCode(g.level, 2, g.seed);
         g.stoneSet = 2;
         g.stoneSetFactor = 3;
       }},
      {"Mix It switched off after a game with it", [](TSavedGame& g) {
         g.mixIt.active = 0;
         g.mixIt.interval = 120000;
         g.mixIt.multi = 1;
       }},
  };
  for (const auto& c : cases) {
    TSavedGame game = SampleGame();
    c.change(game);
    std::string why;
    const std::optional<TSavedGame> read = ReadSavedGame(SavedGameText(game), why);
    ASSERT_TRUE(read) << c.what << ": " << why;
    ExpectSame(game, *read);
  }
}

TEST(SaveGameText, NoteDigitsAreAscending) {
  EXPECT_EQ(NoteDigits(0), "");
  EXPECT_EQ(NoteDigits(kAllNotes), "123456789");
  EXPECT_EQ(NoteDigits(NoteSet(NoteBit(9) | NoteBit(2))), "29");
}

TEST(SaveGameText, DamagedAndHostileFilesAreRefusedWithAReason) {
  const std::string text = SavedGameText(SampleGame());
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"cut in the middle", text.substr(0, text.size() / 2)},
      {"cut before the history", text.substr(0, text.find("<history"))},
      {"another root", Altered("<savegame ", "<settings ")},
      {"wrong version", Altered("version=\"1\"", "version=\"2\"")},
      {"version no number", Altered("version=\"1\"", "version=\"1x\"")},
      {"level beside the code", Altered("level=\"6\"", "level=\"5\"")},
      {"code no code", Altered("code=\"247058E3\"", "code=\"12\"")},
      {"a graded code without its stone set", Altered("code=\"247058E3\" level=\"6\"", "code=\"H-3F2A91\" level=\"9\"")},
      {"a graded code below the top level",
       Altered("code=\"247058E3\" level=\"6\"", "code=\"H-3F2A91\" level=\"6\" stoneset=\"1\"")},
      {"negative time", Altered("elapsed=\"83250\"", "elapsed=\"-5\"")},
      {"time past the int range", Altered("elapsed=\"83250\"", "elapsed=\"99999999999\"")},
      {"column out of range", Altered("<cell col=\"8\" row=\"8\"", "<cell col=\"9\" row=\"8\"")},
      {"a cell twice", Altered("<cell col=\"8\" row=\"8\"", "<cell col=\"8\" row=\"7\"")},
      {"digit out of range", Altered("col=\"4\" row=\"0\" digit=\"9\"", "col=\"4\" row=\"0\" digit=\"10\"")},
      {"state out of range", Altered("col=\"4\" row=\"0\" digit=\"9\" state=\"0\"", "col=\"4\" row=\"0\" digit=\"9\" state=\"3\"")},
      {"notes unordered", Altered("notes=\"135\"", "notes=\"315\"")},
      {"a note twice", Altered("notes=\"135\"", "notes=\"1135\"")},
      {"an empty number", Altered("hints=\"2\"", "hints=\"\"")},
      {"an attribute twice", Altered("hints=\"2\"", "hints=\"2\" hints=\"3\"")},
      {"notes beside a digit", Altered("col=\"4\" row=\"0\" digit=\"9\" state=\"0\" notes=\"\"", "col=\"4\" row=\"0\" digit=\"9\" state=\"0\" notes=\"1\"")},
      {"a given off the solution", Altered("col=\"0\" row=\"0\" digit=\"1\"", "col=\"0\" row=\"0\" digit=\"2\"")},
      {"a hint off the solution", Altered("col=\"2\" row=\"0\" digit=\"7\"", "col=\"2\" row=\"0\" digit=\"8\"")},
      {"a broken solution", Altered(kSolution, std::string(81, '1'))},
      {"history position past its end", Altered("<history position=\"1\">", "<history position=\"3\">")},
      {"huge history position", Altered("<history position=\"1\">", "<history position=\"4294967297\">")},
      {"change off the board", Altered("<change col=\"5\"", "<change col=\"12\"")},
      {"change to a bad cell", Altered("after=\"9,0,\"", "after=\"9,7,\"")},
      {"mixit next past its interval", Altered("next=\"23000\"", "next=\"60001\"")},
      {"mapping symbol out of range", Altered("preview=\"9 8", "preview=\"99 8")},
      {"hints past what the sums hold", Altered("hints=\"2\"", "hints=\"1000000001\"")},
      {"time past twelve days", Altered("elapsed=\"83250\"", "elapsed=\"1036800001\"")},
      // Histories no player makes: a step on a given, a step that leaves
      // a hint or given behind, a step that takes a given's place.
      {"history step on a given", Altered("<change col=\"4\" row=\"0\"", "<change col=\"3\" row=\"0\"")},
      {"history step writing a hint", Altered("after=\"9,0,\"", "after=\"9,2,\"")},
      {"history step taking a given back", Altered("before=\"0,0,\" after=\"9,0,\"", "before=\"6,1,\" after=\"9,0,\"")},
      {"selection off the board", Altered("<selection col=\"0\"", "<selection col=\"9\"")},
  };
  for (const auto& c : cases) {
    std::string why;
    EXPECT_FALSE(ReadSavedGame(c.bytes, why)) << c.what;
    EXPECT_FALSE(why.empty()) << c.what;
  }
}

std::string SecondSetWithFactorOne() {
  TSavedGame game = SampleGame();
  game.code = FormLevelCode(game.level, 2, game.seed);
  game.stoneSet = 2;
  game.stoneSetFactor = 3;
  const std::string text = SavedGameText(game);
  EXPECT_NE(text.find("stonefactor=\"3\""), std::string::npos);
  return ReplaceAll(text, "stonefactor=\"3\"", "stonefactor=\"1\"");
}

TEST(SaveGameText, ScoreFactorsFollowTheGameNotTheFile) {
  // A hand-made factor must not score the game as another; a save an older
  // build wrote with a stale factor must still continue.
  const struct {
    const char* what;
    std::string bytes;
    int multi, stoneFactor;
  } cases[] = {
      {"stone set factor 2", Altered("stonefactor=\"1\"", "stonefactor=\"2\""), 10, 1},
      {"the second set's factor on the first set", Altered("stonefactor=\"1\"", "stonefactor=\"3\""), 10, 1},
      {"the first set's factor on the second set, as older replays wrote it", SecondSetWithFactorOne(), 10, 3},
      {"Mix It's multiplier with Mix It off", Altered("active=\"1\"", "active=\"0\""), 1, 1},
      {"a multiplier its interval does not give", Altered("multi=\"10\"", "multi=\"6\""), 10, 1},
  };
  for (const auto& c : cases) {
    std::string why;
    const std::optional<TSavedGame> read = ReadSavedGame(c.bytes, why);
    ASSERT_TRUE(read) << c.what << ": " << why;
    EXPECT_EQ(read->mixIt.multi, c.multi) << c.what;
    EXPECT_EQ(read->stoneSetFactor, c.stoneFactor) << c.what;
  }
}

TEST(SaveGameText, CountersAndHistoriesOfRealGamesRead) {
  // "Clear board" takes hint stones back, so a game may count far more
  // hints and turns than the board has cells; the clear is a step of the
  // history that removes a hint.
  TSavedGame game = SampleGame();
  game.stats.givenHints = 85;
  game.stats.usedTurns = 140;
  game.elapsed = 11 * 24 * 3600 * 1000;
  PlayMove clear;
  clear.changes.push_back({2, 0, game.cells[2][0], {}});
  clear.changes.push_back({4, 0, game.cells[4][0], {}});
  game.history.push_back(clear);
  std::string why;
  const std::optional<TSavedGame> read = ReadSavedGame(SavedGameText(game), why);
  ASSERT_TRUE(read) << why;
  ExpectSame(game, *read);
}

// A game open for weeks or played for ever holds numbers past what the
// reader takes; they are saved at the limit, so the save still reads.
TEST(SaveGameText, NumbersAtAndPastTheirLimitsAreSavedAsTheReaderTakesThem) {
  const struct {
    const char* what;
    int& (*at)(TSavedGame&);
    int limit;
  } fields[] = {
      {"elapsed", [](TSavedGame& g) -> int& { return g.elapsed; }, kSaveGameMaxElapsedMs},
      {"hints", [](TSavedGame& g) -> int& { return g.stats.givenHints; }, kSaveGameMaxCount},
      {"turns", [](TSavedGame& g) -> int& { return g.stats.usedTurns; }, kSaveGameMaxCount},
      {"undos", [](TSavedGame& g) -> int& { return g.stats.usedUndos; }, kSaveGameMaxCount},
      {"longest turn", [](TSavedGame& g) -> int& { return g.stats.longestTurn; }, INT_MAX},
      {"average turn", [](TSavedGame& g) -> int& { return g.stats.averageTurn; }, INT_MAX},
  };
  for (const auto& field : fields)
    for (const int value : {field.limit, field.limit == INT_MAX ? INT_MAX : field.limit + 1, INT_MAX, -1, INT_MIN}) {
      TSavedGame game = SampleGame();
      field.at(game) = value;
      std::string why;
      std::optional<TSavedGame> read = ReadSavedGame(SavedGameText(game), why);
      ASSERT_TRUE(read) << field.what << " " << value << ": " << why;
      EXPECT_EQ(field.at(*read), std::clamp(value, 0, field.limit)) << field.what << " " << value;
    }
}

TEST(SaveGameText, AFinishedBoardIsNoGameToContinue) {
  TSavedGame game = SampleGame();
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r)
      if (game.cells[c][r].state == kCellPlayer) game.cells[c][r] = PlayCell{game.solution[c][r], kCellPlayer, 0};
  std::string why;
  EXPECT_FALSE(ReadSavedGame(SavedGameText(game), why));
  EXPECT_EQ(why, "the game is finished");
}

TEST(SaveGameText, MoreMovesThanAnyGameMakesAreRefusedBeforeTheyAreKept) {
  std::string text = SavedGameText(SampleGame());
  std::string moves;
  for (size_t i = 0; i <= kSaveGameMaxMoves; ++i) moves += "<move cycle=\"0\"/>";
  text.insert(text.find("</history>"), moves);
  std::string why;
  EXPECT_FALSE(ReadSavedGame(text, why));
  EXPECT_EQ(why, "history too long");
  EXPECT_FALSE(ReadSavedGame(std::string(size_t(kSaveGameMaxBytes) + 1, ' '), why));
}

}  // namespace

// A value of a megabyte in any place the reason quotes makes a short log
// line, not a megabyte one.
TEST(SaveGameText, ReasonsQuoteOnlyTheStartOfAHugeValue) {
  const std::string huge(1 << 20, '7');
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"code", Altered("code=\"247058E3\"", "code=\"" + huge + "\"")},
      {"notes", Altered("notes=\"135\"", "notes=\"135" + huge + "\"")},
      {"history step", Altered("after=\"9,0,\"", "after=\"9,0," + huge + "\"")},
      {"text outside the root", "x" + std::string(1 << 20, 'y')},
  };
  for (const auto& c : cases) {
    std::string why;
    EXPECT_FALSE(ReadSavedGame(c.bytes, why)) << c.what;
    EXPECT_LE(why.size(), 160u) << c.what << ": " << why.substr(0, 300);
  }
}
