#include "widgets/gui_resources.h"

TGUIResources GUIResources;

void LoadBaseWidgetImages(const std::string& folder) {
  const std::string dir = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  GUIResources.input = drawing::LoadAnimImage(dir + "gui_input.png", GUI_INPUT_CELL_W, GUI_INPUT_CELL_H, 0, 6, 0);
  GUIResources.slider = drawing::LoadAnimImage(dir + "gui_slider.png", GUI_SLIDER_CELL_W, GUI_SLIDER_CELL_H, 0, 8, 0);
  GUIResources.button = drawing::LoadAnimImage(dir + "gui_button.png", GUI_BUTTON_CELL_W, GUI_BUTTON_CELL_H, 0, 18, 0);
  GUIResources.dropdown = drawing::LoadAnimImage(dir + "gui_dropdown.png", GUI_DROPDOWN_CELL_W, GUI_DROPDOWN_CELL_H, 0,
                                                 24, drawing::DEFAULT_IMAGE_FLAGS);
}

int CellWidth(const drawing::ImagePtr& strip, int fallback) {
  return strip && strip->width > 0 ? strip->width : fallback;
}

int CellHeight(const drawing::ImagePtr& strip, int fallback) {
  return strip && strip->height > 0 ? strip->height : fallback;
}
