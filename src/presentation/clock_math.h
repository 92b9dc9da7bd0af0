// Arithmetic on the millisecond clock, which is an int that wraps after
// about 24 days: sums and differences wrap the same way instead of
// overflowing.
#pragma once

#include <cstdint>

inline int ClockAdd(int clock, int milliseconds) {
  return int32_t(uint32_t(clock) + uint32_t(milliseconds));
}

// Negative when `a` lies before `b`.
inline int ClockDifference(int a, int b) { return int32_t(uint32_t(a) - uint32_t(b)); }
