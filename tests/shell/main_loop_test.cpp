// The fixed-rate loop's schedule under a virtual clock, Escape, screenshots.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "../drawing/manual_clock.h"
#include "../drawing/temp_dir.h"
#include "drawing/files.h"
#include "drawing/graphics.h"
#include "drawing/input.h"
#include "drawing/platform.h"
#include "shell/base_game.h"
#include "widgets/input_trackers.h"

namespace {

// Records at which clock time every update and frame happened.
class RecordingGame : public TBaseGame {
 public:
  explicit RecordingGame(ManualClock* clock) : clock_(clock) {}
  std::function<void(int)> on_update;
  std::map<int, int> updates_at, frames_at;
  int updates = 0, frames = 0;
  void Update() override {
    ++updates;
    ++updates_at[clock_->now];
    if (on_update) on_update(updates);
  }
  void Draw(int) override {
    ++frames;
    ++frames_at[clock_->now];
  }

 private:
  ManualClock* clock_;
};

class Loop : public ::testing::Test {
 protected:
  void SetUp() override {
    auto clock = std::make_unique<ManualClock>(5000, true);
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
  ManualClock* clock_ = nullptr;
};

}  // namespace

TEST_F(Loop, RunsSixtyUpdatesAndThirtyFramesPerSecond) {
  RecordingGame game(clock_);
  int start = clock_->now;
  game.on_update = [&](int n) {
    if (n == 600) QuitGame = 1;
  };
  EXPECT_EQ(game.GameLoop(), 0);
  double seconds = (clock_->now - start) / 1000.0;
  EXPECT_NEAR(seconds, 10.0, 0.05);
  EXPECT_NEAR(game.frames, 300, 2);
  for (const auto& [time, n] : game.updates_at) EXPECT_EQ(n, 1) << "one update per pass at " << time;
}

TEST_F(Loop, StallIsCaughtUpWithoutACap) {
  RecordingGame game(clock_);
  int stall_end = 0;
  game.on_update = [&](int n) {
    if (n == 30) {
      clock_->now += 2000;  // the program was blocked for two seconds
      stall_end = clock_->now;
    }
    if (n == 300) QuitGame = 1;
  };
  game.GameLoop();
  ASSERT_GT(stall_end, 0);
  // The next pass starts 0 or 1 ms later and runs every missed update and frame.
  int burst_time = game.updates_at.count(stall_end) ? stall_end : stall_end + 1;
  // Two seconds are 120 updates and 60 frames; what the accumulators kept
  // from the pass before can add at most one of each.
  EXPECT_GE(game.updates_at[burst_time], 120);
  EXPECT_LE(game.updates_at[burst_time], 121);
  EXPECT_GE(game.frames_at[burst_time], 60);
  EXPECT_LE(game.frames_at[burst_time], 61);
}

TEST_F(Loop, ResetTimingSkipsTheTimeSpentBlocked) {
  RecordingGame game(clock_);
  game.on_update = [&](int n) {
    if (n == 30) {
      clock_->now += 2000;
      TBaseGame::ResetLoopTiming();  // what the puzzle generator does
    }
    if (n == 120) QuitGame = 1;
  };
  game.GameLoop();
  for (const auto& [time, n] : game.updates_at) EXPECT_LE(n, 1) << time;
}

TEST_F(Loop, EscapeEndsTheLoopBeforeTheNextPassDoesAnything) {
  RecordingGame game(clock_);
  int seen_at = -1;
  game.on_update = [&](int n) {
    if (n == 10) drawing::Input().PressKey(27);
    if (KeyManager.IsHit(27) && seen_at < 0) seen_at = n;
    ASSERT_LT(n, 1000) << "Escape was ignored";
  };
  game.GameLoop();
  EXPECT_EQ(QuitGame, 1);
  EXPECT_EQ(seen_at, 11);
  EXPECT_EQ(game.updates, 11) << "no update after the one that saw Escape";
}

// Work that runs inside an update (a puzzle being made) asks whether the
// program is ending: an Escape the update's snapshot holds already says so.
TEST_F(Loop, TheUpdateThatSeesEscapeRunsWithTheQuitRequested) {
  RecordingGame game(clock_);
  int quit_in_that_update = -1;
  game.on_update = [&](int n) {
    if (n == 10) drawing::Input().PressKey(27);
    if (KeyManager.IsHit(27) && quit_in_that_update < 0) quit_in_that_update = QuitGame;
    ASSERT_LT(n, 1000) << "Escape was ignored";
  };
  game.GameLoop();
  EXPECT_EQ(quit_in_that_update, 1);
}

TEST_F(Loop, ClosedWindowEndsTheLoop) {
  RecordingGame game(clock_);
  game.on_update = [&](int n) {
    if (n == 5) drawing::Input().terminate = true;
  };
  game.GameLoop();
  EXPECT_EQ(game.updates, 5);
  EXPECT_EQ(QuitGame, 0);
  drawing::Input().terminate = false;
}

namespace {

// Every frame takes `frame_ms` of the clock to draw: a machine too slow
// for the frame rate.
class SlowGame : public RecordingGame {
 public:
  SlowGame(ManualClock* clock, int frame_ms) : RecordingGame(clock), clock_(clock), frame_ms_(frame_ms) {}
  void Draw(int flag) override {
    RecordingGame::Draw(flag);
    clock_->now += frame_ms_;
  }

