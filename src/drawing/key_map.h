// Internal: SDL keys and text to the game's virtual-key codes and 8-bit text.
#pragma once

#include <string>

namespace drawing {

// The virtual-key code of a physical key (US positions), 0 when it has none.
int VirtualKeyFromScancode(int scancode);

// The virtual-key code of a key by what it means on the active layout
// (its SDL keycode): letters, digits and signs by their character, so the
// key labelled Z is Z on every layout. Keys whose meaning has no code of
// their own (keypad, function keys, other alphabets) fall back to their
// position.
int VirtualKeyFromKey(int keycode, int scancode);

// The Latin-1 characters of UTF-8 text, which is what the game's fonts and
// files hold: the euro sign becomes 0x80 (as on Windows), control
// characters, malformed bytes and characters beyond Latin-1 are dropped.
std::string Latin1FromUtf8(const std::string& utf8);
// The inverse: the game's Latin-1 text (0x80 the euro sign) as UTF-8.
std::string Utf8FromLatin1(const std::string& latin1);

// What the German keyboard types for Alt with this key (Q "@", E the euro
// sign, the sharp-s key "\\"); null for keys Alt leaves alone.
const char* AltChordText(int virtual_key, bool shift);

}  // namespace drawing
