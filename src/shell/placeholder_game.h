// A small stand-in game object for the loop until the real screens exist:
// a board grid that follows the pointer, so window, cursor, F12 and Escape
// can be tried.
#pragma once

#include "drawing/font.h"
#include "shell/base_game.h"

class TPlaceholderGame : public TBaseGame {
 public:
  TPlaceholderGame();
  void Update() override;
  void Draw(int flag) override;

 private:
  drawing::ImageFontPtr title_font_;
  drawing::ImageFontPtr text_font_;
  int hover_col_ = -1;
  int hover_row_ = -1;
  int ticks_ = 0;
};
