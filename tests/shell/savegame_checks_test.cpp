// A saved game belongs to the puzzle its level code gives.
#include "shell/savegame_checks.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "../drawing/temp_dir.h"
#include "drawing/background_writer.h"
#include "drawing/messages.h"
#include "engine/graded_setup.h"
#include "engine/level_code.h"
#include "engine/puzzle_setup.h"

namespace {

// The game a level code starts, saved before the first move.
TSavedGame FreshSave(int level, int seed, const CodePuzzle& puzzle) {
  TSavedGame game;
  game.level = level;
  game.seed = seed;
  game.code = FormLevelCode(level, 1, seed);
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      game.cells[c][r] = PlayCell{puzzle.board[c][r][0], puzzle.board[c][r][1], 0};
      game.solution[c][r] = puzzle.solution[c][r];
    }
  return game;
}

TEST(SavedPuzzle, OnlyTheCodesOwnBoardBelongsToIt) {
  // Level 2 has givens revealed by the set-up, level 9 none.
  for (int level : {2, 9}) {
    int seed = 1000;
    std::optional<CodePuzzle> puzzle;
    while (!(puzzle = RegeneratePuzzle(level, seed))) ++seed;
    const TSavedGame genuine = FreshSave(level, seed, *puzzle);
    EXPECT_EQ(PuzzleFault(genuine), std::nullopt) << level;

    int gc = 0, gr = 0, pc = 0, pr = 0;
    for (int c = 0; c < 9; ++c)
      for (int r = 0; r < 9; ++r) {
        if (genuine.cells[c][r].state == kCellGiven) gc = c, gr = r;
        if (genuine.cells[c][r].state == kCellPlayer) pc = c, pr = r;
      }
    TSavedGame other_level = genuine;
    other_level.level = level == 9 ? 8 : 9;
    TSavedGame given_dropped = genuine;
    given_dropped.cells[gc][gr] = PlayCell{};
    TSavedGame given_added = genuine;
    given_added.cells[pc][pr] = PlayCell{genuine.solution[pc][pr], kCellGiven, 0};
    TSavedGame seed_zero = genuine;
    seed_zero.seed = 0;
    for (const TSavedGame* edited : {&other_level, &given_dropped, &given_added, &seed_zero})
      EXPECT_NE(PuzzleFault(*edited), std::nullopt) << level;
  }
}

TEST(SavedPuzzle, OnlyTheGradedCodesOwnBoardBelongsToIt) {
  const logic::GradedCode code{logic::Grade::kMedium, 0x51A7};
  const std::optional<CodePuzzle> puzzle = RegenerateGradedPuzzle(code);
  ASSERT_TRUE(puzzle);
  TSavedGame genuine = FreshSave(kGradedGameLevel, int(code.seed), *puzzle);
  genuine.graded = code;
  genuine.code = logic::FormGradedCode(code);
  EXPECT_EQ(PuzzleFault(genuine), std::nullopt);

  int gc = 0, gr = 0;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r)
      if (genuine.cells[c][r].state == kCellGiven) gc = c, gr = r;
  TSavedGame given_dropped = genuine;
  given_dropped.cells[gc][gr] = PlayCell{};
  // The level code of the same level and seed is another puzzle.
  TSavedGame as_level_game = genuine;
  as_level_game.graded.reset();
  TSavedGame other_seed = genuine;
  other_seed.graded->seed += 1;
  for (const TSavedGame* edited : {&given_dropped, &as_level_game, &other_seed})
    EXPECT_NE(PuzzleFault(*edited), std::nullopt);
}

// The save is the file a link leads to: a refused one is kept aside and a
// finished one removed there, and the link stays for the next save.
// Anything at the name that is no regular file is no save of ours: it is
// left where it is, with a log line.
TEST(SaveFileOnDisk, OnlyARegularFileIsSetAsideOrRemovedAndLinksStay) {
  namespace fs = std::filesystem;
  enum class Kind { kLink, kFolder, kFifo };
  for (const Kind kind : {Kind::kLink, Kind::kFolder, Kind::kFifo}) {
    TempDir dir;
    const std::string save = dir / "savegame.xml";
    const std::string target = dir / "kept/game.xml";
    fs::create_directories(dir / "kept");
    const auto make = [&] {
      if (kind == Kind::kLink) {
        std::ofstream(target) << "damaged";
        if (!fs::is_symlink(save)) fs::create_symlink("kept/game.xml", save);
      } else if (kind == Kind::kFolder) {
        fs::create_directories(save);
      } else if (!fs::exists(save)) {
        ASSERT_EQ(::mkfifo(save.c_str(), 0644), 0);
      }
    };
    const auto stillThere = [&](const char* when) {
      const fs::file_status status = fs::symlink_status(save);
      const bool same = kind == Kind::kLink     ? fs::is_symlink(status)
                        : kind == Kind::kFolder ? fs::is_directory(status)
                                                : fs::is_fifo(status);
      EXPECT_TRUE(same) << when << ": what stood at the name is gone (" << int(kind) << ")";
      EXPECT_FALSE(fs::exists(fs::symlink_status(save + ".bad"))) << when;
    };
    std::vector<std::string> log;
    drawing::SetPrintHook([&log](const std::string& line) { log.push_back(line); });
    const auto logged = [&log](const std::string& text) {
      for (const std::string& line : log)
        if (line.find(text) != std::string::npos) return true;
      return false;
    };

    make();
    EXPECT_FALSE(LoadSavedGameFile(save));
    stillThere("refused");
    if (kind == Kind::kLink) {
      EXPECT_FALSE(fs::exists(target)) << "the refused save stays where the link leads";
      std::ifstream kept(target + ".bad");
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "damaged");
    } else {
      EXPECT_TRUE(logged("not a regular file")) << int(kind);
    }

    log.clear();
    make();
    {
      drawing::BackgroundWriter writer;
      writer.Remove(save);
      writer.Flush();
    }
    stillThere("removed");
    if (kind == Kind::kLink) {
      EXPECT_FALSE(fs::exists(target)) << "a finished game's save stays behind the link";
    } else {
      EXPECT_TRUE(logged("not a regular file")) << int(kind);
    }
    drawing::SetPrintHook(nullptr);
  }
}

}  // namespace
