// Button and key states per update, consumption and key repeat timing.
#include <gtest/gtest.h>

#include <memory>

#include "../drawing/manual_clock.h"
#include "drawing/input.h"
#include "drawing/platform.h"
#include "widgets/input_trackers.h"

namespace {

class Trackers : public ::testing::Test {
 protected:
  void SetUp() override {
    auto clock = std::make_unique<ManualClock>(1000);
    clock_ = clock.get();
    drawing::SetPlatform(std::move(clock));
    drawing::FlushKeys();
    drawing::FlushMouse();
    mouse_ = TMouseManager{};
    keys_ = TKeyManager{};
  }
  void TearDown() override { drawing::SetPlatform(nullptr); }

  std::vector<int> MouseStates(int button, const std::vector<std::function<void()>>& before_updates) {
    std::vector<int> states;
    for (const auto& f : before_updates) {
      if (f) f();
      mouse_.changeStatus(0);
      states.push_back(mouse_.getStatus(button));
    }
    return states;
  }

  ManualClock* clock_ = nullptr;
  TMouseManager mouse_;
  TKeyManager keys_;
};

}  // namespace

TEST_F(Trackers, ClickBetweenTwoUpdatesGivesHitThenUpThenNormal) {
  auto& in = drawing::Input();
  auto click = [&] {
    in.PressButton(1);
    in.ReleaseButton(1);
  };
  EXPECT_EQ(MouseStates(1, {click, nullptr, nullptr}), (std::vector<int>{1, 3, 0}));
}

TEST_F(Trackers, HeldButtonGoesHitDownDownUp) {
  auto& in = drawing::Input();
  EXPECT_EQ(MouseStates(2, {[&] { in.PressButton(2); }, nullptr, nullptr, [&] { in.ReleaseButton(2); }, nullptr}),
            (std::vector<int>{1, 2, 2, 3, 0}));
  EXPECT_EQ(mouse_.getStatus(1), 0) << "other buttons are untouched";
}

TEST_F(Trackers, ResetButtonIsConsumedUntilANewPress) {
  auto& in = drawing::Input();
  in.PressButton(1);
  mouse_.changeStatus(0);
  EXPECT_TRUE(mouse_.IsHit(1));
  EXPECT_EQ(mouse_.resetKey(1), 3);
  EXPECT_FALSE(mouse_.IsHit(1));
  EXPECT_FALSE(mouse_.IsDown(1));
  mouse_.changeStatus(0);  // still held
  EXPECT_FALSE(mouse_.IsHit(1));
  EXPECT_FALSE(mouse_.IsDown(1));
  in.ReleaseButton(1);
  in.PressButton(1);
  mouse_.changeStatus(0);
  EXPECT_TRUE(mouse_.IsHit(1)) << "a new press counts again";
}

TEST_F(Trackers, PointerChangeIsReportedOnlyWhenItMoved) {
  auto& in = drawing::Input();
  in.mouse_x = 10;
  mouse_.changeStatus(0);
  EXPECT_EQ(mouse_.MousePosChanged, 1);
  EXPECT_EQ(mouse_.LastMouseX, 10);
  mouse_.changeStatus(7);
  EXPECT_EQ(mouse_.MousePosChanged, 0);
  EXPECT_EQ(mouse_.errorboxes, 7);
}

TEST_F(Trackers, KeysUseTheHeldStateSoShortTapsAreMissed) {
  auto& in = drawing::Input();
  in.PressKey(65);
  in.ReleaseKey(65);
  keys_.changeStatus();
  EXPECT_EQ(keys_.getStatus(65), 0) << "a tap shorter than one update is not seen";
  std::vector<int> states;
  in.PressKey(65);
  for (int i = 0; i < 3; ++i) {
    keys_.changeStatus();
    states.push_back(keys_.getStatus(65));
  }
  in.ReleaseKey(65);
  for (int i = 0; i < 2; ++i) {
    keys_.changeStatus();
    states.push_back(keys_.getStatus(65));
  }
  EXPECT_EQ(states, (std::vector<int>{1, 2, 2, 3, 0}));
  EXPECT_EQ(keys_.getStatus(0), 0);
  EXPECT_EQ(keys_.getStatus(999), 0) << "codes out of range read as normal";
}

TEST_F(Trackers, RepeatFiresOnTheSecondUpdateThenOncePerInterval) {
  auto& in = drawing::Input();
  TKeyWrapper wrapper;
  KeyManager = TKeyManager{};
  wrapper.allowKey(13, 3, 400, 100);
  in.PressKey(13);
  std::vector<int> fired;
  for (int update = 0; update < 8; ++update) {
    KeyManager.changeStatus();
    fired.push_back(wrapper.pressedKey(13));
    clock_->now += 40;  // updates 40 ms apart
  }
  // Hit update never fires; then at 1040, 1160, 1280 (strictly after 100 ms).
  EXPECT_EQ(fired, (std::vector<int>{0, 1, 0, 0, 1, 0, 0, 1}));
  EXPECT_EQ(wrapper.pressedKey(13), 0) << "a second call in the same update does not fire";
  in.ReleaseKey(13);
  KeyManager.changeStatus();
  EXPECT_EQ(wrapper.pressedKey(13), 0);
}

TEST_F(Trackers, ResetKeyStopsRepeatUntilAllowedAgain) {
  auto& in = drawing::Input();
  TKeyWrapper wrapper;
  KeyManager = TKeyManager{};
  in.PressKey(8);
  KeyManager.changeStatus();
  KeyManager.changeStatus();
  wrapper.resetKey(8);
  EXPECT_EQ(wrapper.pressedKey(8), 0);
  wrapper.allowKey(8, 2, 999, 50);
  EXPECT_EQ(wrapper._iKeySet[8][1], 0) << "the first delay is stored only with rule bit 1";
  EXPECT_EQ(wrapper.pressedKey(8), 1);
  in.ReleaseKey(8);
  KeyManager.changeStatus();
}
