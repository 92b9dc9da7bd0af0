#include "engine/sudoku_host.h"

#include <chrono>
#include <cstdio>

#include "engine/sudoku.h"

namespace {

std::shared_ptr<TSudokuHost>& CurrentHost() {
  static std::shared_ptr<TSudokuHost> host;
  return host;
}

int BoardOffset(int index) { return 52 * index + 4 * (index / 3); }

}  // namespace

TSudokuHost& SudokuHost() {
  auto& host = CurrentHost();
  if (!host) host = std::make_shared<TDefaultSudokuHost>();
  return *host;
}

void SetSudokuHost(std::shared_ptr<TSudokuHost> host) { CurrentHost() = std::move(host); }

TDefaultSudokuHost::TDefaultSudokuHost() : sudoku(TSudoku::Create()) {}

void TDefaultSudokuHost::SetInGameButtonGrayedOut(int button, int value) {
  if (button >= 1 && button <= 4) grayedout[button] = value;
}

int TDefaultSudokuHost::CellX(int column, int) { return 250 + BoardOffset(column); }

int TDefaultSudokuHost::CellY(int, int row) { return 75 + BoardOffset(row); }

int TDefaultSudokuHost::MilliSecs() {
  if (virtual_clock) {
    const int now = virtual_now;
    virtual_now = static_cast<int>(static_cast<unsigned>(virtual_now) + static_cast<unsigned>(virtual_step));
    return now;
  }
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
  // A millisecond counter that wraps like the 32-bit timer it stands for.
  return static_cast<int>(static_cast<uint32_t>(ms));
}

void TDefaultSudokuHost::Print(const std::string& line) {
  log.push_back(line);
  if (echo_log) std::printf("%s\n", line.c_str());
}
