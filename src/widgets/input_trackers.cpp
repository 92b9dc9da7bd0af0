#include "widgets/input_trackers.h"

#include <cstddef>

#include "drawing/input.h"

TMouseManager MouseManager;
TKeyManager KeyManager;
TKeyWrapper KeyWrapper;

namespace {

bool ValidButton(int b) { return b >= 0 && b < 4; }
bool ValidKey(int k) { return k >= 0 && k < 256; }

// One transition of the four-state cycle; pressed_now starts a press,
// held tells whether it goes on.
int Advance(int state, bool pressed_now, bool held) {
  switch (state) {
    case KEY_STATE_NORMAL: return pressed_now ? KEY_STATE_HIT : KEY_STATE_NORMAL;
    case KEY_STATE_HIT: return held ? KEY_STATE_DOWN : KEY_STATE_UP;
    case KEY_STATE_DOWN: return held ? KEY_STATE_DOWN : KEY_STATE_UP;
    default: return KEY_STATE_NORMAL;
  }
}

}  // namespace

void TMouseManager::changeStatus(int boxes) {
  errorboxes = boxes;
  MousePosChanged = 0;
  int x = drawing::MouseX(), y = drawing::MouseY();
  if (x != LastMouseX || y != LastMouseY) {
    MousePosChanged = 1;
    LastMouseX = x;
    LastMouseY = y;
  }
  for (int b = 1; b <= 3; ++b) {
    int& s = _iKeyStatus[std::size_t(b)];
    // Buttons start from the press counter, so a click shorter than one
    // update still counts; the counter is only asked in the normal state.
    if (s == KEY_STATE_NORMAL) {
      s = Advance(s, drawing::MouseHit(b) > 0, false);
    } else {
      s = Advance(s, false, drawing::MouseDown(b) != 0);
    }
  }
}

int TMouseManager::resetKey(int button) {
  if (ValidButton(button)) _iKeyStatus[std::size_t(button)] = KEY_STATE_UP;
  return KEY_STATE_UP;
}

int TMouseManager::getStatus(int button) const {
  return ValidButton(button) ? _iKeyStatus[std::size_t(button)] : KEY_STATE_NORMAL;
}

void TKeyManager::changeStatus() {
  for (int k = 1; k <= 255; ++k) {
    bool down = drawing::KeyDown(k) != 0;
    _iKeyStatus[std::size_t(k)] = Advance(_iKeyStatus[std::size_t(k)], down, down);
  }
}

int TKeyManager::getStatus(int key) const { return ValidKey(key) ? _iKeyStatus[std::size_t(key)] : KEY_STATE_NORMAL; }

int TKeyManager::resetKey(int key) {
  if (ValidKey(key)) _iKeyStatus[std::size_t(key)] = KEY_STATE_UP;
  return KEY_STATE_UP;
}

TKeyWrapper::TKeyWrapper() {
  for (int k = 0; k < 256; ++k) allowKey(k, 3, 500, 100);
}

void TKeyWrapper::allowKey(int key, int rule, int firstDelay, int repeatDelay) {
  if (!ValidKey(key)) return;
  auto& row = _iKeySet[std::size_t(key)];
  row[0] = rule;
  if (rule & 1) row[1] = firstDelay;
  if (rule & 2) row[2] = repeatDelay;
}

int TKeyWrapper::pressedKey(int key) {
  if (!ValidKey(key)) return 0;
  int state = KeyManager.getStatus(key);
  int rule = _iKeySet[std::size_t(key)][0];
  if (state == KEY_STATE_NORMAL || state == KEY_STATE_UP) return 0;
  if (state == KEY_STATE_HIT && (rule & 1)) return hitKey(key);
  if (rule & 2) return holdKey(key);
  return 0;
}

int TKeyWrapper::hitKey(int key) {
  (void)key;
  return 0;
}

int TKeyWrapper::holdKey(int key) {
  if (!ValidKey(key)) return 0;
  auto& row = _iKeySet[std::size_t(key)];
  if (!(row[0] & 2)) return 0;
  int now = drawing::MilliSecs();
  if (now > row[3]) {
    row[3] = now + row[2];
    return 1;
  }
  return 0;
}

void TKeyWrapper::resetKey(int key) {
  if (ValidKey(key)) _iKeySet[std::size_t(key)] = {0, 0, 0, 0};
}
