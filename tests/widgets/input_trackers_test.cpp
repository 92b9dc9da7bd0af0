// Button and key states per update, consumption and key repeat timing.
#include <gtest/gtest.h>

#include <memory>

#include "../drawing/manual_clock.h"
#include "drawing/input.h"
#include "drawing/platform.h"
#include "engine/clock_math.h"
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

TEST_F(Trackers, ClickBetweenTwoUpdatesGivesHitThenUpThenNormalAndIsATap) {
  auto& in = drawing::Input();
  auto click = [&] {
    in.PressButton(1);
    in.ReleaseButton(1);
  };
  std::vector<int> taps;
  auto tap_seen = [&] { taps.push_back(mouse_.isTap(1)); };
  EXPECT_EQ(MouseStates(1, {click, tap_seen, tap_seen}), (std::vector<int>{1, 3, 0}));
  // Each entry is read before the next update: after the hit, after the up.
  EXPECT_EQ(taps, (std::vector<int>{0, 1})) << "the tap shows in the up update only";

  // Held into its first update only, released before the second: a tap too.
  in.PressButton(1);
  mouse_.changeStatus(0);
  in.ReleaseButton(1);
  mouse_.changeStatus(0);
  EXPECT_TRUE(mouse_.isUp(1));
  EXPECT_TRUE(mouse_.isTap(1));

  // A tap consumed in its hit update is gone.
  mouse_.changeStatus(0);
  click();
  mouse_.changeStatus(0);
  ASSERT_TRUE(mouse_.IsHit(1));
  mouse_.resetKey(1);
  mouse_.changeStatus(0);
  EXPECT_FALSE(mouse_.isTap(1));
}

TEST_F(Trackers, HeldButtonGoesHitDownDownUp) {
  auto& in = drawing::Input();
  EXPECT_EQ(MouseStates(2, {[&] { in.PressButton(2); }, nullptr, nullptr, [&] { in.ReleaseButton(2); }}),
            (std::vector<int>{1, 2, 2, 3}));
  EXPECT_FALSE(mouse_.isTap(2)) << "a press seen held is no tap";
  mouse_.changeStatus(0);
  EXPECT_EQ(mouse_.getStatus(2), 0);
  EXPECT_EQ(mouse_.getStatus(1), 0) << "other buttons are untouched";
}

// Left, right and middle each keep a cycle of their own; numbers no button
// has read as untouched and take no reset.
TEST_F(Trackers, EachOfTheThreeButtonsHasItsOwnCycle) {
  auto& in = drawing::Input();
  for (int button = 1; button <= 3; ++button) {
    drawing::FlushMouse();
    mouse_ = TMouseManager{};
    in.PressButton(button);
    mouse_.changeStatus(0);
    for (int other = 1; other <= 3; ++other)
      EXPECT_EQ(mouse_.IsHit(other), other == button ? 1 : 0) << "pressed " << button << ", asked " << other;
    in.ReleaseButton(button);
    mouse_.changeStatus(0);
    EXPECT_TRUE(mouse_.isUp(button)) << button;
    EXPECT_TRUE(mouse_.isTap(button)) << button;
  }
  for (int button : {-1, 0, 4, 1000}) {
    EXPECT_EQ(mouse_.getStatus(button), KEY_STATE_NORMAL) << button;
    EXPECT_EQ(mouse_.isTap(button), 0) << button;
    EXPECT_EQ(mouse_.resetKey(button), KEY_STATE_UP) << button;
  }
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

TEST_F(Trackers, KeyTapsAreSeenAndHeldKeysKeepTheirCycle) {
  auto& in = drawing::Input();
  in.PressKey(65);
  in.ReleaseKey(65);
  keys_.changeStatus();
  EXPECT_EQ(keys_.getStatus(65), 1) << "a tap shorter than one update is seen";
  EXPECT_FALSE(keys_.isTap(65));
  keys_.changeStatus();
  EXPECT_EQ(keys_.getStatus(65), 3);
  EXPECT_TRUE(keys_.isTap(65));
  EXPECT_EQ(keys_.takeTap(65), 1);
  EXPECT_EQ(keys_.takeTap(65), 0) << "a tap is taken once";
  keys_.changeStatus();
  EXPECT_EQ(keys_.getStatus(65), 0);

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
    EXPECT_FALSE(keys_.isTap(65)) << "a key seen held is no tap";
  }
  EXPECT_EQ(states, (std::vector<int>{1, 2, 2, 3, 0}));
  EXPECT_EQ(keys_.getStatus(0), 0);
  EXPECT_EQ(keys_.getStatus(999), 0) << "codes out of range read as normal";
  EXPECT_EQ(keys_.isTap(999), 0);
}

