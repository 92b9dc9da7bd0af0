#include "shell/logic_command.h"

#include <fstream>

#include "engine/logic_count.h"
#include "engine/logic_explain.h"
#include "engine/logic_solver.h"

namespace {

using namespace logic;

std::string Score(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

std::string Line(const std::array<uint8_t, kCells>& values) {
  std::string text;
  for (uint8_t v : values) text.push_back(v ? static_cast<char>('0' + v) : '.');
  return text;
}

// A board with exactly one solution, or the reason it is refused.
std::optional<Grid> ReadPuzzle(const std::string& text, std::string& error) {
  if (text.size() != kCells) {
    error = "a puzzle is 81 characters, not " + std::to_string(text.size());
    return std::nullopt;
  }
  for (char ch : text)
    if (ch != '.' && (ch < '0' || ch > '9')) {
      error = std::string("a puzzle holds only 1 to 9 and \".\" or \"0\", not \"") + ch + "\"";
      return std::nullopt;
    }
  std::optional<Grid> grid = Grid::FromText(text);
  const int solutions = grid ? CountSolutions(grid->Values(), 2) : 0;
  if (solutions != 1) {
    error = solutions == 0 ? "the puzzle has no solution" : "the puzzle has more than one solution";
    return std::nullopt;
  }
  return grid;
}

std::string WithoutLineEnd(std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
  return line;
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
    file.open(words[0]);
    if (!file) {
      err << "gridlet: cannot read \"" << words[0] << "\"\n";
      return 1;
    }
  }
  std::istream& source = words.empty() ? in : file;
  int status = 0;
  int number = 0;
  std::string line;
  while (std::getline(source, line)) {
    ++number;
    line = WithoutLineEnd(line);
    if (line.empty()) continue;
    const RatedLine rated = RateLine(line);
    if (!rated.rating) {
      out.flush();
      err << "gridlet: line " << number << ": " << rated.error << '\n';
      status = 1;
      continue;
    }
    out << RatingLine(*rated.rating) << '\n';
  }
  return status;
}

int ExplainCommand(const std::string& puzzle, bool steps, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<Grid> grid = ReadPuzzle(puzzle, error);
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
