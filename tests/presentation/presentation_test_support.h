// Shared helpers of the presentation tests: software graphics, a scratch
// folder, pictures and data files written by the tests themselves, and
// capture of log lines and notifications.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "drawing/graphics.h"
#include "drawing/messages.h"
#include "drawing/pixmap.h"

namespace presentation_test {

// Opens 800 x 600 software graphics with a neutral drawing state.
class SoftwareGraphicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE);
    ASSERT_TRUE(drawing::Graphics(800, 600, 0));
    drawing::SetColor(255, 255, 255);
    drawing::SetAlpha(1);
    drawing::SetBlend(drawing::ALPHABLEND);
    drawing::SetTransform(0, 1, 1);
    drawing::SetViewport(0, 0, 800, 600);
    drawing::SetOrigin(0, 0);
    drawing::SetHandle(0, 0);
    drawing::SetImageFont(nullptr);
    drawing::SetClsColor(0, 0, 0);
    drawing::Cls();
  }
  void TearDown() override { drawing::EndGraphics(); }

  // RGB of one back-buffer pixel.
  static uint32_t PixelAt(int x, int y) {
    drawing::PixmapPtr grabbed = drawing::GrabPixmap(x, y, 1, 1);
    return grabbed ? grabbed->ReadPixel(0, 0) & 0xFFFFFF : 0xDEADBEEF;
  }
  // Number of non-black pixels in a back-buffer rectangle.
  static int LitPixels(int x, int y, int w, int h) {
    drawing::PixmapPtr grabbed = drawing::GrabPixmap(x, y, w, h);
    int lit = 0;
    for (int yy = 0; yy < grabbed->height(); ++yy) {
      for (int xx = 0; xx < grabbed->width(); ++xx) lit += (grabbed->ReadPixel(xx, yy) & 0xFFFFFF) != 0;
    }
    return lit;
  }
};

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("gridlet_presentation_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Root() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline drawing::PixmapPtr SolidPixmap(int w, int h, uint32_t argb) {
  drawing::PixmapPtr pixmap = drawing::Pixmap::Create(w, h);
  pixmap->ClearPixels(argb);
  return pixmap;
}

// Every pixel distinct, fully opaque.
inline drawing::PixmapPtr PatternPixmap(int w, int h) {
  drawing::PixmapPtr pixmap = drawing::Pixmap::Create(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) pixmap->WritePixel(x, y, drawing::ARGB(255, x & 255, y & 255, (x * 7 + y * 3) & 255));
  }
  return pixmap;
}

inline void WritePng(const drawing::Pixmap& pixmap, const std::string& path) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  ASSERT_TRUE(drawing::SavePixmapPNG(pixmap, path, 1)) << path;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// Little-endian data-file builder.
class DataFile {
 public:
  DataFile& Int(int32_t value) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(char((uint32_t(value) >> (8 * i)) & 255));
    return *this;
  }
  DataFile& Float(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return Int(int32_t(bits));
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Log lines and notifications while alive.
class MessageCapture {
 public:
  MessageCapture() {
    drawing::SetPrintHook([this](const std::string& line) { log.push_back(line); });
    drawing::SetNotifyHook([this](const std::string& text, bool) { notes.push_back(text); });
  }
  ~MessageCapture() {
    drawing::SetPrintHook(nullptr);
    drawing::SetNotifyHook(nullptr);
  }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  int Count(const std::string& line) const { return int(std::count(log.begin(), log.end(), line)); }

  std::vector<std::string> log;
  std::vector<std::string> notes;
};

}  // namespace presentation_test
