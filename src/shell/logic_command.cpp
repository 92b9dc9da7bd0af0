#include "shell/logic_command.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/logic_count.h"
#include "engine/logic_explain.h"
#include "engine/logic_solver.h"
#include "support/text_util.h"

namespace {

using namespace logic;

std::string Score(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

std::string Line(const std::array<uint8_t, kCells>& values) {
  std::string text;
  for (uint8_t v : values) text.push_back(v ? static_cast<char>('0' + v) : '.');
  return text;
}

// "two 5s in row 1": the first digit given twice in one row, column or
// box (numbered from 1, boxes left to right, top down); empty when none is.
std::string Clash(const std::string& text) {
  const auto digit = [&](int row, int column) {
    const char ch = text[size_t(row * 9 + column)];
    return ch >= '1' && ch <= '9' ? ch - '0' : 0;
  };
  static const char* const kUnits[3] = {"row", "column", "box"};
  for (int kind = 0; kind < 3; ++kind)
    for (int unit = 0; unit < 9; ++unit) {
      bool seen[10] = {};
      for (int i = 0; i < 9; ++i) {
        const int row = kind == 0 ? unit : kind == 1 ? i : unit / 3 * 3 + i / 3;
        const int column = kind == 0 ? i : kind == 1 ? unit : unit % 3 * 3 + i % 3;
        const int d = digit(row, column);
        if (d && seen[d])
          return "two " + std::to_string(d) + "s in " + kUnits[kind] + " " + std::to_string(unit + 1);
        seen[d] = true;
      }
    }
  return "";
}

// A board with exactly one solution, or the reason it is refused.
// `length` is the text's full length when only its start was kept.
std::optional<Grid> ReadPuzzle(const std::string& text, std::string& error, size_t length) {
  if (length != kCells) {
    error = "a puzzle is 81 characters, not " + std::to_string(length);
    return std::nullopt;
  }
  for (char ch : text)
    if (ch != '.' && (ch < '0' || ch > '9')) {
      error = std::string("a puzzle holds only 1 to 9 and \".\" or \"0\", not \"") + ch + "\"";
      return std::nullopt;
    }
  error = Clash(text);
  if (!error.empty()) return std::nullopt;
  std::optional<Grid> grid = Grid::FromText(text);
  const int solutions = grid ? CountSolutions(grid->Values(), 2) : 0;
  if (solutions != 1) {
    error = solutions == 0 ? "the puzzle has no solution" : "the puzzle has more than one solution";
    return std::nullopt;
  }
  return grid;
}

std::optional<Grid> ReadPuzzle(const std::string& text, std::string& error) {
  return ReadPuzzle(text, error, text.size());
}

// Blanks, tabs and CR around a line are no part of it (as TrimBlanks).
bool IsBlank(int ch) { return ch >= 0 && ch <= ' '; }

// One line of a file without its surrounding blanks: at most kKept
// characters of it are kept, however long it is, and `length` counts all.
struct BoundedLine {
  static constexpr size_t kKept = 256;
  std::string kept;
  size_t length = 0;
};

// Reads the next line; false at the end of the input.
bool ReadBoundedLine(std::streambuf& in, BoundedLine& line) {
  line.kept.clear();
  line.length = 0;
  std::string blanks;  // inside the line: kept only when more follows
  size_t blank_count = 0;
  bool any = false;
  for (int ch = in.sbumpc(); ch != std::char_traits<char>::eof(); ch = in.sbumpc()) {
    any = true;
    if (ch == '\n') return true;
    if (IsBlank(ch)) {
      if (line.length == 0) continue;
      if (blanks.size() < BoundedLine::kKept) blanks.push_back(static_cast<char>(ch));
      ++blank_count;
      continue;
    }
    line.length += blank_count;
    ++line.length;
    for (const char b : blanks)
      if (line.kept.size() < BoundedLine::kKept) line.kept.push_back(b);
    blanks.clear();
    blank_count = 0;
    if (line.kept.size() < BoundedLine::kKept) line.kept.push_back(static_cast<char>(ch));
  }
  return any;
}

}  // namespace

std::string RatingLine(const Rating& rating) {
  std::string line = std::string(GradeName(rating.grade)) + " " + Score(rating.score);
  for (int t = 0; t < kTechniqueCount; ++t)
    if (rating.counts[t])
      line += " " + std::string(Info(static_cast<Technique>(t)).key) + "=" + std::to_string(rating.counts[t]);
  return line;
}

RatedLine RateLine(const std::string& line) {
  RatedLine rated;
  const std::optional<Grid> grid = ReadPuzzle(line, rated.error);
  if (grid) rated.rating = RatePuzzle(*grid);
  return rated;
}

int RateCommand(const std::vector<std::string>& words, std::istream& in, std::ostream& out, std::ostream& err) {
  if (words.size() > 1) {
    err << "gridlet: rate reads one file or the standard input\n";
    return 1;
  }
  std::ifstream file;
  if (!words.empty()) {
    std::error_code ec;
    if (std::filesystem::is_directory(words[0], ec)) {
      err << "gridlet: \"" << words[0] << "\" is a folder, not a file of puzzles\n";
      return 1;
    }
    file.open(words[0], std::ios::binary);
    if (!file) {
      err << "gridlet: cannot read \"" << words[0] << "\"\n";
      return 1;
    }
  }
  std::istream& source = words.empty() ? in : file;
  int status = 0;
  int number = 0;
  BoundedLine line;
  while (source.rdbuf() && ReadBoundedLine(*source.rdbuf(), line)) {
    ++number;
    if (line.length == 0 || line.kept[0] == '#') continue;
    RatedLine rated;
    const std::optional<Grid> grid = ReadPuzzle(line.kept, rated.error, line.length);
    if (!grid) {
      out.flush();
      err << "gridlet: line " << number << ": " << rated.error << '\n';
      status = 1;
      continue;
    }
    out << "line " << number << ": " << RatingLine(RatePuzzle(*grid)) << '\n';
  }
  return status;
}

int ExplainCommand(const std::string& puzzle, bool steps, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<Grid> grid = ReadPuzzle(TrimBlanks(puzzle), error);
  if (!grid) {
    err << "gridlet: " << error << '\n';
    return 1;
  }
  const DigitWriter digit = [](int d) { return "[" + std::to_string(d) + "]"; };
  const std::vector<Step> all = SolveSteps(*grid);
  const bool stuck = !all.empty() && all.back().technique == Technique::kNoLogicalStep;
  int number = 0;
  for (const Step& step : all) {
    if (step.technique == Technique::kNoLogicalStep) break;
    if (steps) {
      out << StepLine(step) << '\n';
    } else {
      out << ++number << ". " << TechniqueName(step.technique, {}) << ": " << ExplainStep(step, digit, {}) << '\n';
    }
  }
  if (steps) {
    out << (stuck ? "stuck" : "solved") << '\n';
  } else {
    out << (stuck ? "Stuck: no logical step found." : "Solved.") << '\n';
  }
  return 0;
}

int GenerateGraded(GradedCode code, int count, bool line_format, std::ostream& out, std::ostream& err) {
  for (int n = 0; n < count; ++n) {
    const std::optional<GradedPuzzle> made = MakeGradedPuzzle(code);
    if (!made) {
      err << "gridlet: no graded puzzle made from " << FormGradedCode(code) << " in " << kGradedAttemptLimit
          << " attempts\n";
      return 1;
    }
    if (line_format) {
      out << Line(made->givens) << '\n';
    } else {
      out << "code: " << FormGradedCode(code) << '\n'
          << "grade: " << GradeName(made->rating.grade) << '\n'
          << "score: " << Score(made->rating.score) << '\n'
          << "attempts: " << made->attempts << '\n'
          << "rating: " << RatingLine(made->rating) << '\n'
          << "puzzle: " << Line(made->givens) << '\n'
          << "solution: " << Line(made->solution) << "\n\n";
    }
    code.seed = code.seed % 0x7FFFFFFFu + 1;
  }
  out.flush();
  return 0;
}
