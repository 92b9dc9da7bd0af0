// Arithmetic on the game's millisecond clock (MilliSecs), which counts from
// 0 up to 2^31 - 1 and then starts again at 0. Every sum and difference of
// clock values goes through these two helpers, so that timers, play times
// and scores stay right when a game spans the wrap.
#pragma once

#include <cstdint>

inline constexpr int64_t kClockPeriod = int64_t(1) << 31;

// The clock value `milliseconds` after `clock` (before it when negative).
constexpr int ClockAdd(int clock, int milliseconds) {
  int64_t v = (int64_t(clock) + milliseconds) % kClockPeriod;
  if (v < 0) v += kClockPeriod;
  return int(v);
}

// Milliseconds from `b` to `a`: negative when `a` lies before `b`. Exact
// while the two readings are less than 2^30 ms (about 12 days) apart.
constexpr int ClockDifference(int a, int b) {
  int64_t d = (int64_t(a) - b) % kClockPeriod;
  if (d < 0) d += kClockPeriod;
  if (d >= kClockPeriod / 2) d -= kClockPeriod;
  return int(d);
}