 private:
  ManualClock* clock_;
  int frame_ms_;
};

}  // namespace

TEST_F(Loop, FramesSlowerThanTheirTimeAreDroppedNotPiledUp) {
  SlowGame game(clock_, 50);
  const int start = clock_->now;
  game.on_update = [&](int n) {
    if (n == 600) QuitGame = 1;
  };
  game.GameLoop();
  const int elapsed = clock_->now - start;
  // About one frame per pass, 20 a second, while the updates keep their 60
  // a second in short passes.
  EXPECT_NEAR(elapsed, 10000, 100);
  EXPECT_LE(game.frames, elapsed / 50 + 1);
  EXPECT_GE(game.frames, elapsed / 50 - 2);
  for (const auto& [time, n] : game.updates_at) EXPECT_LE(n, 4) << "updates in the pass at " << time;
}

TEST_F(Loop, EscapeInAMiddleUpdateOfAPassEndsTheLoop) {
  RecordingGame game(clock_);
  game.on_update = [&](int n) {
    if (n == 20) clock_->now += 200;  // the next pass runs about 12 updates
    if (n == 24) drawing::Input().PressKey(27);
    if (n == 26) drawing::Input().ReleaseKey(27);
    if (n == 200) QuitGame = 1;  // Escape was lost
  };
  game.GameLoop();
  EXPECT_LE(game.updates, 40);
}

TEST_F(Loop, KeepsItsRateAcrossTheClocksWrap) {
  clock_->now = 2147483647 - 2500;  // the clock starts again at 0 in 2.5 s
  RecordingGame game(clock_);
  int frames_at_wrap = -1;
  game.on_update = [&](int n) {
    if (clock_->now < 100000 && frames_at_wrap < 0) frames_at_wrap = game.frames;
    if (n == 300) QuitGame = 1;
  };
  game.GameLoop();
  EXPECT_LT(clock_->now, 100000) << "the clock wrapped during the run";
  EXPECT_NEAR(clock_->now, 2500, 60) << "300 updates took 5 s across the wrap";
  EXPECT_NEAR(game.frames, 150, 2);
  for (const auto& [time, n] : game.updates_at) EXPECT_EQ(n, 1) << "one update per pass at " << time;
}

TEST_F(Loop, OnePressOfF12IsOneScreenshot) {
  TempDir dir;
  auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.str());
  std::filesystem::create_directory("screenshots");
  RecordingGame game(clock_);
  game.on_update = [&](int n) {
    if (n == 10) drawing::Input().PressKey(123);  // held for 20 updates, about 300 passes
    if (n == 30) drawing::Input().ReleaseKey(123);
    if (n == 40) {  // then a tap shorter than one update
      drawing::Input().PressKey(123);
      drawing::Input().ReleaseKey(123);
    }
    if (n == 60) QuitGame = 1;
  };
  game.GameLoop();
  EXPECT_EQ(drawing::ReadDir("screenshots").size(), 2u);
  std::filesystem::current_path(old);
}

TEST(Screenshots, NamesHaveAtLeastThreeDigits) {
  EXPECT_EQ(ScreenshotName(0), "screenshots/screen000.png");
  EXPECT_EQ(ScreenshotName(42), "screenshots/screen042.png");
  EXPECT_EQ(ScreenshotName(999), "screenshots/screen999.png");
  EXPECT_EQ(ScreenshotName(1000), "screenshots/screen1000.png");
}

