// The debug log and system notifications.
#pragma once

#include <functional>
#include <string>

namespace drawing {

// One line to the standard output (the debug log).
void Print(const std::string& text);
// A value read from a file, fit for a log line: at most kLoggedValueChars
// characters of it (a longer one is cut and says how long it was), control
// characters shown as '?' so that a value cannot forge lines of its own.
constexpr size_t kLoggedValueChars = 80;
std::string LogValue(const std::string& value);

// A system message box; on the error output when no display is available
// (headless runs, tests). serious selects an error box over an information box.
// SIGTERM or SIGINT while the box is open closes it and then ends the program
// as it would have without a box; no box opens after that.
void Notify(const std::string& text, bool serious = false);

// Tests capture notifications and log lines through these hooks; an empty
// function restores the default behaviour.
void SetNotifyHook(std::function<void(const std::string&, bool)> hook);
void SetPrintHook(std::function<void(const std::string&)> hook);
// Set by the graphics when a real window is open, so Notify may show a box.
void SetDisplayAvailable(bool available);

}  // namespace drawing
