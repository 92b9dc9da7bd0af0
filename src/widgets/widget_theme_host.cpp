#include "widgets/widget_theme_host.h"

#include "widgets/gui_resources.h"

void TWidgetThemeHost::SetWidgetImages(const drawing::ImagePtr& button, const drawing::ImagePtr& slider,
                                       const drawing::ImagePtr& input, const drawing::ImagePtr& dropdown) {
  if (button) GUIResources.button = button;
  if (slider) GUIResources.slider = slider;
  if (input) GUIResources.input = input;
  if (dropdown) GUIResources.dropdown = dropdown;
}

void TWidgetThemeHost::SetStoneSetCaption(int n, const std::string& caption) {
  if (n < 1 || n > int(StoneSetButtons.size())) return;
  if (TGUIButtonPtr button = StoneSetButtons[size_t(n - 1)].lock()) button->value = caption;
}

void TWidgetThemeHost::SetGameFonts(const drawing::ImageFontPtr& smallFont, const drawing::ImageFontPtr& font) {
  (void)font;
  if (!smallFont) return;
  GUIResources.smallFont = smallFont;
  for (const TGUIobjectPtr& widget : GUIObjectList) widget->UseFont = smallFont;
}
