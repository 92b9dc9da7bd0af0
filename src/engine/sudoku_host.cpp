#include "engine/sudoku_host.h"

#include <chrono>
#include <cstdio>

#include "engine/clock_math.h"
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

std::shared_ptr<TSudokuHost> SwapSudokuHost(std::shared_ptr<TSudokuHost> host) {
  std::shared_ptr<TSudokuHost> before = std::move(CurrentHost());
  CurrentHost() = std::move(host);
  return before;
}

TDefaultSudokuHost::TDefaultSudokuHost() : sudoku(TSudoku::Create()) {}

void TDefaultSudokuHost::SetInGameButtonGrayedOut(int button, int value) {
  if (button >= 1 && button <= 4) grayedout[button] = value;
}

int TDefaultSudokuHost::CellX(int column, int) { return 250 + BoardOffset(column); }

int TDefaultSudokuHost::CellY(int, int row) { return 75 + BoardOffset(row); }

int TDefaultSudokuHost::MilliSecs() {
  if (virtual_clock) {
    const int now = virtual_now;
    virtual_now = ClockAdd(virtual_now, virtual_step);
    return now;
  }
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
  // The game's clock: milliseconds that wrap from 2^31 - 1 to 0.
  return ClockAdd(0, static_cast<int>(ms % kClockPeriod));
}

void TDefaultSudokuHost::Print(const std::string& line) {
  log.push_back(line);
  if (echo_log) std::printf("%s\n", line.c_str());
}
