// What the option menu and its play-aids page share: opened from the play
// screen they sit 100 pixels higher over the board, else over the start
// screen.
#pragma once

#include <string>

// Whether the options were opened over the running game.
bool OptionsOverPlayScreen();

// Raises a screen's widgets for as long as it lives (over the board only).
class TRaisedWidgets {
 public:
  TRaisedWidgets(std::string group, bool raise);
  ~TRaisedWidgets();
  TRaisedWidgets(const TRaisedWidgets&) = delete;
  TRaisedWidgets& operator=(const TRaisedWidgets&) = delete;

 private:
  std::string group_;
  bool raise_;
};

// Draws what lies under the options (the board, or the start screen) and
// returns the vertical shift of everything drawn over it.
float DrawOptionsBackground();
