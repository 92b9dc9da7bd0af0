// A horizontal slider dragged with the left button; the value is read with
// GetValue().
#pragma once

#include <memory>
#include <string>

#include "widgets/gui_object.h"

class TGUISlider;
using TGUISliderPtr = std::shared_ptr<TGUISlider>;

class TGUISlider : public TGUIobject {
 public:
  int minvalue = 0, maxvalue = 0;
  int actvalue = 0;
  int addvalue = 0;   // offset added for reporting
  int drawvalue = 0;  // 1: the number is shown before the caption

  // Returns the slider only when `returnIt` is 1; it is registered either way.
  static TGUISliderPtr Create(int x, int y, int width, int minvalue, int maxvalue, unsigned char enabled,
                              const std::string& caption, int returnIt, const std::string& state);
  void Update() override;
  void Draw() override;
  void EnableDrawValue() { drawvalue = 1; }
  void DisableDrawValue() { drawvalue = 0; }
  void EnableAddValue(int v) { addvalue = v; }
  void DisableAddValue() { addvalue = 0; }
  int GetValue() const { return actvalue + addvalue; }

  // Pixels per value step: width / (maxvalue - 1 - minvalue); 0 when the
  // range is too small for a step.
  int Step() const;
  // Follows the pointer while the slider is held; returns the knob position
  // (pixels from x).
  double Drag();
};
