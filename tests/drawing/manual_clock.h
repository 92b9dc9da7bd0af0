// A platform whose clock the test moves by hand (and that Delay moves);
// no window events.
#pragma once

#include "drawing/platform.h"

class ManualClock : public drawing::Platform {
 public:
  explicit ManualClock(int start, bool is_virtual = false) : now(start), virtual_(is_virtual) {}
  int now;
  void Poll(drawing::InputState&) override {}
  int Millis() override { return now; }
  // Wraps from 2^31 - 1 to 0 as the real clock does.
  void Sleep(int ms) override { now = int((static_cast<long long>(now) + ms) % (1LL << 31)); }
  bool IsVirtual() const override { return virtual_; }

 private:
  bool virtual_;
};