TEST(Screenshots, NeverOverwriteAndNeedTheFolder) {
  TempDir dir;
  auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.str());
  ASSERT_TRUE(drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE));
  ASSERT_TRUE(drawing::Graphics(40, 30, 0));
  EXPECT_EQ(TakeScreenshot(), "") << "no screenshots folder: nothing written";
  EXPECT_TRUE(drawing::ReadDir(".").empty());
  std::filesystem::create_directory("screenshots");
  std::ofstream("screenshots/screen000.png") << "kept";
  std::filesystem::create_directory("screenshots/screen001.png");
  drawing::SetClsColor(10, 200, 30);
  drawing::Cls();
  EXPECT_EQ(TakeScreenshot(), "screenshots/screen002.png");
  EXPECT_EQ(TakeScreenshot(), "screenshots/screen003.png");
  auto shot = drawing::LoadPixmap("screenshots/screen002.png");
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->width(), 40);
  EXPECT_EQ(shot->ReadPixel(5, 5), drawing::ARGB(255, 10, 200, 30));
  std::string kept;
  drawing::ReadWholeFile("screenshots/screen000.png", kept);
  EXPECT_EQ(kept, "kept");
  drawing::EndGraphics();
  std::filesystem::current_path(old);
}

namespace {

// A real (not virtual) clock that counts how often the loop sleeps.
class CountingClock : public ManualClock {
 public:
  CountingClock() : ManualClock(5000, false) {}
  int sleeps = 0;
  void Sleep(int ms) override {
    ++sleeps;
    ManualClock::Sleep(ms);
  }
};

}  // namespace

// Ten seconds with the window shown and hidden: a hidden window gets no
// frames, and an idle loop sleeps until the next update or frame instead
// of waking every millisecond; updates (and with them the play clock)
// keep their rate either way.
TEST_F(Loop, SleepsUntilTheNextDueUpdateAndDrawsNothingWhileHidden) {
  struct Case {
    bool hidden;
    int frames;
  };
  for (const Case& c : {Case{false, 300}, Case{true, 0}}) {
    auto owned = std::make_unique<CountingClock>();
    CountingClock* clock = owned.get();
    drawing::SetPlatform(std::move(owned));
    drawing::Input().window_hidden = c.hidden;
    TBaseGame::ResetLoopTiming();
    QuitGame = 0;
    RecordingGame game(clock);
    game.on_update = [&](int n) {
      if (n == 600) QuitGame = 1;
    };
    const int start = clock->now;
    game.GameLoop();
    drawing::Input().window_hidden = false;
    EXPECT_NEAR((clock->now - start) / 1000.0, 10.0, 0.1) << "hidden " << c.hidden;
    EXPECT_NEAR(game.frames, c.frames, 2) << "hidden " << c.hidden;
    EXPECT_LT(clock->sleeps, 1000) << "hidden " << c.hidden;
  }
}

// A still screen (the start menu) draws when its look changes (the pointer
// moves, a button is held, the window is uncovered, its own detail) and
// otherwise once a second; a moving screen draws every frame.
TEST_F(Loop, AStillScreenDrawsOnlyWhenItsLookChanges) {
  class StillGame : public RecordingGame {
   public:
    using RecordingGame::RecordingGame;
    bool still = true;
    int detail = 0;
    bool StillScreen() const override { return still; }
    int StillScreenDetail() const override { return detail; }
  };
  struct Case {
    const char* what;
    bool still;
    std::function<void(StillGame&)> change;  // done at updates 100, 250 and 400; null: nothing changes
    int fewest, most;                        // frames in ten seconds
  };
  // Once a second, and a quarter of a second (8 frames) after the first
  // frame and after each change.
  const Case cases[] = {
      {"nothing changes", true, nullptr, 17, 20},
      {"the pointer moves", true, [](StillGame&) { drawing::Input().mouse_x += 5; }, 28, 45},
      {"a button goes down or up",
       true,
       [](StillGame&) { drawing::Input().mouse_down[1] = !drawing::Input().mouse_down[1]; },
       28,
       45},
      {"the window is uncovered", true, [](StillGame&) { ++drawing::Input().exposures; }, 28, 45},
      {"the screen's detail", true, [](StillGame& g) { ++g.detail; }, 28, 45},
      {"a moving screen", false, nullptr, 299, 301},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StillGame game(clock_);
    game.still = c.still;
    game.detail = 1000;  // apart from the case before, so the first frame is drawn
    std::vector<int> framesAfterChange;
    game.on_update = [&](int n) {
      if (c.change && (n == 100 || n == 250 || n == 400)) {
        c.change(game);
        framesAfterChange.push_back(game.frames);
      }
      if (c.change && (n == 402 || n == 252 || n == 102)) {
        EXPECT_GT(game.frames, framesAfterChange.back()) << "update " << n;
      }
      if (n == 600) QuitGame = 1;
    };
    TBaseGame::ResetLoopTiming();
    QuitGame = 0;
    game.GameLoop();
    EXPECT_GE(game.frames, c.fewest);
    EXPECT_LE(game.frames, c.most);
    drawing::Input().mouse_down[1] = false;
  }
}
