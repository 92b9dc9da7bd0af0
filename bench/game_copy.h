// A copy of the built game folder (beside the bench folder) for benchmarks
// that run the real game, so runs never touch the player's settings, scores
// or saved game. Removed when the program ends.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace bench_support {

inline const std::filesystem::path& GameCopy(const std::string& tag) {
  namespace fs = std::filesystem;
  static const fs::path copy = [&tag] {
    const fs::path build = fs::canonical("/proc/self/exe").parent_path().parent_path();
    const fs::path dir = fs::temp_directory_path() / ("gridlet-" + tag + "-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::copy(build / "game", dir, fs::copy_options::recursive);
    std::ofstream(dir / "bench.script") << "wait 1\n";
    return dir;
  }();
  return copy;
}

// One of these at namespace scope removes the copy at exit.
struct RemoveGameCopy {
  std::string tag;
  ~RemoveGameCopy() {
    std::error_code ec;
    std::filesystem::remove_all(GameCopy(tag), ec);
  }
};

}  // namespace bench_support
