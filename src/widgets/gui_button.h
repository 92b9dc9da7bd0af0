// A push button: a two-row frame with a caption. The game polls GetClicks().
#pragma once

#include <memory>
#include <string>

#include "widgets/gui_object.h"

class TGUIButton;
using TGUIButtonPtr = std::shared_ptr<TGUIButton>;

class TGUIButton : public TGUIobject {
 public:
  int grayedout = 0;    // 1: disabled look, never clicks
  int textalign = 0;    // 1: centred caption, else left
  int manualState = 0;  // non-zero: `on` is set by the game

  // A `width` below 0 fits the caption. A null font means the widgets' text
  // font. Always returns the button.
  static TGUIButtonPtr Create(int x, int y, int width, unsigned char on, unsigned char enabled, int grayedout,
                              int textalign, const std::string& caption, const std::string& state,
                              const drawing::ImageFontPtr& font);
  void Update() override;
  void Draw() override;
  // Clicked, cleared on reading; always 0 while grayed out.
  int GetClicks();
};
