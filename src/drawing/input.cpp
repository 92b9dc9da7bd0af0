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
    return int(ms % (1LL << 31));
  }
  void Sleep(int ms) override {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
};

InputState g_input;
std::unique_ptr<Platform> g_platform;
bool g_forced_software = false;
int g_forced_render_scale = 1;
std::string g_title = "Gridlet";

bool ValidButton(int b) { return b >= 1 && b <= 3; }
bool ValidKey(int k) { return k >= 1 && k <= 255; }

// More typing than this between two updates is no player's.
constexpr size_t kMaxTyped = 4096;

// The generic code of a side's Shift, Control or Alt; 0 for other keys.
int GenericKeyOf(int key) {
  if (key == KEY_LSHIFT || key == KEY_RSHIFT) return KEY_SHIFT;
  if (key == KEY_LCONTROL || key == KEY_RCONTROL) return KEY_CONTROL;
  if (key == KEY_LALT || key == KEY_RALT) return KEY_ALT;
  return 0;
}

void Press(InputState& in, int key) {
  if (!in.key_down[key]) ++in.key_hits[key];
  in.key_down[key] = true;
}

}  // namespace

void InputState::PressKey(int key) {
  if (!ValidKey(key)) return;
  // Editing keys take their place among the characters typed around them.
  if (!key_down[key] && (key == KEY_BACKSPACE || key == KEY_ENTER) && typed.size() < kMaxTyped) {
    typed += char(key == KEY_BACKSPACE ? '\b' : '\r');
  }
  if (!key_down[key]) {
    key_press_modifiers[key] = static_cast<unsigned char>((key_down[KEY_SHIFT] ? KEY_MOD_SHIFT : 0) |
                                                          (key_down[KEY_CONTROL] ? KEY_MOD_CONTROL : 0));
  }
  Press(*this, key);
  if (int generic = GenericKeyOf(key)) Press(*this, generic);
}

void InputState::ReleaseKey(int key) {
  if (!ValidKey(key)) return;
  key_down[key] = false;
  const int generic = GenericKeyOf(key);
  if (generic == 0) return;
  const int other_side = key % 2 == 0 ? key + 1 : key - 1;
  if (!key_down[other_side]) key_down[generic] = false;
}

void InputState::TypeText(const std::string& latin1) {
  typed += latin1.substr(0, kMaxTyped - std::min(kMaxTyped, typed.size()));
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
int ForcedRenderScale() { return g_forced_render_scale; }
void SetForcedRenderScale(int scale) { g_forced_render_scale = std::clamp(scale, 1, 4); }
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

int KeyPressModifiers(int key) { return ValidKey(key) ? g_input.key_press_modifiers[key] : 0; }

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
  g_input.typed.clear();
}

std::string TakeTypedText() {
  std::string text;
  text.swap(g_input.typed);
  return text;
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

bool AppTerminateSeen() { return g_input.terminate; }

bool WindowHidden() { return g_input.window_hidden; }
int WindowExposures() { return g_input.exposures; }

int MilliSecs() { return CurrentPlatform().Millis(); }
void Delay(int ms) {
  CurrentPlatform().Sleep(ms);
  PollSystem();
}
bool ClockIsVirtual() { return CurrentPlatform().IsVirtual(); }
void BeginFixedUpdate() { CurrentPlatform().BeforeUpdate(g_input); }

}  // namespace drawing
