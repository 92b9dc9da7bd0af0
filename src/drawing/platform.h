// Internal: the platform behind input and time. The desktop platform reads
// SDL events and the real clock; headless runs install a scripted one with
// a virtual clock.
#pragma once

#include <memory>
#include <string>

namespace drawing {

struct InputState {
  int mouse_x = 0, mouse_y = 0;  // window pixels
  bool mouse_down[4] = {};
  int mouse_hits[4] = {};
  bool key_down[256] = {};
  int key_hits[256] = {};
  // The modifiers (KEY_MOD_*) held when each key was last pressed, so that a
  // shortcut sent faster than one update (Ctrl, Z, up, up) keeps its Ctrl.
  unsigned char key_press_modifiers[256] = {};
  // What was typed since the last TakeTypedText, in order: Latin-1
  // characters, and '\b' and '\r' for presses of Backspace and Enter.
  std::string typed;
  bool terminate = false;
  // Minimised or unmapped: nothing drawn can be seen.
  bool window_hidden = false;
  // Counts the times the window was shown, uncovered or resized: what it
  // showed may be gone, so a frame is due even where nothing changed.
  int exposures = 0;

  // A side's Shift, Control or Alt also holds the generic code (16, 17,
  // 18) while either side is held.
  void PressKey(int key);
  void ReleaseKey(int key);
  void PressButton(int button);
  void ReleaseButton(int button);
  // Appends Latin-1 characters as the keyboard layout produced them.
  void TypeText(const std::string& latin1);
};

class Platform {
 public:
  virtual ~Platform() = default;
  // Moves pending window-system events into the input state.
  virtual void Poll(InputState& input) = 0;
  virtual int Millis() = 0;
  virtual void Sleep(int ms) = 0;
  virtual bool IsVirtual() const { return false; }
  // Called by the main loop before each fixed update (scripted input).
  virtual void BeforeUpdate(InputState& input) { (void)input; }
};

InputState& Input();
Platform& CurrentPlatform();
// Installs a platform (headless runs); null restores the desktop one.
void SetPlatform(std::unique_ptr<Platform> platform);

// Headless runs use the software renderer whatever the settings ask for.
bool ForcedSoftware();
void SetForcedSoftware(bool forced);
// Headless runs at `--scale N` open every mode N times as large, so the
// same game is drawn with N pixels per game unit; 1 otherwise.
int ForcedRenderScale();
void SetForcedRenderScale(int scale);

void SetAppTitle(const std::string& title);
const std::string& AppTitle();

// Window-system event pumping, provided by the OpenGL renderer's window.
void PumpWindowEvents(InputState& input);

}  // namespace drawing
