// The keyboard-to-text table of the text inputs: a German layout, one key
// at a time through the repeat wrapper, in a fixed order.
#include <iterator>
#include <string>

#include "widgets/gui_object.h"
#include "widgets/input_trackers.h"

namespace {

constexpr int KEY_LSHIFT = 160, KEY_RSHIFT = 161, KEY_LALT = 164, KEY_RALT = 165;

// Latin-1 (the game's 8-bit text); the euro sign has no Latin-1 code and
// takes the one Windows code pages give it.
constexpr char kEuro = '\x80';

struct KeyText {
  int key;
  const char* plain;
  const char* shifted;  // null: Shift is ignored
};

// The keys after the letters, in the order they are asked.
constexpr KeyText kSymbolKeys[] = {
    {192, "\xF6", "\xD6"}, {222, "\xE4", "\xC4"}, {186, "\xFC", "\xDC"}, {48, "0", "="}, {49, "1", "!"},
    {50, "2", "\""},       {51, "3", "\xA7"},     {52, "4", "$"},        {53, "5", "%"}, {54, "6", "&"},
    {55, "7", "/"},        {56, "8", "("},        {57, "9", ")"},
};
constexpr KeyText kPunctuationKeys[] = {
    {221, "\xB4", "`"}, {188, ",", ";"}, {189, "-", "_"}, {190, ".", ":"}, {226, "<", ">"},
};
constexpr KeyText kKeypadKeys[] = {
    {106, "*", nullptr}, {111, "/", nullptr}, {109, "-", nullptr}, {110, ",", nullptr},
};

bool Held(int left, int right) { return KeyManager.IsDown(left) || KeyManager.IsDown(right); }

void AppendKeys(std::string& text, const KeyText* keys, size_t count, bool shift) {
  for (size_t i = 0; i < count; ++i) {
    if (!KeyWrapper.pressedKey(keys[i].key)) continue;
    text += shift && keys[i].shifted ? keys[i].shifted : keys[i].plain;
  }
}

}  // namespace

std::string TGUIobject::Input2Value(std::string text) {
  const bool shift = Held(KEY_LSHIFT, KEY_RSHIFT);
  const bool alt = Held(KEY_LALT, KEY_RALT);

  for (int key = 65; key <= 90; ++key) {
    if (!KeyWrapper.pressedKey(key)) continue;
    if (alt && key == 69) {
      text += kEuro;
    } else if (alt && key == 81) {
      text += '@';
    } else {
      text += char(shift ? key : key + 32);
    }
  }
  AppendKeys(text, kSymbolKeys, std::size(kSymbolKeys), shift);
  if (KeyWrapper.pressedKey(219)) text += shift ? "?" : alt ? "\\" : "\xDF";
  AppendKeys(text, kPunctuationKeys, std::size(kPunctuationKeys), shift);
  if (KeyWrapper.pressedKey(8) && !text.empty()) text.pop_back();
  AppendKeys(text, kKeypadKeys, std::size(kKeypadKeys), false);
  for (int key = 96; key <= 105; ++key) {
    if (KeyWrapper.pressedKey(key)) text += char('0' + key - 96);
  }
  if (KeyWrapper.pressedKey(32)) text += ' ';
  if (KeyWrapper.pressedKey(13)) EnterPressed = 1;
  return text;
}
