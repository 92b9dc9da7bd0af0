// Where the game reads its data and where it keeps the player's files.
// Started in a folder that holds the game data (the build's game folder),
// the game works in that folder. Installed, it reads its data beside its
// own program (bin/../share/gridlet, so the installation can move) and keeps
// settings, highscores, screenshots and saved games in the player's own
// folder, $XDG_DATA_HOME/gridlet or ~/.local/share/gridlet, never in the
// installation.
#pragma once

#include <optional>
#include <string>

struct GameFolders {
  std::string data;  // gfx/, themes/, lang/ and the default settings.xml
  std::string user;  // everything the game writes
  bool Installed() const { return data != user; }
};

// What the choice depends on, taken from the running process by
// ProcessClues() and given by hand in tests.
struct FolderClues {
  std::string workingFolder;
  std::string program;      // the running program's own path
  std::string xdgDataHome;  // may be empty
  std::string home;         // may be empty
};
FolderClues ProcessClues();

// The installed data folder relative to the program's folder, as the build
// installs it.
std::string InstalledDataFromProgram();

// True when the folder has the base theme and the shell's pictures folder
// gfx/, the parts of the data the game cannot start without.
bool HoldsGameData(const std::string& folder);
// The first of those parts the folder lacks ("themes/base/config.xml",
// "gfx/"); empty when it holds the game data.
std::string MissingGameData(const std::string& folder);

// The working folder when it holds the game data (unless it is the
// installed data folder itself); else the installed data folder with the
// player's folder; else nullopt with the reason in `error`.
std::optional<GameFolders> ChooseGameFolders(const FolderClues& clues, std::string& error);

// Makes the player's folder (private to the player) with its screenshots
// folder, and puts the default settings there on the first start. False
// with the reason in `error` when the folder cannot be made.
bool PrepareUserFolder(const GameFolders& folders, std::string& error);

// Chooses and prepares the folders of this process and points the file
// operations at them; false with the reason in `error`.
bool SetUpGameFolders(std::string& error);

// The folder the player's files go into: the working folder until
// SetUpGameFolders() chose another.
std::string UserFolder();
