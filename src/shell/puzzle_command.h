// The command line for puzzles outside the game: "gridlet generate ...",
// "gridlet code ...", "gridlet rate ..." and "gridlet explain ...".
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Runs a puzzle command. Returns -1 when argv[1] is not one of these
// commands (the caller then starts the game), otherwise the exit code.
int RunPuzzleCommand(int argc, char** argv);
// The same with the arguments after the program name and chosen streams.
int RunPuzzleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same reading "rate" puzzles from `in` instead of the standard input.
int RunPuzzleCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
// The help text for these commands.
std::string PuzzleCommandHelp();
