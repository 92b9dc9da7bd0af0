// How long an idle main loop sleeps: until the next update or frame, never
// waking early (one more pass for nothing) nor sleeping through an update.
#include <gtest/gtest.h>

#include "shell/loop_pacing.h"

TEST(LoopPacing, SleepsUntilTheNextUpdateOrFrameIsDue) {
  const struct {
    float update_s, frame_s;
    bool frames, virtual_clock;
    int ms;
  } cases[] = {
      {0.0095f, 0.0195f, true, false, 10},   // the update comes first
      {0.0095f, 0.0035f, true, false, 4},    // the frame comes first
      {0.0095f, 0.0035f, false, false, 10},  // hidden: frames do not wake it
      {0.0041f, 0.0500f, true, false, 5},    // a part of a millisecond is slept over, not cut
      {0.0001f, 0.0500f, true, false, 1},    // at least one millisecond
      {-0.003f, 0.0500f, true, false, 1},    // overdue: still one, not a spin
      {0.5000f, 0.5000f, false, false, 17},  // never longer than one update
      {0.0095f, 0.0195f, true, true, 1},     // a virtual clock keeps its exact schedule
  };
  for (const auto& c : cases)
    EXPECT_EQ(IdleSleepMs(c.update_s, c.frame_s, c.frames, c.virtual_clock), c.ms)
        << c.update_s << " " << c.frame_s << " " << c.frames << " " << c.virtual_clock;
}