TEST_F(Trackers, EitherSideHoldsTheGenericModifierFromItsFirstUpdate) {
  auto& in = drawing::Input();
  in.PressKey(drawing::KEY_LSHIFT);
  keys_.changeStatus();
  EXPECT_TRUE(keys_.IsHeld(drawing::KEY_SHIFT)) << "held already in the update it went down";
  in.PressKey(drawing::KEY_RSHIFT);
  in.ReleaseKey(drawing::KEY_LSHIFT);
  keys_.changeStatus();
  EXPECT_TRUE(keys_.IsHeld(drawing::KEY_SHIFT)) << "the right key still holds it";
  in.ReleaseKey(drawing::KEY_RSHIFT);
  keys_.changeStatus();
  EXPECT_FALSE(keys_.IsHeld(drawing::KEY_SHIFT));

  // Control tapped between two updates together with Z: both are hits.
  in.PressKey(drawing::KEY_RCONTROL);
  in.PressKey('Z');
  in.ReleaseKey('Z');
  in.ReleaseKey(drawing::KEY_RCONTROL);
  keys_.changeStatus();
  EXPECT_TRUE(keys_.IsHit('Z'));
  EXPECT_TRUE(keys_.IsHeld(drawing::KEY_CONTROL));
}

TEST_F(Trackers, TypedTextBelongsToTheUpdateItCameIn) {
  auto& in = drawing::Input();
  in.TypeText("J\xFC");
  in.PressKey(drawing::KEY_BACKSPACE);
  in.PressKey(drawing::KEY_BACKSPACE);  // still held: no second press
  in.TypeText("r");
  keys_.changeStatus();
  EXPECT_EQ(keys_.takeTyped(), "J\xFC\br");
  EXPECT_EQ(keys_.takeTyped(), "") << "taken once";
  in.TypeText("g");
  keys_.changeStatus();
  keys_.changeStatus();
  EXPECT_EQ(keys_.takeTyped(), "") << "what no one took in its update is gone";
  in.ReleaseKey(drawing::KEY_BACKSPACE);
  in.PressKey(drawing::KEY_ENTER);
  keys_.changeStatus();
  EXPECT_EQ(keys_.takeTyped(), "\r");
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

TEST_F(Trackers, ATapFiresOnceInTheUpdateItEndsUnlessTheKeyIsOff) {
  auto& in = drawing::Input();
  TKeyWrapper wrapper;
  KeyManager = TKeyManager{};
  std::vector<int> fired;
  for (int tap = 0; tap < 3; ++tap) {  // taps 51 ms apart, well within the repeat interval
    in.PressKey(37);
    in.ReleaseKey(37);
    for (int update = 0; update < 3; ++update) {
      KeyManager.changeStatus();
      fired.push_back(wrapper.pressedKey(37));
      fired.push_back(wrapper.pressedKey(37));
      clock_->now += 17;
    }
  }
  // Per tap: hit, up (fires once), normal.
  EXPECT_EQ(fired, (std::vector<int>{0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0}));

  wrapper.resetKey(37);
  in.PressKey(37);
  in.ReleaseKey(37);
  KeyManager.changeStatus();
  KeyManager.changeStatus();
  EXPECT_EQ(wrapper.pressedKey(37), 0) << "a key switched off ignores taps too";
}

TEST_F(Trackers, RepeatKeepsItsPaceAcrossTheClocksWrap) {
  auto& in = drawing::Input();
  TKeyWrapper wrapper;
  KeyManager = TKeyManager{};
  clock_->now = 2147483647 - 70;
  in.PressKey(8);
  std::vector<int> fired;
  for (int update = 0; update < 8; ++update) {
    KeyManager.changeStatus();
    fired.push_back(wrapper.pressedKey(8));
    clock_->now = ClockAdd(clock_->now, 40);
  }
  // Fires at -30 before the wrap, then 100 ms later (at 70 after it), and again at 190.
  EXPECT_EQ(fired, (std::vector<int>{0, 1, 0, 0, 1, 0, 0, 1}));

  // A deadline left from long ago (more than half the clock away) does not block the key.
  in.ReleaseKey(8);
  KeyManager.changeStatus();
  KeyManager.changeStatus();
  clock_->now = ClockAdd(clock_->now, 1 << 30);
  in.PressKey(8);
  KeyManager.changeStatus();
  KeyManager.changeStatus();
  EXPECT_EQ(wrapper.pressedKey(8), 1);
}
