// A fresh default host with a virtual clock and the general generator in
// its start-up state, installed for the engine under test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "engine/random.h"
#include "engine/sudoku.h"
#include "engine/sudoku_host.h"

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override { host = MakeHost(0); }
  void TearDown() override { SetSudokuHost(nullptr); }

  std::shared_ptr<TDefaultSudokuHost> MakeHost(int clock_ms) {
    SetRndState(kRndInitialState);
    auto made = std::make_shared<TDefaultSudokuHost>();
    made->virtual_clock = true;
    made->virtual_now = clock_ms;
    SetSudokuHost(made);
    return made;
  }

  TSudoku& Game() { return host->GameSudoku(); }

  // Sets the game engine's thresholds so that the guess limit is `limit`.
  void SetGuessLimit(int limit) {
    Game().Level_MinCount = static_cast<float>(limit);
    Game().Level_MinScan = 0.0f;
  }

  std::shared_ptr<TDefaultSudokuHost> host;
};
