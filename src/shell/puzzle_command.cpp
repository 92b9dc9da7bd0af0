#include "shell/puzzle_command.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "engine/graded_puzzle.h"
#include "engine/level_code.h"
#include "engine/puzzle_setup.h"
#include "engine/random.h"
#include "engine/sudoku_host.h"
#include "engine/twister.h"
#include "shell/logic_command.h"
#include "support/text_util.h"

namespace {

// A malformed or refused argument; its text is the error line.
struct UsageError {
  std::string message;
};

int ParseInt(const std::string& option, const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end)
    throw UsageError{option + " needs a whole number, not \"" + text + "\""};
  return value;
}

int ParseInRange(const std::string& option, const std::string& text, int low, int high) {
  const int value = ParseInt(option, text);
  if (value < low || value > high)
    throw UsageError{option + " must be from " + std::to_string(low) + " to " + std::to_string(high)};
  return value;
}

// Options of the form "--name value"; positional words are kept apart.
struct ParsedArgs {
  std::map<std::string, std::string> options;
  std::vector<std::string> words;
};

ParsedArgs Parse(const std::vector<std::string>& args, const std::vector<std::string>& allowed) {
  ParsedArgs parsed;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      parsed.words.push_back(arg);
      continue;
    }
    bool known = false;
    for (const std::string& name : allowed) known = known || name == arg;
    if (!known) throw UsageError{"unknown option " + arg + " for " + args[0]};
    if (i + 1 >= args.size()) throw UsageError{arg + " needs a value"};
    if (parsed.options.count(arg)) throw UsageError{arg + " is given twice"};
    parsed.options[arg] = args[++i];
  }
  return parsed;
}

std::string BoardLine(const Board& board) {
  std::string line;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) line.push_back(board[x][y] ? static_cast<char>('0' + board[x][y]) : '.');
  return line;
}

Board MapLayer0(const int (&map)[9][9][2]) {
  Board board{};
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) board[x][y] = static_cast<uint8_t>(map[x][y][0]);
  return board;
}

struct GenerateRequest {
  int level = 0;
  int seed = 0;
  int stones = 1;
  bool from_code = false;
  std::optional<int> rng_seed;
  int count = 1;
  bool line_format = false;
};

// Puts back the general generator, the puzzle stream and the engine's host
// when a command ends, so a game started later in the same process (the
// tests run both) draws exactly as a freshly started game.
class KeptEngineState {
 public:
  KeptEngineState() : rnd_(RndState()), twister_(PuzzleTwister()), host_(SwapSudokuHost(nullptr)) {}
  ~KeptEngineState() {
    SetSudokuHost(std::move(host_));
    SetRndState(rnd_);
    PuzzleTwister() = twister_;
  }
  KeptEngineState(const KeptEngineState&) = delete;
  KeptEngineState& operator=(const KeptEngineState&) = delete;

 private:
  int32_t rnd_;
  MersenneTwister twister_;
  std::shared_ptr<TSudokuHost> host_;
};

// Every attempt of a fixed seed places the same digits, so one attempt
// tells whether the seed ever gives a puzzle.
std::string NoPuzzleFromSeed(int level, int seed) {
  return "seed " + std::to_string(seed) + " gives no puzzle at level " + std::to_string(level) +
         ": its digits never make one this level accepts";
}

int Generate(const GenerateRequest& request, std::ostream& out, std::ostream& err) {
  const KeptEngineState kept;
  // As at start-up: the game's engine draws its level jitter from the
  // general generator's initial state, then the generator is seeded.
  SetRndState(kRndInitialState);
  auto host = std::make_shared<TDefaultSudokuHost>();
  SetSudokuHost(host);
  SeedRnd(request.rng_seed ? *request.rng_seed : host->MilliSecs());

  int status = 0;
  for (int n = 0; n < request.count; ++n) {
    const PuzzleSetup setup = CreatePuzzle(request.level, request.seed);
    if (setup.status == GenerationStatus::kImpossible) {
      if (request.from_code) {
        err << "gridlet: this level code is not valid: no attempt can ever give a puzzle for it\n";
      } else {
        err << "gridlet: " << NoPuzzleFromSeed(request.level, request.seed) << '\n';
      }
      status = 1;
      break;
    }
    if (setup.status != GenerationStatus::kAccepted) {
      err << "gridlet: no puzzle found within " << host->GameSudoku().maxtries << " attempts\n";
      status = 1;
      break;
    }
    const std::string puzzle = BoardLine(MapLayer0(host->maps.Map));
    if (request.line_format) {
      out << puzzle << '\n';
      continue;
    }
    const bool readable = LevelCodeRoundTrips(request.level, request.stones, setup.seed);
    out << "level: " << request.level << '\n'
        << "accepted-level: " << setup.accepted_level << '\n'
        << "seed: " << setup.seed << '\n'
        << "tries: " << setup.tries << '\n'
        << "code: " << (readable ? FormLevelCode(request.level, request.stones, setup.seed) : "-") << '\n'
        << "generator: " << BoardLine(setup.generated) << '\n'
        << "puzzle: " << puzzle << '\n';
    const RatedLine rated = RateLine(puzzle);
    if (rated.rating)
      out << "grade: " << logic::GradeName(rated.rating->grade) << '\n' << "rating: " << RatingLine(*rated.rating) << '\n';
    out << "solution: " << BoardLine(MapLayer0(host->maps.SolutionMap)) << "\n\n";
  }
  out.flush();
  return status;
}

