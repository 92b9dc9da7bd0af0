// The game catches no raised error: one ends the program with its text on
// the error output and exit code -1 (status 255).
#pragma once

#include <functional>

// Runs body and returns its result, or -1 after writing a raised error's
// text to the error output.
int RunReportingFatalErrors(const std::function<int()>& body);
