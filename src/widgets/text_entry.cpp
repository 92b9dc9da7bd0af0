// Typing into a text input: the characters come as the player's keyboard
// layout made them, in the order they were typed; Backspace and Enter act
// where they were pressed among them and repeat by the game's rules while
// held.
#include <string>

#include "drawing/input.h"
#include "widgets/gui_object.h"
#include "widgets/input_trackers.h"

std::string TGUIobject::Input2Value(std::string text) {
  for (const char c : KeyManager.takeTyped()) {
    if (c == '\b') {
      if (!text.empty()) text.pop_back();
      KeyWrapper.firedNow(drawing::KEY_BACKSPACE);
    } else if (c == '\r') {
      EnterPressed = 1;
      KeyWrapper.firedNow(drawing::KEY_ENTER);
    } else {
      text += c;
    }
  }
  // The press itself acted above; held, the keys repeat.
  if (KeyManager.IsDown(drawing::KEY_BACKSPACE) && KeyWrapper.pressedKey(drawing::KEY_BACKSPACE) && !text.empty()) {
    text.pop_back();
  }
  if (KeyManager.IsDown(drawing::KEY_ENTER) && KeyWrapper.pressedKey(drawing::KEY_ENTER)) EnterPressed = 1;
  return text;
}
