// The mapping between game coordinates and the window, and the pointer in
// game coordinates.
#pragma once

class TGameGraphics {
 public:
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
