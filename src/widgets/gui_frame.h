// Drawing cells of the widget strips: whole, clipped to a rectangle, and the
// three-part horizontal frame (left cell, tiled middle, right cell).
#pragma once

#include "drawing/image.h"

// Cell `cell` of the strip with its top-left at (x, y); nothing without a strip.
void DrawCell(const drawing::ImagePtr& strip, int cell, float x, float y);
// The same, showing only the part inside the clip rectangle.
void DrawCellClipped(const drawing::ImagePtr& strip, int cell, float x, float y, float clipX, float clipY, float clipW,
                     float clipH);
// The frame of visual state `state` across (x, y, width, height): cells
// state*3 (left), state*3+1 (middle, tiled and clipped so that it never runs
// under the right cell) and state*3+2 (right). With two rows the lower row
// uses the cells nine further on, with its bottom at y + height.
void DrawThreePartFrame(const drawing::ImagePtr& strip, int state, int x, int y, int width, int height, int rows);
