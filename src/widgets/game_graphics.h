// The mapping between game coordinates and the window, the pointer in game
// coordinates, and the list of display modes.
#pragma once

#include "widgets/graphics_resolutions.h"

class TGameGraphics {
 public:
  TGraphicsResolutionsPtr CurrentResolution;  // the entry in use
  TGraphicsResolutionsPtr Resolutions;        // reaches the mode list's operations

  // Merges every display mode of the driver into the mode list, in the
  // driver's order (a second call adds nothing new).
  void FillResolutionList();
  // Fits the width x height game area into the open graphics, scaled
  // uniformly and centred. The offsets are accepted for compatibility with
  // callers that shift the area; the fit centres it by itself.
  void Set(int width, int height, int offsetX, int offsetY);
  // The pointer in game coordinates, through the exact inverse of the fit.
  int MouseX() const;
  int MouseY() const;
  double scaleX = 1;
  double scaleY = 1;
};

extern TGameGraphics GameGraphics;
