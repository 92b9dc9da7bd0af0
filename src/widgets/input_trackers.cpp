#include "widgets/input_trackers.h"

#include <cstddef>

#include "drawing/input.h"
#include "engine/clock_math.h"

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
    const int before = s;
    // Buttons start from the press counter, so a click shorter than one
    // update still counts; the counter is only asked in the normal state.
    if (s == KEY_STATE_NORMAL) {
      s = Advance(s, drawing::MouseHit(b) > 0, false);
    } else {
      s = Advance(s, false, drawing::MouseDown(b) != 0);
    }
    _tapped[std::size_t(b)] = before == KEY_STATE_HIT && s == KEY_STATE_UP;
  }
}

int TMouseManager::isTap(int button) const { return ValidButton(button) && _tapped[std::size_t(button)] ? 1 : 0; }

int TMouseManager::resetKey(int button) {
  if (ValidButton(button)) {
    _iKeyStatus[std::size_t(button)] = KEY_STATE_UP;
    _tapped[std::size_t(button)] = false;
  }
  return KEY_STATE_UP;
}

int TMouseManager::getStatus(int button) const {
  return ValidButton(button) ? _iKeyStatus[std::size_t(button)] : KEY_STATE_NORMAL;
}

void TKeyManager::changeStatus() {
  for (int k = 1; k <= 255; ++k) {
    int& s = _iKeyStatus[std::size_t(k)];
    const int before = s;
    const bool down = drawing::KeyDown(k) != 0;
    // Like the buttons, a key starts from its press counter as well, so a
    // tap between two updates is seen.
    const bool pressed = s == KEY_STATE_NORMAL && (drawing::KeyHit(k) > 0 || down);
    s = Advance(s, pressed, down);
    _tapped[std::size_t(k)] = before == KEY_STATE_HIT && s == KEY_STATE_UP;
  }
  _typed = drawing::TakeTypedText();
}

int TKeyManager::isTap(int key) const { return ValidKey(key) && _tapped[std::size_t(key)] ? 1 : 0; }

int TKeyManager::takeTap(int key) {
  if (!isTap(key)) return 0;
  _tapped[std::size_t(key)] = false;
  return 1;
}

std::string TKeyManager::takeTyped() {
  std::string typed;
  typed.swap(_typed);
  return typed;
}

int TKeyManager::getStatus(int key) const { return ValidKey(key) ? _iKeyStatus[std::size_t(key)] : KEY_STATE_NORMAL; }

int TKeyManager::resetKey(int key) {
  if (ValidKey(key)) {
    _iKeyStatus[std::size_t(key)] = KEY_STATE_UP;
    _tapped[std::size_t(key)] = false;
  }
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
  // A tap acts once, in the update it ended, whatever the repeat timer says.
  if (rule != 0 && KeyManager.takeTap(key)) {
    firedNow(key);
    return 1;
  }
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
  const int now = drawing::MilliSecs();
  // A next-fire time further ahead than one interval was never set by
  // this clock's recent past (never fired, or fired days ago).
  const int wait = ClockDifference(row[3], now);
  if (row[3] == 0 || wait < 0 || wait > row[2]) {
    row[3] = ClockAdd(now, row[2]);
    return 1;
  }
  return 0;
}

void TKeyWrapper::firedNow(int key) {
  if (ValidKey(key)) _iKeySet[std::size_t(key)][3] = ClockAdd(drawing::MilliSecs(), _iKeySet[std::size_t(key)][2]);
}

void TKeyWrapper::resetKey(int key) {
  if (ValidKey(key)) _iKeySet[std::size_t(key)] = {0, 0, 0, 0};
}
