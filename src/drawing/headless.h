// Headless runs: the program with the software renderer, a virtual clock
// and input read from a script, so whole games replay exactly.
//
// Script lines (blank lines and lines starting with # are ignored;
// coordinates are game coordinates):
//   wait N         run exactly N fixed updates
//   move X Y       put the pointer at (X, Y)
//   click X Y      left button pressed at (X, Y), held for 3 updates,
//   rclick X Y     released, then 1 more update (rclick: right button)
//   key CODE       virtual key pressed for 3 updates, released, 1 more update
//   keydown CODE   virtual key pressed at once, without an update of its own
//   keyup CODE     virtual key released at once (keydown then keyup: a tap)
//   type TEXT      each character typed as key CODE is pressed (Latin-1;
//                  letters, digits and blanks also press their key)
//   shot FILE      save the last drawn frame of the game area as PNG
//                  (a relative FILE is taken from the folder the run began in)
//   texts FILE     save the text runs of the last drawn frame, one a line:
//                  "X0 Y0 X1 Y1 TEXT" (the box in game coordinates)
//   hidetext       (anywhere) draw no text in the whole run, so that its
//                  shots show what lies behind the text
//   clock N        (first line only) start the virtual clock at N ms
//   quit           end the program as a closed window would
#pragma once

#include <string>
#include <vector>

namespace drawing {

struct ScriptCommand {
  enum Kind { kWait, kMove, kClick, kRightClick, kKey, kKeyDown, kKeyUp, kType, kShot, kTexts, kHideText, kClock, kQuit } kind;
  int a = 0, b = 0;
  std::string text;
  int line = 0;
};

// Parses a script; on a bad line returns false with a message naming it.
bool ParseScript(const std::string& source, std::vector<ScriptCommand>& out, std::string& error);

// Installs the headless platform with the script's commands and makes the
// software renderer the only one. False with a message when the script
// cannot be read or has a bad line.
bool StartHeadless(const std::string& script_path, std::string& error);

// Headless runs at this many pixels per game unit (1 to 3): the game opens
// its modes that many times as large and loads its pictures to match.
void SetHeadlessScale(int scale);

// The virtual-key code a script types for a character; 0 for none.
int ScriptKeyForChar(char c);

}  // namespace drawing
