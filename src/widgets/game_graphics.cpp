#include "widgets/game_graphics.h"

#include <algorithm>
#include <cmath>

#include "drawing/graphics.h"
#include "drawing/input.h"

TGameGraphics GameGraphics;

namespace {
int ToInt(double v) { return int(std::clamp(std::floor(v), -2147483648.0, 2147483647.0)); }
}  // namespace

void TGameGraphics::Set(int width, int height, int offsetX, int offsetY) {
  (void)offsetX;
  (void)offsetY;
  drawing::SetLogicalSize(width, height);
  double scale = drawing::CurrentFit().scale;
  scaleX = scaleY = scale > 0 ? 1.0 / scale : 1.0;
}

void TGameGraphics::FillResolutionList() {
  if (!Resolutions) Resolutions = std::make_shared<TGraphicsResolutions>();
  const int count = drawing::CountGraphicsModes();
  for (int i = 0; i < count; ++i) {
    int width = 0, height = 0, depth = 0, hertz = 0;
    if (!drawing::GetGraphicsMode(i, width, height, depth, hertz)) continue;
    const float ratio = height != 0 ? float(width) / float(height) : 0.0f;
    TGraphicsResolutions::Create(width, height, depth, hertz, ratio);
  }
}

int TGameGraphics::MouseX() const { return ToInt(drawing::CurrentFit().ToGameX(drawing::MouseX())); }
int TGameGraphics::MouseY() const { return ToInt(drawing::CurrentFit().ToGameY(drawing::MouseY())); }
