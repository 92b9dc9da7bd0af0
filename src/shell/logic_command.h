// The command line of the human-style solver: "gridlet rate", "gridlet
// explain" and graded puzzles for "gridlet generate --grade".
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/graded_puzzle.h"

// "rate [FILE]": per puzzle line the grade, score and technique counts.
int RateCommand(const std::vector<std::string>& words, std::istream& in, std::ostream& out, std::ostream& err);
// "explain PUZZLE [--format words|steps]".
int ExplainCommand(const std::string& puzzle, bool steps, std::ostream& out, std::ostream& err);
// Graded puzzles from a code, or from consecutive seeds.
int GenerateGraded(logic::GradedCode first, int count, bool line_format, std::ostream& out, std::ostream& err);
// "Hard 4.2 naked_single=3 x_wing=1": the grade, score and counts of a rating.
std::string RatingLine(const logic::Rating& rating);
// The rating of an 81-character board line, or the reason it is refused.
struct RatedLine {
  std::optional<logic::Rating> rating;
  std::string error;
};
RatedLine RateLine(const std::string& line);
