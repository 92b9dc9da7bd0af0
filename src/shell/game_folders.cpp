#include "shell/game_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "drawing/files.h"
#include "drawing/messages.h"
#include "presentation/game_skin.h"

#ifndef GRIDLET_DATA_FROM_PROGRAM
#define GRIDLET_DATA_FROM_PROGRAM "../share/gridlet"
#endif

namespace fs = std::filesystem;

namespace {

std::string& ChosenUserFolder() {
  static std::string folder;
  return folder;
}

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ec;
  return !a.empty() && !b.empty() && fs::equivalent(a, b, ec) && !ec;
}

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// $HOME, or the home folder of the account when HOME is not set.
std::string HomeFolder() {
  std::string home = EnvironmentValue("HOME");
  if (!home.empty()) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir) {
    return found->pw_dir;
  }
  return "";
}

// Relative values are ignored, as the XDG base directory rules ask.
std::string PlayerFolder(const FolderClues& clues) {
  if (!clues.xdgDataHome.empty() && fs::path(clues.xdgDataHome).is_absolute()) {
    return (fs::path(clues.xdgDataHome) / "gridlet").string();
  }
  if (!clues.home.empty() && fs::path(clues.home).is_absolute()) {
    return (fs::path(clues.home) / ".local" / "share" / "gridlet").string();
  }
  return "";
}

bool ReadFile(const fs::path& path, std::string& bytes) {
  // An absolute path is read as it is, whatever folders the file layer uses.
  return drawing::ReadWholeFile(fs::absolute(path).string(), bytes);
}

}  // namespace

FolderClues ProcessClues() {
  FolderClues clues;
  std::error_code ec;
  clues.workingFolder = fs::current_path(ec).string();
  clues.program = fs::read_symlink("/proc/self/exe", ec).string();
  clues.xdgDataHome = EnvironmentValue("XDG_DATA_HOME");
  clues.home = HomeFolder();
  return clues;
}

std::string InstalledDataFromProgram() { return GRIDLET_DATA_FROM_PROGRAM; }

std::string MissingGameData(const std::string& folder) {
  std::error_code ec;
  if (folder.empty() || !fs::is_regular_file(fs::path(folder) / "themes" / "base" / "config.xml", ec)) {
    return "themes/base/config.xml";
  }
  // The shell's own pictures too: a player's folder with a theme named base
  // in it is no game data.
  if (!fs::is_directory(fs::path(folder) / "gfx", ec)) return "gfx/";
  return "";
}

bool HoldsGameData(const std::string& folder) { return MissingGameData(folder).empty(); }

std::optional<GameFolders> ChooseGameFolders(const FolderClues& clues, std::string& error) {
  std::string installed;
  if (!clues.program.empty()) {
    installed = (fs::path(clues.program).parent_path() / InstalledDataFromProgram()).lexically_normal().string();
  }
  // Started inside the installed data the game still must not write there.
  if (HoldsGameData(clues.workingFolder) && !SameFolder(clues.workingFolder, installed)) {
    return GameFolders{clues.workingFolder, clues.workingFolder};
  }
  if (!HoldsGameData(installed)) {
    error = "no game data in " + clues.workingFolder + " (no " + MissingGameData(clues.workingFolder) + ")";
    if (!installed.empty()) error += " nor in " + installed + " (no " + MissingGameData(installed) + ")";
    return std::nullopt;
  }
  const std::string user = PlayerFolder(clues);
  if (user.empty()) {
    error = "neither XDG_DATA_HOME nor HOME names a folder for your files";
    return std::nullopt;
  }
  if (SameFolder(user, installed)) {
    error = "the folder for your files, " + user + ", is the installed game data";
    return std::nullopt;
  }
  return GameFolders{installed, user};
}

bool PrepareUserFolder(const GameFolders& folders, std::string& error) {
  if (!folders.Installed()) return true;
  const fs::path user(folders.user);
  std::error_code ec;
  const bool existed = fs::exists(user, ec);
  fs::create_directories(user / "screenshots", ec);
  if (!fs::is_directory(user / "screenshots", ec)) {
    error = "cannot make the folder for your files, " + (user / "screenshots").string();
    return false;
  }
  // Scores and names are the player's own business.
  if (!existed) fs::permissions(user, fs::perms::owner_all, ec);

  const fs::path settings = user / "settings.xml";
  if (fs::exists(fs::symlink_status(settings, ec))) return true;
  std::string defaults;
  if (!ReadFile(fs::path(folders.data) / "settings.xml", defaults)) return true;  // the start-up says what is missing
  if (!drawing::WriteFileAtomically(settings.string(), defaults)) {
    error = "cannot write " + settings.string();
    return false;
  }
  return true;
}

bool SetUpGameFolders(std::string& error) {
  const std::optional<GameFolders> folders = ChooseGameFolders(ProcessClues(), error);
  if (!folders || !PrepareUserFolder(*folders, error)) return false;
  if (folders->Installed()) {
    // The base theme is every theme's fallback: only the installed one counts.
    drawing::SetGameFolders(folders->user, folders->data, {TGameSkin::kBaseTheme});
    drawing::Print("game data in " + folders->data + ", your files in " + folders->user);
  }
  ChosenUserFolder() = folders->user;
  return true;
}

std::string UserFolder() {
  if (!ChosenUserFolder().empty()) return ChosenUserFolder();
  std::error_code ec;
  return fs::current_path(ec).string();
}
