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
constexpr int kFarOff = 1 << 20;
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
  const int step = Step();
  if (step <= 0) return;
  const int p = TruncToInt(clickedX - x + step / 2.0);
  actvalue = std::clamp(p / step, minvalue, std::max(minvalue, maxvalue));
}

int TGUISlider::Step() const {
  // The range must span more than one step; a smaller one would divide by 0.
  const long long divisor = (long long)maxvalue - 1 - minvalue;
  if (divisor <= 0) return 0;
  return int(width / divisor);
}

double TGUISlider::Drag() {
  const int step = Step();
  double knob = double(actvalue) * step;
  const double end = double(maxvalue) * step;
  const int cellW = CellWidth(GUIResources.slider, GUI_SLIDER_CELL_W);
  on = MouseIsDown == 1 ? 1 : 0;
  if (on && step > 0) {
    const int p = TruncToInt(GameGraphics.MouseX() - x + step / 2.0);
    actvalue = std::clamp(p / step, minvalue, std::max(minvalue, maxvalue));
    knob = std::min(double(p), end - cellW);
  }
  return knob;
}

void TGUISlider::Draw() {
  const double knob = Drag();
  const drawing::ImagePtr& strip = GUIResources.slider;
  if (strip && strip->width > 0) {
    const int cellW = strip->width;
    const int cellH = strip->height;
    // Far-off knob positions (a value set beyond the range) only need to
    // stay far off; bounding them keeps the sums below within int.
    const int k = std::clamp(TruncToInt(std::ceil(knob)), -kFarOff, kFarOff);
    const int rightX = x + width - cellW;
    // Where the filled part (left of the knob) meets the empty part.
    const int split = x + k + 5;

    if (k >= cellW) {
      DrawCell(strip, kFilledLeft, float(x), float(y));
    } else {
      DrawCellClipped(strip, kFilledLeft, float(x), float(y), float(x), float(y), float(k + 5), float(cellH));
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
                      float(k - (width - cellW) + 5), float(cellH));
      DrawCellClipped(strip, kEmptyRight, float(rightX), float(y), float(split), float(y),
                      float(rightX + cellW - split), float(cellH));
    } else {
      DrawCell(strip, kEmptyRight, float(rightX), float(y));
    }
    DrawCell(strip, on ? kKnobHeld : kKnob, float(x + std::clamp(TruncToInt(std::ceil(knob - 5)), -kFarOff, kFarOff)),
             float(y));
  }

  if (value.empty()) return;
  const std::string label = drawvalue ? std::to_string(actvalue + addvalue) + " " + value : value;
  const int labelY = y - (drawing::TextHeight(value) - height) / 2 - 1;
  drawing::SetColor(255, 255, 255);
  drawing::DrawText(label, float(x + width + 7), float(labelY));
}
