// Keys by their meaning on the active layout, and typed text as Latin-1.
#include <gtest/gtest.h>

#include <SDL_keycode.h>
#include <SDL_scancode.h>

#include "drawing/key_map.h"

using drawing::Latin1FromUtf8;
using drawing::VirtualKeyFromKey;

TEST(KeyMap, KeysFollowTheirMeaningNotTheirPlace) {
  // German layout: the key at the US Y place means Z, the US Z place means Y.
  EXPECT_EQ(VirtualKeyFromKey(SDLK_z, SDL_SCANCODE_Y), 'Z');
  EXPECT_EQ(VirtualKeyFromKey(SDLK_y, SDL_SCANCODE_Z), 'Y');
  // The German table's own keys keep their codes wherever they sit.
  EXPECT_EQ(VirtualKeyFromKey(0xF6, SDL_SCANCODE_SEMICOLON), 192);   // ö
  EXPECT_EQ(VirtualKeyFromKey(0xE4, SDL_SCANCODE_APOSTROPHE), 222);  // ä
  EXPECT_EQ(VirtualKeyFromKey(0xFC, SDL_SCANCODE_LEFTBRACKET), 186); // ü
  EXPECT_EQ(VirtualKeyFromKey(0xDF, SDL_SCANCODE_MINUS), 219);       // ß
  EXPECT_EQ(VirtualKeyFromKey(0xB4, SDL_SCANCODE_EQUALS), 221);      // ´
  EXPECT_EQ(VirtualKeyFromKey('<', SDL_SCANCODE_NONUSBACKSLASH), 226);
  EXPECT_EQ(VirtualKeyFromKey('-', SDL_SCANCODE_SLASH), 189);
  // US layout: its apostrophe is not the German ä key's position by accident;
  // it keeps the code Windows gives it there.
  EXPECT_EQ(VirtualKeyFromKey('\'', SDL_SCANCODE_APOSTROPHE), 222);
  EXPECT_EQ(VirtualKeyFromKey('=', SDL_SCANCODE_EQUALS), 187);
  EXPECT_EQ(VirtualKeyFromKey('1', SDL_SCANCODE_1), '1');
  EXPECT_EQ(VirtualKeyFromKey(SDLK_DELETE, SDL_SCANCODE_DELETE), 46);
  EXPECT_EQ(VirtualKeyFromKey(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE), 8);
}

TEST(KeyMap, KeysWithoutAMeaningOfTheirOwnFallBackToTheirPlace) {
  // The keypad reports signs of other keys; it stays the keypad.
  EXPECT_EQ(VirtualKeyFromKey('/', SDL_SCANCODE_KP_DIVIDE), 111);
  EXPECT_EQ(VirtualKeyFromKey('*', SDL_SCANCODE_KP_MULTIPLY), 106);
  EXPECT_EQ(VirtualKeyFromKey(SDLK_KP_7, SDL_SCANCODE_KP_7), 103);
  EXPECT_EQ(VirtualKeyFromKey(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), 13);
  // Arrows, function keys, modifiers, and letters of other alphabets.
  EXPECT_EQ(VirtualKeyFromKey(SDLK_LEFT, SDL_SCANCODE_LEFT), 37);
  EXPECT_EQ(VirtualKeyFromKey(SDLK_F12, SDL_SCANCODE_F12), 123);
  EXPECT_EQ(VirtualKeyFromKey(SDLK_RSHIFT, SDL_SCANCODE_RSHIFT), 161);
  EXPECT_EQ(VirtualKeyFromKey(0x044F, SDL_SCANCODE_Z), 'Z');  // Cyrillic я
  EXPECT_EQ(VirtualKeyFromKey(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), 0);
}

TEST(KeyMap, EveryKeypadDigitIsItsOwnKeyOnEveryLayout) {
  const int scancodes[10] = {SDL_SCANCODE_KP_0, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_2, SDL_SCANCODE_KP_3,
                             SDL_SCANCODE_KP_4, SDL_SCANCODE_KP_5, SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_7,
                             SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_9};
  const int keycodes[10] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                            SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
  for (int d = 0; d <= 9; ++d) {
    EXPECT_EQ(VirtualKeyFromKey(keycodes[d], scancodes[d]), 96 + d) << "keypad " << d;
    // Without Num Lock, or on a layout that sends digits for the keypad.
    EXPECT_EQ(VirtualKeyFromKey('0' + d, scancodes[d]), 96 + d) << "keypad " << d;
  }
}

TEST(KeyMap, TypedTextIsKeptToLatin1) {
  EXPECT_EQ(Latin1FromUtf8("J\xC3\xBCrgen"), "J\xFCrgen");
  EXPECT_EQ(Latin1FromUtf8("Wei\xC3\x9F \xC3\xA4\xC3\xB6 \xC2\xA7"), "Wei\xDF \xE4\xF6 \xA7");
  EXPECT_EQ(Latin1FromUtf8("\xE2\x82\xAC"), "\x80") << "the euro sign as Windows stores it";
  EXPECT_EQ(Latin1FromUtf8("a\xE2\x80\x94" "b\xF0\x9F\x98\x80" "c"), "abc") << "beyond Latin-1: dropped";
  EXPECT_EQ(Latin1FromUtf8("a\tb\x7F" "c\xC2\x85"), "abc") << "control characters: dropped";
  EXPECT_EQ(Latin1FromUtf8("a\xC3"), "a") << "a cut sequence";
  EXPECT_EQ(Latin1FromUtf8("\xBF" "a\xC3(b"), "a(b") << "stray and broken bytes";
}

TEST(KeyMap, Latin1TextWritesBackAsTheSameUtf8) {
  std::string all;
  for (int byte = 0x20; byte <= 0xFF; ++byte)
    if (byte != 0x7F && (byte < 0x81 || byte >= 0xA0)) all += char(byte);
  EXPECT_EQ(Latin1FromUtf8(drawing::Utf8FromLatin1(all)), all);
  EXPECT_EQ(drawing::Utf8FromLatin1("\xFC\x80"), "\xC3\xBC\xE2\x82\xAC");
}

TEST(KeyMap, TheLeftAltChordsOfTheGermanTable) {
  EXPECT_STREQ(drawing::AltChordText('Q', false), "@");
  EXPECT_STREQ(drawing::AltChordText('Q', true), "@") << "Alt is asked before Shift";
  EXPECT_STREQ(drawing::AltChordText('E', false), "\x80");
  EXPECT_STREQ(drawing::AltChordText(219, false), "\\");
  EXPECT_EQ(drawing::AltChordText(219, true), nullptr) << "Shift is asked before Alt here";
  EXPECT_EQ(drawing::AltChordText('A', false), nullptr);
}