LevelCodeParts ReadCodeOrThrow(const std::string& code) {
  const auto parts = ReadLevelCode(TrimBlanks(code));
  if (!parts) throw UsageError{"\"" + code + "\" is no level code"};
  return *parts;
}

std::optional<logic::GradedCode> ReadGradedCodeText(const std::string& code) {
  return logic::ReadGradedCode(TrimBlanks(code));
}

bool LineFormat(const std::map<std::string, std::string>& o) {
  if (!o.count("--format")) return false;
  const std::string& format = o.at("--format");
  if (format != "full" && format != "line") throw UsageError{"--format must be full or line"};
  return format == "line";
}

// "--grade G [--seed S]" or a graded code: seeds count on from the first.
int GenerateGradedCommand(const std::map<std::string, std::string>& o, std::ostream& out, std::ostream& err) {
  for (const char* clash : {"--level", "--stones", "--rng-seed"})
    if (o.count(clash)) throw UsageError{std::string("graded puzzles take no ") + clash};
  logic::GradedCode code;
  if (o.count("--code")) {
    if (o.count("--grade") || o.count("--seed")) throw UsageError{"--code cannot be combined with --grade or --seed"};
    code = *ReadGradedCodeText(o.at("--code"));
  } else {
    const auto grade = logic::ReadGradeName(o.at("--grade"));
    if (!grade) throw UsageError{"--grade must be easy, medium, hard, expert or extreme"};
    code.grade = *grade;
    if (o.count("--seed")) {
      code.seed = static_cast<uint32_t>(ParseInRange("--seed", o.at("--seed"), 1, 2147483647));
    } else {
      TDefaultSudokuHost host;
      code.seed = static_cast<uint32_t>(host.MilliSecs()) % 0x7FFFFFFFu + 1;
    }
  }
  const int count = o.count("--count") ? ParseInRange("--count", o.at("--count"), 1, 1000000) : 1;
  return GenerateGraded(code, count, LineFormat(o), out, err);
}

int GenerateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArgs parsed =
      Parse(args, {"--level", "--seed", "--stones", "--rng-seed", "--count", "--format", "--code", "--grade"});
  if (!parsed.words.empty()) throw UsageError{"unexpected argument \"" + parsed.words[0] + "\""};
  const auto& o = parsed.options;
  if (o.count("--grade") || (o.count("--code") && ReadGradedCodeText(o.at("--code"))))
    return GenerateGradedCommand(o, out, err);
  GenerateRequest request;
  if (o.count("--code")) {
    for (const char* clash : {"--level", "--seed", "--stones"})
      if (o.count(clash)) throw UsageError{std::string("--code cannot be combined with ") + clash};
    const LevelCodeParts parts = ReadCodeOrThrow(o.at("--code"));
    request.level = parts.level;
    request.stones = parts.stone_set;
    request.seed = parts.seed;
    request.from_code = true;
  } else {
    if (!o.count("--level")) throw UsageError{"generate needs --level or --code"};
    request.level = ParseInRange("--level", o.at("--level"), 1, 9);
    if (o.count("--seed")) request.seed = ParseInRange("--seed", o.at("--seed"), 0, 2147483647);
    if (o.count("--stones")) request.stones = ParseInRange("--stones", o.at("--stones"), 1, 4);
  }
  if (o.count("--rng-seed")) request.rng_seed = ParseInt("--rng-seed", o.at("--rng-seed"));
  if (o.count("--count")) request.count = ParseInRange("--count", o.at("--count"), 1, 1000000);
  request.line_format = LineFormat(o);
  return Generate(request, out, err);
}

int CodeCommand(const std::vector<std::string>& args, std::ostream& out) {
  const ParsedArgs parsed = Parse(args, {"--level", "--stones", "--seed"});
  const auto& o = parsed.options;
  if (parsed.words.size() == 1 && o.empty()) {
    if (const auto graded = ReadGradedCodeText(parsed.words[0])) {
      out << "grade: " << logic::GradeName(graded->grade) << "\nseed: " << graded->seed << '\n';
      return 0;
    }
    const LevelCodeParts parts = ReadCodeOrThrow(parsed.words[0]);
    out << "level: " << parts.level << "\nstones: " << parts.stone_set << "\nseed: " << parts.seed << '\n';
    return 0;
  }
  if (!parsed.words.empty() || !o.count("--level") || !o.count("--stones") || !o.count("--seed"))
    throw UsageError{"code needs either CODE or all of --level, --stones and --seed"};
  const int level = ParseInRange("--level", o.at("--level"), 1, 9);
  const int stones = ParseInRange("--stones", o.at("--stones"), 1, 4);
  const int seed = ParseInRange("--seed", o.at("--seed"), 0, 2147483647);
  if (!LevelCodeRoundTrips(level, stones, seed))
    throw UsageError{"seed " + std::to_string(seed) + " is too long: its level code would not read back"};
  // A code is a promise of a puzzle: "generate --code" must be able to keep it.
  if (!RegeneratePuzzle(level, seed)) throw UsageError{NoPuzzleFromSeed(level, seed) + ", so it has no code"};
  out << FormLevelCode(level, stones, seed) << '\n';
  return 0;
}

