#include "widgets/gui_button.h"

#include "drawing/graphics.h"
#include "widgets/gui_frame.h"
#include "widgets/gui_resources.h"

TGUIButtonPtr TGUIButton::Create(int x, int y, int width, unsigned char on, unsigned char enabled, int grayedout,
                                 int textalign, const std::string& caption, const std::string& state,
                                 const drawing::ImageFontPtr& font) {
  auto button = std::make_shared<TGUIButton>();
  button->UseFont = font ? font : GUIResources.textFont;
  button->Place(x, y, width, caption, state, enabled);
  button->height = 2 * CellHeight(GUIResources.button, GUI_BUTTON_CELL_H);
  button->on = on;
  button->grayedout = grayedout;
  button->textalign = textalign;
  button->typ = "button";
  Register(button);
  return button;
}

namespace {

// Under the pointer the face deepens and held down deeper still, each step
// plain to see; the light captions only gain contrast by it (a face lit up
// under the pointer left them unreadable).
constexpr int kHoverFace = 160;
constexpr int kPressedShade = 215;
constexpr int kPressedFace = 70;

}  // namespace

void TGUIButton::Update() {}

int TGUIButton::GetClicks() {
  const int clicks = grayedout ? 0 : Clicked;
  Clicked = 0;
  return clicks;
}

void TGUIButton::Draw() {
  if (!manualState) {
    on = (MouseIsDown == 1 && !grayedout) ? 1 : 0;
    if (mouseover == 0) on = 0;
  }
  if (grayedout == 1) {
    on = 2;
    Clicked = 0;
  }
  const int faceShade = on == 1 ? kPressedFace : (on == 0 && mouseover ? kHoverFace : 255);
  drawing::SetColor(faceShade, faceShade, faceShade);
  DrawThreePartFrame(GUIResources.button, on, x, y, width, height, 2);

  const int textW = drawing::TextWidth(value);
  const int textH = drawing::TextHeight(value);
  const int captionX = textalign == 1 ? x + (width - textW) / 2 : x + 10;
  const int captionY = y - (textH - height) / 2 - 2;
  if (on == 0) {
    drawing::SetColor(255, 255, 255);
    drawing::DrawText(value, float(captionX - 2), float(captionY));
  } else {
    drawing::SetColor(kPressedShade, kPressedShade, kPressedShade);
    drawing::DrawText(value, float(captionX - 1), float(captionY + 1));
  }
  drawing::SetColor(255, 255, 255);
}
