#include "drawing/input.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "drawing/platform.h"

namespace drawing {

namespace {

class DesktopPlatform : public Platform {
 public:
  void Poll(InputState& input) override { PumpWindowEvents(input); }
  int Millis() override {
    // Milliseconds of the monotonic clock (time since system start),
    // kept within the int range; callers take differences wrap-safe.
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    return int(ms % 2147483648LL);
  }
  void Sleep(int ms) override {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
};

InputState g_input;
std::unique_ptr<Platform> g_platform;
bool g_forced_software = false;
std::string g_title = "Gridlet";

bool ValidButton(int b) { return b >= 1 && b <= 3; }
bool ValidKey(int k) { return k >= 1 && k <= 255; }

}  // namespace

void InputState::PressKey(int key) {
  if (!ValidKey(key)) return;
  if (!key_down[key]) ++key_hits[key];
  key_down[key] = true;
}

void InputState::ReleaseKey(int key) {
  if (ValidKey(key)) key_down[key] = false;
}

void InputState::PressButton(int button) {
  if (!ValidButton(button)) return;
  if (!mouse_down[button]) ++mouse_hits[button];
  mouse_down[button] = true;
}

void InputState::ReleaseButton(int button) {
  if (ValidButton(button)) mouse_down[button] = false;
}

InputState& Input() { return g_input; }

Platform& CurrentPlatform() {
  if (!g_platform) g_platform = std::make_unique<DesktopPlatform>();
  return *g_platform;
}

void SetPlatform(std::unique_ptr<Platform> platform) { g_platform = std::move(platform); }
bool ForcedSoftware() { return g_forced_software; }
void SetForcedSoftware(bool forced) { g_forced_software = forced; }
void SetAppTitle(const std::string& title) { g_title = title; }
const std::string& AppTitle() { return g_title; }

int MouseX() { return g_input.mouse_x; }
int MouseY() { return g_input.mouse_y; }

int MouseHit(int button) {
  if (!ValidButton(button)) return 0;
  int n = g_input.mouse_hits[button];
  g_input.mouse_hits[button] = 0;
  return n;
}

int MouseDown(int button) { return ValidButton(button) && g_input.mouse_down[button] ? 1 : 0; }

int KeyHit(int key) {
  if (!ValidKey(key)) return 0;
  int n = g_input.key_hits[key];
  g_input.key_hits[key] = 0;
  return n;
}

int KeyDown(int key) { return ValidKey(key) && g_input.key_down[key] ? 1 : 0; }

void FlushKeys() {
  std::fill(std::begin(g_input.key_hits), std::end(g_input.key_hits), 0);
  std::fill(std::begin(g_input.key_down), std::end(g_input.key_down), false);
}

void FlushMouse() {
  std::fill(std::begin(g_input.mouse_hits), std::end(g_input.mouse_hits), 0);
  std::fill(std::begin(g_input.mouse_down), std::end(g_input.mouse_down), false);
}

void PollSystem() { CurrentPlatform().Poll(g_input); }
bool AppTerminate() {
  PollSystem();
  return g_input.terminate;
}

int MilliSecs() { return CurrentPlatform().Millis(); }
void Delay(int ms) {
  CurrentPlatform().Sleep(ms);
  PollSystem();
}
bool ClockIsVirtual() { return CurrentPlatform().IsVirtual(); }
void BeginFixedUpdate() { CurrentPlatform().BeforeUpdate(g_input); }

}  // namespace drawing
