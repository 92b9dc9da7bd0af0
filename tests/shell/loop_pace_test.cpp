// The main loop on a machine too slow for its frames: missed frames are
// dropped instead of piling up, and Escape pressed during one of several
// updates of a pass still ends the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "drawing/platform.h"
#include "shell/base_game.h"
#include "widgets/input_trackers.h"

namespace {

class SlowClock : public drawing::Platform {
 public:
  int now = 1000;
  void Poll(drawing::InputState&) override {}
  int Millis() override { return now; }
  void Sleep(int ms) override { now += ms; }
  bool IsVirtual() const override { return true; }
};

// Every frame takes `frame_ms` of the clock to draw.
class SlowGame : public TBaseGame {
 public:
  SlowGame(SlowClock* clock, int frame_ms) : clock_(clock), frame_ms_(frame_ms) {}
  std::function<void(int)> on_update;
  int updates = 0, frames = 0;
  void Update() override {
    ++updates;
    if (on_update) on_update(updates);
  }
  void Draw(int) override {
    ++frames;
    clock_->now += frame_ms_;
  }

 private:
  SlowClock* clock_;
  int frame_ms_;
};

class LoopPace : public ::testing::Test {
 protected:
  void SetUp() override {
    auto clock = std::make_unique<SlowClock>();
    clock_ = clock.get();
    drawing::SetPlatform(std::move(clock));
    drawing::FlushKeys();
    drawing::Input().terminate = false;
    KeyManager = TKeyManager{};
    ASSERT_TRUE(drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE));
    ASSERT_TRUE(drawing::Graphics(80, 60, 0));
    QuitGame = 0;
    TBaseGame::ResetLoopTiming();
  }
  void TearDown() override {
    drawing::EndGraphics();
    drawing::SetPlatform(nullptr);
    drawing::FlushKeys();
    KeyManager = TKeyManager{};
    QuitGame = 0;
  }
  SlowClock* clock_ = nullptr;
};

}  // namespace

TEST_F(LoopPace, FramesSlowerThanTheirTimeAreDroppedNotPiledUp) {
  SlowGame game(clock_, 50);
  const int start = clock_->now;
  int most_in_one_pass = 0;
  int updates_in_pass = 0, last_time = -1;
  game.on_update = [&](int n) {
    // Updates of one pass all see the same clock.
    updates_in_pass = clock_->now == last_time ? updates_in_pass + 1 : 1;
    last_time = clock_->now;
    most_in_one_pass = std::max(most_in_one_pass, updates_in_pass);
    if (n == 600) QuitGame = 1;
  };
  game.GameLoop();
  const int elapsed = clock_->now - start;
  // One frame per pass at most once behind: about 20 frames a second, and
  // the updates keep their 60 a second in short passes.
  EXPECT_LE(game.frames, elapsed / 50 + 1);
  EXPECT_GE(game.frames, elapsed / 50 - 2);
  EXPECT_LE(most_in_one_pass, 4);
  EXPECT_NEAR(elapsed, 10000, 100);
}

TEST_F(LoopPace, FastFramesAfterAStallAreAllDrawn) {
  SlowGame game(clock_, 0);
  game.on_update = [&](int n) {
    if (n == 30) clock_->now += 2000;
    if (n == 300) QuitGame = 1;
  };
  game.GameLoop();
  EXPECT_NEAR(game.frames, 150, 2);  // five seconds of frames, the stall's included
}

TEST_F(LoopPace, EscapeInAMiddleUpdateOfAPassEndsTheLoop) {
  SlowGame game(clock_, 0);
  int pressed_at = -1;
  game.on_update = [&](int n) {
    if (n == 20) clock_->now += 200;  // the next pass runs about 12 updates
    if (n == 24) {
      drawing::Input().PressKey(27);
      pressed_at = n;
    }
    if (n == 26) drawing::Input().ReleaseKey(27);
    if (n == 200) QuitGame = 1;  // Escape was lost
  };
  game.GameLoop();
  EXPECT_EQ(QuitGame, 1);
  EXPECT_GT(pressed_at, 0);
  EXPECT_LE(game.updates, 40);
}
