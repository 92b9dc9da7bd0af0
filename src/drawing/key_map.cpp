#include "drawing/key_map.h"

#include <SDL_keycode.h>
#include <SDL_scancode.h>

namespace drawing {

int VirtualKeyFromScancode(int sc) {
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
  if (sc == SDL_SCANCODE_0) return '0';
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return 112 + (sc - SDL_SCANCODE_F1);
  if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return 97 + (sc - SDL_SCANCODE_KP_1);
  switch (sc) {
    case SDL_SCANCODE_KP_0: return 96;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_PERIOD: return 110;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_RETURN: return 13;
    case SDL_SCANCODE_PAUSE: return 19;
    case SDL_SCANCODE_CAPSLOCK: return 20;
    case SDL_SCANCODE_ESCAPE: return 27;
    case SDL_SCANCODE_SPACE: return 32;
    case SDL_SCANCODE_PAGEUP: return 33;
    case SDL_SCANCODE_PAGEDOWN: return 34;
    case SDL_SCANCODE_END: return 35;
    case SDL_SCANCODE_HOME: return 36;
    case SDL_SCANCODE_LEFT: return 37;
    case SDL_SCANCODE_UP: return 38;
    case SDL_SCANCODE_RIGHT: return 39;
    case SDL_SCANCODE_DOWN: return 40;
    case SDL_SCANCODE_PRINTSCREEN: return 44;
    case SDL_SCANCODE_INSERT: return 45;
    case SDL_SCANCODE_DELETE: return 46;
    case SDL_SCANCODE_LGUI: return 91;
    case SDL_SCANCODE_RGUI: return 92;
    case SDL_SCANCODE_APPLICATION: return 93;
    case SDL_SCANCODE_NUMLOCKCLEAR: return 144;
    case SDL_SCANCODE_SCROLLLOCK: return 145;
    case SDL_SCANCODE_LSHIFT: return 160;
    case SDL_SCANCODE_RSHIFT: return 161;
    case SDL_SCANCODE_LCTRL: return 162;
    case SDL_SCANCODE_RCTRL: return 163;
    case SDL_SCANCODE_LALT: return 164;
    case SDL_SCANCODE_RALT: return 165;
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    case SDL_SCANCODE_NONUSBACKSLASH: return 226;
    default: return 0;
  }
}

}  // namespace drawing

namespace drawing {

namespace {

// Signs by their meaning. A sign that sits on different keys of the US and
// the German layout keeps the code its key has on the layout that types it
// unshifted, so the German table's keys (ö 192, ä 222, ü 186, ß 219, ´ 221,
// < 226) and the US keys keep the codes Windows gives them.
int VirtualKeyOfSign(int c) {
  switch (c) {
    case 0xF6: return 192;  // ö
    case 0xE4: return 222;  // ä
    case 0xFC: return 186;  // ü
    case 0xDF: return 219;  // ß
    case 0xB4: return 221;  // ´ (dead acute)
    case '^': return 220;
    case '#': return 191;
    case '+': return 187;
    case '<': return 226;
    case ';': return 186;
    case '=': return 187;
    case ',': return 188;
    case '-': return 189;
    case '.': return 190;
    case '/': return 191;
    case '`': return 192;
    case '[': return 219;
    case '\\': return 220;
    case ']': return 221;
    case '\'': return 222;
    default: return 0;
  }
}

bool IsKeypad(int sc) { return sc >= SDL_SCANCODE_KP_DIVIDE && sc <= SDL_SCANCODE_KP_PERIOD; }

}  // namespace

int VirtualKeyFromKey(int keycode, int scancode) {
  // The keypad means the same on every layout; its keys may report signs
  // ('/', '*') that belong to other keys.
  if (IsKeypad(scancode)) return VirtualKeyFromScancode(scancode);
  if (keycode >= 'a' && keycode <= 'z') return keycode - 'a' + 'A';
  if (keycode >= '0' && keycode <= '9') return keycode;
  switch (keycode) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN: return 13;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_DELETE: return 46;
    default: break;
  }
  if (int sign = VirtualKeyOfSign(keycode)) return sign;
  return VirtualKeyFromScancode(scancode);
}

std::string Utf8FromLatin1(const std::string& latin1) {
  std::string out;
  for (const char ch : latin1) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) {
      out += ch;
    } else if (byte == 0x80) {
      out += "\xE2\x82\xAC";  // the euro sign
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string Latin1FromUtf8(const std::string& utf8) {
  std::string out;
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + size_t(length) > utf8.size()) {
      ++i;  // a stray or cut byte
      continue;
    }
    unsigned code = length == 1 ? lead : lead & (0x7Fu >> length);
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(utf8[i + size_t(k)]);
      valid = valid && (next >> 6) == 0x2;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (!valid) {
      ++i;
      continue;
    }
    i += size_t(length);
    if (code == 0x20AC) {
      out += '\x80';
    } else if ((code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF)) {
      out += char(code);
    }
  }
  return out;
}

const char* AltChordText(int virtual_key, bool shift) {
  if (virtual_key == 'Q') return "@";
  if (virtual_key == 'E') return "\x80";
  if (virtual_key == 219 && !shift) return "\\";
  return nullptr;
}

}  // namespace drawing
