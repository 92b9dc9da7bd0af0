// The command line for puzzles outside the game: "gridlet generate ..."
// and "gridlet code ...".
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs a puzzle command. Returns -1 when argv[1] is not "generate" or
// "code" (the caller then starts the game), otherwise the exit code.
int RunPuzzleCommand(int argc, char** argv);
// The same with the arguments after the program name and chosen streams.
int RunPuzzleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The help text for these commands.
std::string PuzzleCommandHelp();
