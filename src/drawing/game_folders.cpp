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
  std::vector<std::string> shippedOnly;  // relative folders read from readOnly alone
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

// Whether the relative path lies in a folder that only the shipped data may
// provide; "a/./b" and "a/x/../b" count as "a/b".
bool ShippedOnly(const std::string& path) {
  if (Folders().readOnly.empty()) return false;
  const std::string normal = fs::path(path).lexically_normal().generic_string();
  for (const std::string& folder : Folders().shippedOnly) {
    if (normal == folder || normal == folder + "/" ||
        (normal.size() > folder.size() && normal.compare(0, folder.size(), folder) == 0 && normal[folder.size()] == '/'))
      return true;
  }
  return false;
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::status(path, ec));
}

}  // namespace

void SetGameFolders(const std::string& writable, const std::string& readOnly, std::vector<std::string> shippedOnly) {
  // Made absolute once, so that a real path never gets a folder put in
  // front of it a second time.
  std::error_code ec;
  const auto absolute = [&ec](const std::string& folder) {
    return folder.empty() ? folder : fs::absolute(folder, ec).string();
  };
  for (std::string& folder : shippedOnly) folder = fs::path(folder).lexically_normal().generic_string();
  Folders() = {absolute(writable), absolute(readOnly), std::move(shippedOnly)};
}

void ClearGameFolders() { Folders() = {}; }

std::string PathForWriting(const std::string& path) {
  return Redirected(path) ? Inside(Folders().writable, path) : path;
}

std::string PathForReading(const std::string& path) {
  if (!Redirected(path)) return path;
  // Normalized: the player's folder may hold a step of the path that the
  // data folder lacks ("themes/mine/../base").
  if (ShippedOnly(path)) return Inside(Folders().readOnly, fs::path(path).lexically_normal().string());
  const std::string own = Inside(Folders().writable, path);
  if (Exists(own) || Folders().readOnly.empty()) return own;
  const std::string shipped = Inside(Folders().readOnly, path);
  return Exists(shipped) ? shipped : own;
}

std::vector<std::string> PathsForListing(const std::string& path) {
  if (!Redirected(path)) return {path};
  if (ShippedOnly(path)) return {Inside(Folders().readOnly, fs::path(path).lexically_normal().string())};
  std::vector<std::string> paths{Inside(Folders().writable, path)};
  if (!Folders().readOnly.empty()) paths.push_back(Inside(Folders().readOnly, path));
  return paths;
}

}  // namespace drawing
