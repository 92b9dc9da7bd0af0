// A fresh temporary folder per test, removed afterwards.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("gridlet-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    // A death test's child ends through exit() and runs the destructors of
    // its parent's folders, which the parent still uses: only the process
    // that made the folder removes it.
    if (::getpid() != owner_) return;
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
  pid_t owner_ = ::getpid();
};
