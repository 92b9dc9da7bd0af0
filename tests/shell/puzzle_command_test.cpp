#include "shell/puzzle_command.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "engine/level_code.h"

namespace {

struct CommandRun {
  int status;
  std::string out, err;
};

CommandRun Command(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunPuzzleCommand(args, out, err);
  return {status, out.str(), err.str()};
}

std::string Field(const std::string& text, const std::string& name) {
  const size_t at = text.find(name + ": ");
  if (at == std::string::npos) return "";
  const size_t start = at + name.size() + 2;
  return text.substr(start, text.find('\n', start) - start);
}

void ExpectOneErrorLine(const CommandRun& run) {
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

TEST(PuzzleCommand, OtherArgumentsStartTheGame) {
  EXPECT_EQ(Command({}).status, -1);
  EXPECT_EQ(Command({"--windowed"}).status, -1);
  EXPECT_EQ(Command({"Generate"}).status, -1);
}

TEST(PuzzleCommand, CodesReadAndForm) {
  const CommandRun read = Command({"code", "4CCC7"});
  EXPECT_EQ(read.status, 0);
  EXPECT_EQ(read.out, "level: 3\nstones: 1\nseed: 4567\n");
  EXPECT_EQ(Command({"code", "--level", "3", "--stones", "1", "--seed", "4567"}).out, "4CCC7\n");
  ExpectOneErrorLine(Command({"code", "--level", "3", "--stones", "1", "--seed", "45678901"}));
  for (const char* invalid : {"", "1F", "63", "FFFFFFFF"}) ExpectOneErrorLine(Command({"code", invalid}));
  // A stone set outside 1 to 4 reads as set 1; letters in either case.
  EXPECT_EQ(Command({"code", "5F5E0FF"}).out, "level: 9\nstones: 1\nseed: 999999\n");
  EXPECT_EQ(Command({"code", "4ccc7"}).out, read.out);
}

TEST(PuzzleCommand, CodeWithAStoneSetOutOfRangeGeneratesWithSetOne) {
  for (int seed = 1;; ++seed) {
    const CommandRun set_one = Command({"generate", "--level", "9", "--seed", std::to_string(seed), "--rng-seed", "3"});
    if (set_one.status != 0) continue;
    // "97" + seed: level 9, stone set 7.
    const CommandRun run = Command({"generate", "--code", dez2hex(std::stoi("97" + std::to_string(seed))), "--rng-seed", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Field(run.out, "code"), FormLevelCode(9, 1, seed));
    EXPECT_EQ(run.out, set_one.out);
    break;
  }
}

TEST(PuzzleCommand, ACodeFixesTheWholeBoardAtEveryLevel) {
  // The general generator's seed must not reach the board: the set-up's
  // extra givens below level 6 come from the code too.
  for (int level = 1; level <= 9; ++level) {
    for (int seed = 1000 * level;; ++seed) {
      const std::string code = FormLevelCode(level, 2, seed);
      const CommandRun first = Command({"generate", "--code", code, "--rng-seed", "1", "--format", "line"});
      if (first.status != 0) continue;
      for (const char* rng : {"2", "77777"}) {
        const CommandRun again = Command({"generate", "--code", code, "--rng-seed", rng, "--format", "line"});
        ASSERT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(again.out, first.out) << "level " << level << " code " << code << " rng " << rng;
      }
      break;
    }
  }
}

TEST(PuzzleCommand, CountGivesDifferentPuzzles) {
  // One run goes on past the seeds it tried, so no puzzle comes twice.
  const CommandRun run = Command({"generate", "--level", "6", "--count", "12", "--format", "line", "--rng-seed", "5"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::set<std::string> puzzles;
  size_t lines = 0;
  for (size_t at = 0, end; (end = run.out.find('\n', at)) != std::string::npos; at = end + 1, ++lines)
    puzzles.insert(run.out.substr(at, end - at));
  EXPECT_EQ(lines, 12u);
  EXPECT_EQ(puzzles.size(), 12u);
}

TEST(PuzzleCommand, MalformedArgumentsAreRefused) {
  ExpectOneErrorLine(Command({"generate"}));
  ExpectOneErrorLine(Command({"generate", "--level", "0"}));
  ExpectOneErrorLine(Command({"generate", "--level", "3x"}));
  ExpectOneErrorLine(Command({"generate", "--level", "3", "--format", "xml"}));
  ExpectOneErrorLine(Command({"generate", "--level", "3", "--speed", "9"}));
  ExpectOneErrorLine(Command({"generate", "--level", "3", "--seed"}));
  ExpectOneErrorLine(Command({"generate", "--code", "4CCC7", "--level", "2"}));
  ExpectOneErrorLine(Command({"code", "--level", "3"}));
}

TEST(PuzzleCommand, HelpListsTheCommands) {
  const CommandRun help = Command({"generate", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("gridlet code --level L --stones N --seed S"), std::string::npos);
  EXPECT_EQ(help.out, PuzzleCommandHelp());
}

TEST(PuzzleCommand, FullFormatDescribesAConsistentPuzzle) {
  const CommandRun run = Command({"generate", "--level", "9", "--stones", "2", "--rng-seed", "17"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Field(run.out, "level"), "9");
  EXPECT_EQ(Field(run.out, "accepted-level"), "9");
  const std::string seed = Field(run.out, "seed");
  EXPECT_EQ(Field(run.out, "code"), FormLevelCode(9, 2, std::stoi(seed)));
  const auto parts = ReadLevelCode(Field(run.out, "code"));
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->seed, std::stoi(seed));
  const std::string generator = Field(run.out, "generator");
  const std::string puzzle = Field(run.out, "puzzle");
  const std::string solution = Field(run.out, "solution");
  ASSERT_EQ(generator.size(), 81u);
  ASSERT_EQ(puzzle.size(), 81u);
  ASSERT_EQ(solution.size(), 81u);
  EXPECT_EQ(solution.find('.'), std::string::npos);
  for (size_t i = 0; i < 81; ++i) {
    if (puzzle[i] != '.') {
      EXPECT_EQ(puzzle[i], solution[i]);
    }
    if (generator[i] != '.') {
      EXPECT_EQ(generator[i], solution[i]);
    }
  }
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "\n\n");
}

TEST(PuzzleCommand, LevelCodeGivesTheSameBoardWhateverTheClock) {
  // Find a code that yields a puzzle, then generate it with other seeds of
  // the general generator: on level 7 no hint is added, so all agree.
  std::string code, first;
  for (int seed = 1; code.empty(); ++seed) {
    const CommandRun run = Command({"generate", "--level", "7", "--seed", std::to_string(seed), "--rng-seed", "1"});
    if (run.status == 0) {
      code = Field(run.out, "code");
      first = Field(run.out, "puzzle");
    } else {
      ExpectOneErrorLine(run);
    }
  }
  const CommandRun again = Command({"generate", "--code", code, "--rng-seed", "99", "--format", "line", "--count", "2"});
  ASSERT_EQ(again.status, 0);
  EXPECT_EQ(again.out, first + "\n" + first + "\n");
}

}  // namespace
