// A folder of the fuzz process's own under the temporary folder, removed
// when the fuzzer ends; the working folder is left alone (libFuzzer reads
// its corpus relative to it).
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fuzz_support {

inline const std::filesystem::path& ScratchFolder(const std::string& name) {
  struct Folder {
    std::filesystem::path path;
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Folder folder{[&] {
    auto path = std::filesystem::temp_directory_path() / ("gridlet_" + name + "_fuzz_" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }()};
  return folder.path;
}

inline void WriteBytes(const std::filesystem::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace fuzz_support
