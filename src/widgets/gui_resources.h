// The pictures and fonts the widgets are drawn with. The start-up loads the
// base theme's strips; every theme load replaces them.
#pragma once

#include <string>

#include "drawing/font.h"
#include "drawing/image.h"

struct TGUIResources {
  // Animation strips of equal cells: button 18 cells, slider 8, input 6,
  // drop-down 24 (box, then the open list's panel).
  drawing::ImagePtr button, slider, input, dropdown;
  // The font every widget takes unless told otherwise (the game's small
  // image font), and the one of buttons created without a font.
  drawing::ImageFontPtr smallFont, textFont;
};

extern TGUIResources GUIResources;

// Cell sizes of the built-in strips; used for layout while a strip is missing.
constexpr int GUI_BUTTON_CELL_W = 22, GUI_BUTTON_CELL_H = 18;
constexpr int GUI_SLIDER_CELL_W = 35, GUI_SLIDER_CELL_H = 38;
constexpr int GUI_INPUT_CELL_W = 54, GUI_INPUT_CELL_H = 35;
constexpr int GUI_DROPDOWN_CELL_W = 54, GUI_DROPDOWN_CELL_H = 19;

// Loads the four strips of the theme folder (e.g. "themes/base") with the
// built-in cell sizes. A strip that cannot be read leaves its slot empty.
void LoadBaseWidgetImages(const std::string& folder);

// The cell size of a strip as loaded, or the fallback when it is missing.
int CellWidth(const drawing::ImagePtr& strip, int fallback);
int CellHeight(const drawing::ImagePtr& strip, int fallback);
