// A single-line text input. Pressing it gives it the focus; while focused,
// the keys typed are appended to `value` (once per drawn frame) until Enter.
#pragma once

#include <memory>
#include <string>

#include "drawing/image.h"
#include "widgets/gui_object.h"

class TGUIinput;
using TGUIinputPtr = std::shared_ptr<TGUIinput>;

class TGUIinput : public TGUIobject {
 public:
  int maxlength = 0;
  int nobackground = 0;
  unsigned char colR = 0, colG = 0, ColB = 0;  // text colour
  drawing::ImagePtr OverlayImage;  // drawn under the frame; shifts the text
  drawing::ImagePtr InputImage;    // shown while focused without a background
  int OverlayRect = 0;
  int OverlayColR = 0, OverlayColG = 0, OverlayColB = 0;
  float OverlayColA = 0;
  int grayedout = 0;

  // `width` is at least 40. Returns the input only when `returnIt` is 1.
  static TGUIinputPtr Create(int x, int y, int width, int height, unsigned char enabled, const std::string& text,
                             int maxlength, int returnIt, const std::string& state);
  void SetCol(int r, int g, int b);
  // Ignored for a missing image or one without width.
  void SetOverlayImage(const drawing::ImagePtr& image);
  void Update() override;
  void Draw() override;

  bool HasFocus() const { return uid == ActiveUid; }
  // What the player typed: the two blanks an empty widget shows are no text.
  std::string Typed() const { return value == kEmptyCaption ? std::string() : value; }
  // Takes Enter and the keys typed while focused, then cuts to maxlength.
  void TakeTyping();
};
