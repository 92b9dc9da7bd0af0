// Per-update snapshots of the mouse buttons and keys, with key repeat.
// The main loop advances them once per fixed update; everything else reads.
#pragma once

#include <array>
#include <string>

// States of a button or key.
constexpr int KEY_STATE_NORMAL = 0;  // not pressed
constexpr int KEY_STATE_HIT = 1;     // first update of a press
constexpr int KEY_STATE_DOWN = 2;    // still held
constexpr int KEY_STATE_UP = 3;      // released in this update, or consumed

// A press that ends before it was ever seen held (pressed and released
// between two updates, or within one) is a tap: it reads hit, then up, and
// in that up update isTap is 1, so it still counts as one whole click or
// keystroke.
class TMouseManager {
 public:
  int LastMouseX = 0;
  int LastMouseY = 0;
  unsigned char MousePosChanged = 0;
  int errorboxes = 0;
  std::array<int, 4> _iKeyStatus{};  // buttons 1 left, 2 right, 3 middle
  std::array<bool, 4> _tapped{};

  int isNormal(int button) const { return getStatus(button) == KEY_STATE_NORMAL; }
  int IsHit(int button) const { return getStatus(button) == KEY_STATE_HIT; }
  int IsDown(int button) const { return getStatus(button) == KEY_STATE_DOWN; }
  int isUp(int button) const { return getStatus(button) == KEY_STATE_UP; }
  // 1 in the up update of a tap that was not consumed by resetKey.
  int isTap(int button) const;
  void changeStatus(int errorboxes);
  int resetKey(int button);
  int getStatus(int button) const;
};

class TKeyManager {
 public:
  std::array<int, 256> _iKeyStatus{};
  std::array<bool, 256> _tapped{};
  // What was typed in this update (see takeTyped).
  std::string _typed;

  int isNormal(int key) const { return getStatus(key) == KEY_STATE_NORMAL; }
  int IsHit(int key) const { return getStatus(key) == KEY_STATE_HIT; }
  int IsDown(int key) const { return getStatus(key) == KEY_STATE_DOWN; }
  int isUp(int key) const { return getStatus(key) == KEY_STATE_UP; }
  // 1 while the key is pressed (hit or down): what modifiers are asked,
  // e.g. IsHeld(drawing::KEY_SHIFT) for either Shift key.
  int IsHeld(int key) const { return IsHit(key) || IsDown(key); }
  int isTap(int key) const;
  // Takes the tap of this update, so that it acts only once.
  int takeTap(int key);
  void changeStatus();
  int getStatus(int key) const;
  int resetKey(int key);
  // The characters typed in this update as the player's layout made them
  // (Latin-1), with '\b' and '\r' where Backspace and Enter were pressed;
  // the first call in an update takes them, later ones get "".
  std::string takeTyped();
};

class TKeyWrapper {
 public:
  // Per key: rule bits (1 route hits through hitKey, 2 repeat while held),
  // first delay, repeat interval, time after which the key may fire next.
  std::array<std::array<int, 4>, 256> _iKeySet{};

  TKeyWrapper();
  void allowKey(int key, int rule, int firstDelay, int repeatDelay);
  int pressedKey(int key);
  int hitKey(int key);
  int holdKey(int key);
  void resetKey(int key);
  // The key acted now by other means (typed text): it repeats one repeat
  // interval from now.
  void firedNow(int key);
};

extern TMouseManager MouseManager;
extern TKeyManager KeyManager;
extern TKeyWrapper KeyWrapper;
