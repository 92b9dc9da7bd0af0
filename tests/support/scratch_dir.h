// A fresh folder per test (removed afterwards) with file helpers.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "drawing/temp_dir.h"

class ScratchDir {
 public:
  std::string File(const std::string& name) const { return dir_ / name; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
    return File(name);
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  TempDir dir_;
};
