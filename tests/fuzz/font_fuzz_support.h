// Shared by the bitmap-font fuzz targets: a scratch folder holding a small
// font picture, and the data file written beside it for every input.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "drawing/messages.h"
#include "drawing/pixmap.h"

namespace font_fuzz {

// Removes the scratch folder when the fuzzer ends.
struct ScratchFolder {
  std::filesystem::path path;
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

inline const std::filesystem::path& Folder() {
  static const ScratchFolder scratch{std::filesystem::temp_directory_path() /
                                     ("gridlet_font_fuzz_" + std::to_string(::getpid()))};
  static const std::filesystem::path folder = [] {
    const std::filesystem::path& path = scratch.path;
    std::filesystem::create_directories(path);
    // Four 8 x 8 cells across, two rows; black (the mask colour) in one corner of each.
    drawing::PixmapPtr picture = drawing::Pixmap::Create(32, 16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 32; ++x) picture->WritePixel(x, y, (x % 8 == 0 && y % 8 == 0) ? 0xFF000000 : 0xFFFFFFFF);
    drawing::SavePixmapPNG(*picture, (path / "font.png").string(), 1);
    drawing::SetNotifyHook([](const std::string&, bool) {});
    drawing::SetPrintHook([](const std::string&) {});
    return path;
  }();
  return folder;
}

inline std::string Picture() { return (Folder() / "font.png").string(); }

inline void WriteData(const std::string& extension, const uint8_t* data, size_t size) {
  std::ofstream out(Folder() / ("font" + extension), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

}  // namespace font_fuzz
