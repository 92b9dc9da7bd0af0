#include "shell/loop_pacing.h"

#include <algorithm>
#include <cmath>

int IdleSleepMs(float update_due_s, float frame_due_s, bool frames_wanted, bool virtual_clock) {
  if (virtual_clock) return 1;
  float due = update_due_s;
  if (frames_wanted) due = std::min(due, frame_due_s);
  // Rounded up: waking early would cost one more pass for nothing; an
  // update due within the millisecond slept over keeps its time (the loop
  // counts elapsed time). Never more than one update's time.
  const float ms = std::ceil(due * 1000.0f);
  return int(std::clamp(ms, 1.0f, 17.0f));
}
