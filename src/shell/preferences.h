// The player's preferences for the play aids, kept in "preferences.xml"
// beside "settings.xml" so that the settings file keeps its fourteen lines.
#pragma once

#include <string>

inline constexpr const char* kPreferencesFile = "preferences.xml";

struct TPreferences {
  bool showConflicts = false;   // mark digits that repeat in a row, column or box
  bool highlight = true;        // highlight the digit of the selected or hovered cell
  bool autoRemoveNotes = true;  // placing a digit removes it from its peers' notes
  bool numeralNotes = false;    // notes as small numerals instead of the stone set's symbols

  bool operator==(const TPreferences&) const = default;
};

// Reads the preferences; a missing, damaged or hostile file gives the
// defaults with one log line, and a file that cannot be read whole is never
// read at all (folders, pipes, anything larger than a preferences file).
TPreferences LoadPreferences(const std::string& path);
// Writes the preferences atomically; false when the file could not be written.
bool SavePreferences(const TPreferences& preferences, const std::string& path);

// The file's bytes as SavePreferences writes them.
std::string PreferencesFileText(const TPreferences& preferences);
// The preferences in a file's bytes. Elements that are missing or hold
// anything but 0 or 1 keep their defaults; `problem` tells why the bytes
// could not be used at all, or which element was ignored (empty when none).
TPreferences PreferencesFromBytes(const std::string& bytes, std::string& problem);
