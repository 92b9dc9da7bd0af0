// Per-update snapshots of the mouse buttons and keys, with key repeat.
// The main loop advances them once per fixed update; everything else reads.
#pragma once

#include <array>

// States of a button or key.
constexpr int KEY_STATE_NORMAL = 0;  // not pressed
constexpr int KEY_STATE_HIT = 1;     // first update of a press
constexpr int KEY_STATE_DOWN = 2;    // still held
constexpr int KEY_STATE_UP = 3;      // released in this update, or consumed

class TMouseManager {
 public:
  int LastMouseX = 0;
  int LastMouseY = 0;
  unsigned char MousePosChanged = 0;
  int errorboxes = 0;
  std::array<int, 4> _iKeyStatus{};  // buttons 1 left, 2 right, 3 middle

  int isNormal(int button) const { return getStatus(button) == KEY_STATE_NORMAL; }
  int IsHit(int button) const { return getStatus(button) == KEY_STATE_HIT; }
  int IsDown(int button) const { return getStatus(button) == KEY_STATE_DOWN; }
  int isUp(int button) const { return getStatus(button) == KEY_STATE_UP; }
  void changeStatus(int errorboxes);
  int resetKey(int button);
  int getStatus(int button) const;
};

class TKeyManager {
 public:
  std::array<int, 256> _iKeyStatus{};

  int isNormal(int key) const { return getStatus(key) == KEY_STATE_NORMAL; }
  int IsHit(int key) const { return getStatus(key) == KEY_STATE_HIT; }
  int IsDown(int key) const { return getStatus(key) == KEY_STATE_DOWN; }
  int isUp(int key) const { return getStatus(key) == KEY_STATE_UP; }
  void changeStatus();
  int getStatus(int key) const;
  int resetKey(int key);
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
};

extern TMouseManager MouseManager;
extern TKeyManager KeyManager;
extern TKeyWrapper KeyWrapper;
