// Polled input, time and the window-closed query.
#pragma once

#include <string>

namespace drawing {

// Virtual-key codes (as on Windows), the game's key identifiers. A key's
// code follows what it means on the player's keyboard layout (the key
// labelled Z is KEY_A + 25 on every layout), not where it sits.
enum Key {
  KEY_BACKSPACE = 8, KEY_TAB = 9, KEY_ENTER = 13, KEY_SHIFT = 16, KEY_CONTROL = 17, KEY_ALT = 18,
  KEY_ESCAPE = 27, KEY_SPACE = 32,
  KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40, KEY_DELETE = 46,
  KEY_0 = 48, KEY_A = 65, KEY_NUM0 = 96, KEY_F1 = 112, KEY_F12 = 123,
  KEY_LSHIFT = 160, KEY_RSHIFT = 161, KEY_LCONTROL = 162, KEY_RCONTROL = 163,
  KEY_LALT = 164, KEY_RALT = 165,
};

// Pointer position in window pixels.
int MouseX();
int MouseY();
// Presses since the last query of this button (1 left, 2 right, 3 middle).
int MouseHit(int button);
// 1 while held.
int MouseDown(int button);
int KeyHit(int key);
int KeyDown(int key);
// The modifiers held when the key was last pressed: KEY_MOD_SHIFT and
// KEY_MOD_CONTROL bits.
enum KeyModifier { KEY_MOD_SHIFT = 1, KEY_MOD_CONTROL = 2 };
int KeyPressModifiers(int key);
void FlushKeys();
// What was typed since the last call (see InputState::typed) and clears it.
std::string TakeTypedText();
void FlushMouse();
// Handles pending window messages.
void PollSystem();
// True once the window system asked the program to end (window closed,
// or the window lost).
bool AppTerminate();
// The same as of the last poll, without polling: for work that runs inside
// one update and must not take the window's events out of turn.
bool AppTerminateSeen();
// Runs when the connection to the display breaks and the program must end
// at once, no way back to the main loop: the game saves itself here.
void SetDisplayLostHandler(void (*handler)());

// True while the window is minimised or hidden (as of the last poll).
bool WindowHidden();
// How often the window was shown, uncovered or resized so far.
int WindowExposures();

// Milliseconds since start, counting up to 2^31 - 1 and then from 0 again
// (engine/clock_math.h subtracts them); Delay sleeps.
int MilliSecs();
void Delay(int ms);
// True in headless runs, where time only moves when the program waits.
bool ClockIsVirtual();
// The main loop calls this before each fixed update; headless runs feed
// their scripted input here.
void BeginFixedUpdate();

}  // namespace drawing
