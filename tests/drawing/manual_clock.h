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
  void Sleep(int ms) override { now += ms; }
  bool IsVirtual() const override { return virtual_; }

 private:
  bool virtual_;
};
