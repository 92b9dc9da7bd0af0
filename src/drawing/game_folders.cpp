// The two folders relative game paths lead to (declared in files.h).
#include <filesystem>
#include <string>
#include <system_error>

#include "drawing/files.h"

namespace drawing {

namespace fs = std::filesystem;

namespace {

struct GameFolders {
  std::string writable;  // empty: relative paths are taken as given
  std::string readOnly;
};

GameFolders& Folders() {
  static GameFolders folders;
  return folders;
}

bool Redirected(const std::string& path) { return !Folders().writable.empty() && !fs::path(path).is_absolute(); }

std::string Inside(const std::string& folder, const std::string& path) {
  if (path.empty() || path == ".") return folder;
  return (fs::path(folder) / path).string();
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::status(path, ec));
}

}  // namespace

void SetGameFolders(const std::string& writable, const std::string& readOnly) {
  // Made absolute once, so that a real path never gets a folder put in
  // front of it a second time.
  std::error_code ec;
  const auto absolute = [&ec](const std::string& folder) {
    return folder.empty() ? folder : fs::absolute(folder, ec).string();
  };
  Folders() = {absolute(writable), absolute(readOnly)};
}

void ClearGameFolders() { Folders() = {}; }

std::string PathForWriting(const std::string& path) {
  return Redirected(path) ? Inside(Folders().writable, path) : path;
}

std::string PathForReading(const std::string& path) {
  if (!Redirected(path)) return path;
  const std::string own = Inside(Folders().writable, path);
  if (Exists(own) || Folders().readOnly.empty()) return own;
  const std::string shipped = Inside(Folders().readOnly, path);
  return Exists(shipped) ? shipped : own;
}

std::vector<std::string> PathsForListing(const std::string& path) {
  if (!Redirected(path)) return {path};
  std::vector<std::string> paths{Inside(Folders().writable, path)};
  if (!Folders().readOnly.empty()) paths.push_back(Inside(Folders().readOnly, path));
  return paths;
}

}  // namespace drawing
