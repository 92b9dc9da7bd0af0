#include "widgets/gui_input.h"

#include <algorithm>
#include <cmath>

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "widgets/gui_frame.h"
#include "widgets/gui_resources.h"

namespace {

int Channel(int v) { return std::clamp(v, 0, 255); }

// 1 for 360 ms, then 0 for 360 ms.
float CursorAlpha() {
  const double degrees = drawing::MilliSecs() / 2.0;
  return std::sin(degrees * 3.14159265358979323846 / 180.0) > 0 ? 1.0f : 0.0f;
}

}  // namespace

TGUIinputPtr TGUIinput::Create(int x, int y, int width, int height, unsigned char enabled, const std::string& text,
                               int maxlength, int returnIt, const std::string& state) {
  auto input = std::make_shared<TGUIinput>();
  input->Place(x, y, std::max(width, 40), text, state, enabled);
  input->height = height;
  input->maxlength = maxlength;
  input->EnterPressed = 0;
  input->nobackground = 0;
  Register(input);
  return returnIt == 1 ? input : nullptr;
}

void TGUIinput::SetCol(int r, int g, int b) {
  colR = (unsigned char)Channel(r);
  colG = (unsigned char)Channel(g);
  ColB = (unsigned char)Channel(b);
}

void TGUIinput::SetOverlayImage(const drawing::ImagePtr& image) {
  if (image && image->width > 0) OverlayImage = image;
}

// Typing happens once per update, so that no update's keys are missed
// when several updates run before a frame is drawn.
void TGUIinput::Update() { TakeTyping(); }

void TGUIinput::TakeTyping() {
  if (!grayedout) {
    if (EnterPressed == 1) {
      EnterPressed = 0;
      ActiveUid = 0;
    }
    // Typing starts on the text, not on the blanks an empty input shows.
    if (HasFocus()) value = Input2Value(Typed());
  }
  if (int(value.size()) > std::max(maxlength, 0)) value.resize(size_t(std::max(maxlength, 0)));
}

void TGUIinput::Draw() {
  if (int(value.size()) > std::max(maxlength, 0)) value.resize(size_t(std::max(maxlength, 0)));
  const bool focused = HasFocus();
  on = focused ? 1 : 0;
  drawing::SetColor(255, 255, 255);
  if (grayedout) {
    on = 0;
    drawing::SetColor(225, 255, 150);
  }
  if (nobackground == 0) {
    if (OverlayImage) DrawCell(OverlayImage, 0, float(x), float(y));
    DrawThreePartFrame(GUIResources.input, on, x, y, width, height, 1);
  } else if (focused) {
    if (OverlayRect != 0) {
      const float alpha = drawing::GetAlpha();
      drawing::SetColor(OverlayColR, OverlayColG, OverlayColB);
      drawing::SetAlpha(OverlayColA);
      drawing::DrawRect(float(x), float(y + 4), float(width), float(height));
      drawing::SetAlpha(alpha);
    } else if (InputImage) {
      DrawCell(InputImage, 0, float(x), float(y));
    }
  }

  const int textX = OverlayImage ? x + OverlayImage->width - 2 : x + 10;
  const int textY = y + 7;
  std::string shown = value;
  if (focused) {
    drawing::SetColor(Channel(colR - 50), Channel(colG - 50), Channel(ColB - 50));
    // Keep the end of the text, where the cursor is, in view.
    while (!shown.empty() && drawing::TextWidth(shown + "_") > width - 24) shown.erase(0, 1);
    drawing::DrawText(shown, float(textX + 2), float(textY + 1));
    drawing::SetAlpha(CursorAlpha());
    drawing::DrawText("_", float(textX + 2 + drawing::TextWidth(shown)), float(textY + 1));
    drawing::SetAlpha(1);
  } else {
    drawing::SetColor(colR, colG, ColB);
    while (!shown.empty() && drawing::TextWidth(shown) > width - 20) shown.pop_back();
    drawing::DrawText(shown, float(textX + 2), float(textY));
  }
  drawing::SetColor(255, 255, 255);
}