int ExplainArgs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArgs parsed = Parse(args, {"--format"});
  if (parsed.words.size() != 1) throw UsageError{"explain needs one puzzle of 81 characters"};
  bool steps = false;
  if (parsed.options.count("--format")) {
    const std::string& format = parsed.options.at("--format");
    if (format != "steps" && format != "words") throw UsageError{"--format must be words or steps"};
    steps = format == "steps";
  }
  return ExplainCommand(parsed.words[0], steps, out, err);
}

}  // namespace

std::string PuzzleCommandHelp() {
  return "Puzzles without the game:\n"
         "  gridlet generate --level L [--seed S] [--stones N] [--rng-seed R] [--count K] [--format full|line]\n"
         "      Generates K puzzles (default 1) of level L (1 to 9) as a new game does. Without --seed\n"
         "      every attempt takes a fresh seed, each puzzle's going on past the seeds the one before\n"
         "      tried, as the game's new games do; --rng-seed seeds the general random generator\n"
         "      (default: the clock); --stones (1 to 4, default 1) goes into the level code.\n"
         "      The full format prints per puzzle: level, accepted-level, seed, tries, code (\"-\" when\n"
         "      it would not read back), generator, puzzle and solution, then a blank line. Boards are\n"
         "      81 characters, row 0 first, each row from column 0 to 8, \".\" for an empty cell.\n"
         "      --format line prints only the puzzle.\n"
         "  gridlet generate --code CODE [--rng-seed R] [--count K] [--format full|line]\n"
         "      The same for a level code, as the repeat-game menu does.\n"
         "  gridlet generate --grade G [--seed S] [--count K] [--format full|line]\n"
         "      Generates K puzzles of grade G (easy, medium, hard, expert or extreme) from seeds S,\n"
         "      S + 1, ... (default: the clock). The full format prints code, grade, score, attempts,\n"
         "      rating, puzzle and solution. --code also takes a graded code such as H-3F2A91.\n"
         "  gridlet rate [FILE]\n"
         "      Reads puzzles (81 characters a line, \".\" or \"0\" for empty) from FILE or the\n"
         "      standard input and prints per puzzle \"line N:\", its grade, score and the count of\n"
         "      each technique. Blank lines and lines starting with # are skipped, blanks and CR\n"
         "      around a line ignored; a refused line is named on the error output with the reason.\n"
         "  gridlet explain PUZZLE [--format words|steps]\n"
         "      Prints the logical solution step by step in words; with steps one line per step:\n"
         "      the technique, placements as r4c7=6 and eliminations as r4c2-6, then solved or stuck.\n"
         "  gridlet code CODE\n"
         "      Prints the level, stone set and seed of a level code.\n"
         "  gridlet code --level L --stones N --seed S\n"
         "      Prints the level code; refuses a seed whose code would not read back and one that\n"
         "      gives no puzzle at that level (generate --code would refuse its code).\n"
         "A level code is one to eight hexadecimal digits, in either case; any other text is\n"
         "refused, and so is a code whose decimal form has fewer than three digits or is negative.\n"
         "A code's stone set outside 1 to 4 plays with set 1 (--stones takes 1 to 4).\n"
         "Exit status: 0 on success, 1 for a malformed argument, text that is no code, a generation\n"
         "that cannot succeed or a line rate refused (with one line on the error output each).\n";
}

int RunPuzzleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunPuzzleCommand(args, std::cin, out, err);
}

int RunPuzzleCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  static const std::vector<std::string> kCommands{"generate", "code", "rate", "explain"};
  if (args.empty() || std::find(kCommands.begin(), kCommands.end(), args[0]) == kCommands.end()) return -1;
  try {
    for (const std::string& arg : args)
      if (arg == "--help" || arg == "-h") {
        out << PuzzleCommandHelp();
        return 0;
      }
    if (args[0] == "rate") {
      const ParsedArgs parsed = Parse(args, {});
      return RateCommand(parsed.words, in, out, err);
    }
    if (args[0] == "explain") return ExplainArgs(args, out, err);
    return args[0] == "generate" ? GenerateCommand(args, out, err) : CodeCommand(args, out);
  } catch (const UsageError& error) {
    err << "gridlet: " << error.message << '\n';
    return 1;
  }
}

int RunPuzzleCommand(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return RunPuzzleCommand(args, std::cout, std::cerr);
}
