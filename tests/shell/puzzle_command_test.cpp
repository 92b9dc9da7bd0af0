#include "shell/puzzle_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
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
  // Formed only for a seed that gives a puzzle: 4567 gives none at level 3.
  EXPECT_EQ(Command({"code", "--level", "3", "--stones", "1", "--seed", "2149684"}).out, "129B06B4\n");
  ExpectOneErrorLine(Command({"code", "--level", "3", "--stones", "1", "--seed", "4567"}));
  ExpectOneErrorLine(Command({"code", "--level", "3", "--stones", "1", "--seed", "45678901"}));
  for (const char* invalid : {"", "1F", "63", "FFFFFFFF"}) ExpectOneErrorLine(Command({"code", invalid}));
  // A stone set outside 1 to 4 reads as set 1; letters in either case.
  EXPECT_EQ(Command({"code", "5F5E0FF"}).out, "level: 9\nstones: 1\nseed: 999999\n");
  EXPECT_EQ(Command({"code", "4ccc7"}).out, read.out);
}

TEST(PuzzleCommand, MistypedCodesAreRefusedAndCodesMadeAreCodesThatPlay) {
  for (const char* typo : {"H-3F2A9G", "Q-3F2A91", "H3F2A91", "FFFF247058E3"}) {
    ExpectOneErrorLine(Command({"code", typo}));
    ExpectOneErrorLine(Command({"generate", "--code", typo, "--format", "line"}));
  }
  // Blanks and a CR around a code are no part of it.
  EXPECT_EQ(Command({"code", " 4CCC7\r"}).out, "level: 3\nstones: 1\nseed: 4567\n");
  // A code is made only when generating from it gives a puzzle.
  const CommandRun made = Command({"code", "--level", "3", "--stones", "2", "--seed", "1234"});
  ExpectOneErrorLine(made);
  EXPECT_NE(made.err.find("no puzzle"), std::string::npos) << made.err;
  for (int seed = 1; seed < 40; ++seed) {
    const CommandRun code = Command({"code", "--level", "3", "--stones", "2", "--seed", std::to_string(seed)});
    const CommandRun generated = Command({"generate", "--level", "3", "--seed", std::to_string(seed), "--format", "line"});
    EXPECT_EQ(code.status, generated.status) << seed;
    if (code.status == 0) {
      const std::string text = code.out.substr(0, code.out.size() - 1);
      EXPECT_EQ(Command({"generate", "--code", text, "--format", "line"}).out, generated.out) << seed;
    } else {
      // No code was given, so none is spoken of.
      EXPECT_EQ(generated.err.find("code"), std::string::npos) << generated.err;
    }
  }
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

namespace {

CommandRun CommandWithInput(const std::vector<std::string>& args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunPuzzleCommand(args, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(LogicCommands, RateGoesOnPastMalformedLines) {
  const std::string easy = ".....31..81..9264.653.1..8..38925....6438.9.5..5.76.2....15..9..8..3756..71.4...2";
  const CommandRun run = CommandWithInput(
      {"rate"}, easy + "\n" + easy.substr(0, 80) + "\n" + std::string(81, '.') + "\n" + easy.substr(0, 80) + "x\r\n" +
                    easy + "\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "line 1: Easy 1.2 full_house=21 naked_single=20\nline 5: Easy 1.2 full_house=21 naked_single=20\n");
  EXPECT_EQ(run.err,
            "gridlet: line 2: a puzzle is 81 characters, not 80\n"
            "gridlet: line 3: the puzzle has more than one solution\n"
            "gridlet: line 4: a puzzle holds only 1 to 9 and \".\" or \"0\", not \"x\"\n");
}

TEST(LogicCommands, ExplainPrintsOneLinePerStepForPrograms) {
  const std::string easy = ".....31..81..9264.653.1..8..38925....6438.9.5..5.76.2....15..9..8..3756..71.4...2";
  const CommandRun steps = Command({"explain", easy, "--format", "steps"});
  EXPECT_EQ(steps.status, 0);
  EXPECT_EQ(steps.out.substr(steps.out.size() - 7), "solved\n");
  EXPECT_EQ(std::count(steps.out.begin(), steps.out.end(), '\n'), 41 + 1);  // one step per empty cell
  std::istringstream lines(steps.out);
  const std::regex step_line("[a-z0-9_]+( r[1-9]c[1-9][=-][1-9])+");
  for (std::string line; std::getline(lines, line) && line != "solved";) EXPECT_TRUE(std::regex_match(line, step_line)) << line;
  const CommandRun words = Command({"explain", easy});
  EXPECT_NE(words.out.find("1. Naked Single: "), std::string::npos) << words.out;
  const CommandRun hard = Command(
      {"explain", "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..", "--format", "steps"});
  EXPECT_EQ(hard.out.substr(hard.out.size() - 6), "stuck\n");
  ExpectOneErrorLine(Command({"explain", "12"}));
  ExpectOneErrorLine(Command({"explain", easy, "--format", "xml"}));
}

TEST(LogicCommands, GenerateGradedPuzzlesFromACode) {
  const CommandRun run = Command({"generate", "--grade", "hard", "--seed", "4242", "--count", "2"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Field(run.out, "code"), "H-1092");
  EXPECT_EQ(Field(run.out, "grade"), "Hard");
  const CommandRun again = Command({"generate", "--code", "h-1092", "--format", "line"});
  EXPECT_EQ(again.out, Field(run.out, "puzzle") + "\n");
  EXPECT_NE(run.out.find("code: H-1093"), std::string::npos);
  EXPECT_EQ(Command({"code", "H-1092"}).out, "grade: Hard\nseed: 4242\n");
  ExpectOneErrorLine(Command({"generate", "--grade", "tricky"}));
  ExpectOneErrorLine(Command({"generate", "--grade", "hard", "--level", "3"}));
  // A level puzzle's full form names its grade too.
  const CommandRun level = Command({"generate", "--level", "3", "--rng-seed", "5"});
  EXPECT_EQ(Field(level.out, "grade"), "Easy");
}

}  // namespace
