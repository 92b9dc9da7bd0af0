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

  // Every value from minvalue to maxvalue can be chosen; the knob moves
  // over Travel() pixels from the first to the last.
  long long Steps() const;
  double Travel() const;
  // The knob position (pixels from x) of a value, clamped to the range.
  double KnobAt(int value) const;
  // Where the knob's middle is at a value (pixels from x), for a scale.
  double KnobCentreAt(int value) const;
  // The value whose knob is nearest to a pointer at pointerX.
  int ValueAt(int pointerX) const;
  // The keyboard's way: one value up or down, stopping at the ends.
  void StepBy(int delta);
  // Follows the pointer while the slider is held; returns the knob position
  // (pixels from x).
  double Drag();
};
