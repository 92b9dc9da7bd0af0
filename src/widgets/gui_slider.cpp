#include "widgets/gui_slider.h"

#include <algorithm>
#include <cmath>

#include "drawing/graphics.h"
#include "support/text_util.h"
#include "widgets/game_graphics.h"
#include "widgets/gui_frame.h"
#include "widgets/gui_resources.h"
#include "widgets/input_trackers.h"

namespace {
// Strip cells.
constexpr int kEmptyLeft = 0, kEmptyMiddle = 1, kEmptyRight = 2, kKnob = 3;
constexpr int kFilledLeft = 4, kFilledMiddle = 5, kFilledRight = 6, kKnobHeld = 7;
// The knob's cell is drawn this far left of the knob position; at the last
// value its right edge meets the track's end.
constexpr int kKnobLead = 5;
}  // namespace

TGUISliderPtr TGUISlider::Create(int x, int y, int width, int minvalue, int maxvalue, unsigned char enabled,
                                 const std::string& caption, int returnIt, const std::string& state) {
  auto slider = std::make_shared<TGUISlider>();
  slider->Place(x, y, width, caption, state, enabled);
  slider->height = CellHeight(GUIResources.slider, GUI_SLIDER_CELL_H);
  slider->minvalue = minvalue;
  slider->maxvalue = maxvalue;
  slider->actvalue = minvalue;
  slider->typ = "slider";
  slider->on = 0;
  Register(slider);
  return returnIt == 1 ? slider : nullptr;
}

void TGUISlider::Update() {
  // Held, the slider follows the pointer as it is drawn; a tap may end
  // before any frame was drawn, so it sets the value where it ended.
  if (Clicked != 1 || !MouseManager.isTap(1)) return;
  if (Steps() > 0) actvalue = ValueAt(clickedX);
}

long long TGUISlider::Steps() const { return std::max(0LL, (long long)maxvalue - minvalue); }

double TGUISlider::Travel() const { return std::max(0, width - GUI_SLIDER_CELL_W + kKnobLead); }

double TGUISlider::KnobAt(int value) const {
  const long long steps = Steps();
  if (steps == 0) return 0;
  const long long from_start = std::clamp((long long)value, (long long)minvalue, (long long)maxvalue) - minvalue;
  return double(from_start) * Travel() / double(steps);
}

double TGUISlider::KnobCentreAt(int value) const { return KnobAt(value) + GUI_SLIDER_CELL_W / 2.0 - kKnobLead; }

int TGUISlider::ValueAt(int pointerX) const {
  const long long steps = Steps();
  const double travel = Travel();
  if (steps == 0 || travel <= 0) return minvalue;
  // The value whose knob centre is nearest to the pointer.
  const double along = double(pointerX - x) - KnobCentreAt(minvalue);
  const double nearest = std::round(std::clamp(along / travel, 0.0, 1.0) * double(steps));
  return int(minvalue + (long long)nearest);
}

void TGUISlider::StepBy(int delta) {
  const long long last = std::max((long long)minvalue, (long long)maxvalue);
  actvalue = int(std::clamp((long long)actvalue + delta, (long long)minvalue, last));
}

double TGUISlider::Drag() {
  on = MouseIsDown == 1 ? 1 : 0;
  if (on && Steps() > 0 && Travel() > 0) {
    const int pointer = GameGraphics.MouseX();
    actvalue = ValueAt(pointer);
    const double along = double(pointer - x) - KnobCentreAt(minvalue);
    return std::clamp(along, 0.0, Travel());
  }
  return KnobAt(actvalue);
}

void TGUISlider::Draw() {
  const double knob = Drag();
  const drawing::ImagePtr& strip = GUIResources.slider;
  if (strip && strip->width > 0) {
    const int cellW = strip->width;
    const int cellH = strip->height;
    const int k = TruncToInt(std::ceil(knob));
    const int rightX = x + width - cellW;
    // Where the filled part (left of the knob) meets the empty part.
    const int split = x + k + kKnobLead;

    if (k >= cellW) {
      DrawCell(strip, kFilledLeft, float(x), float(y));
    } else {
      DrawCellClipped(strip, kFilledLeft, float(x), float(y), float(x), float(y), float(k + kKnobLead), float(cellH));
      DrawCellClipped(strip, kEmptyLeft, float(x), float(y), float(split), float(y), float(x + cellW - split),
                      float(cellH));
    }
    for (int tileX = x + cellW; tileX < rightX; tileX += cellW) {
      const int fillEnd = std::min(split, rightX);
      DrawCellClipped(strip, kFilledMiddle, float(tileX), float(y), float(x + cellW), float(y),
                      float(fillEnd - (x + cellW)), float(cellH));
      const int emptyStart = std::max(split, x + cellW);
      DrawCellClipped(strip, kEmptyMiddle, float(tileX), float(y), float(emptyStart), float(y),
                      float(rightX - emptyStart), float(cellH));
    }
    if (k > width - cellW) {
      DrawCellClipped(strip, kFilledRight, float(rightX), float(y), float(rightX), float(y),
                      float(k - (width - cellW) + kKnobLead), float(cellH));
      DrawCellClipped(strip, kEmptyRight, float(rightX), float(y), float(split), float(y),
                      float(rightX + cellW - split), float(cellH));
    } else {
      DrawCell(strip, kEmptyRight, float(rightX), float(y));
    }
    DrawCell(strip, on ? kKnobHeld : kKnob, float(x + k - kKnobLead), float(y));
  }

  if (value.empty()) return;
  const std::string label = drawvalue ? std::to_string(actvalue + addvalue) + " " + value : value;
  const int labelY = y - (drawing::TextHeight(value) - height) / 2 - 1;
  drawing::SetColor(255, 255, 255);
  drawing::DrawText(label, float(x + width + 7), float(labelY));
}
