// Recurring looks built from the toolkit: raised plates, recessed wells and
// shadowed text, so that every picture shares one lighting (from above).
#pragma once

#include <string>

#include "canvas.h"
#include "shapes.h"
#include "text.h"

namespace baker {

struct PlateLook {
  Rgba top, bottom;         // body gradient
  float rimLight = 0.35f;   // strength of the lit top edge
  float rimDark = 0.30f;    // strength of the shaded bottom edge
  Rgba shadow;              // drop shadow colour (alpha 0 for none)
  int shadowDy = 2;
  float shadowBlur = 2.0f;
  float outline = 0.0f;     // alpha of a thin dark outline

  PlateLook& Rims(float light, float dark) {
    rimLight = light;
    rimDark = dark;
    return *this;
  }
  // A soft shadow below, of the given alpha (0..255), offset and blur.
  PlateLook& DropShadow(int alpha, int dy, float blur) {
    shadow = Rgb8(8, 8, 12, alpha);
    shadowDy = dy;
    shadowBlur = blur;
    return *this;
  }
  PlateLook& Outlined(float alpha) {
    outline = alpha;
    return *this;
  }
};
// A plate with this body gradient and the default rims.
inline PlateLook Plate(Rgba top, Rgba bottom) {
  PlateLook look;
  look.top = top;
  look.bottom = bottom;
  return look;
}

// A plate lit from above over the vertical span [y0, y1].
void RaisedPlate(Canvas& c, const Sdf& shape, float y0, float y1, const PlateLook& look);
// A hollow with an inner shadow along its top edge.
void Recessed(Canvas& c, const Sdf& shape, float y0, float y1, Rgba top, Rgba bottom, float depth = 0.55f);
// A soft glossy sheen over the upper part of a shape.
void Gloss(Canvas& c, const Sdf& shape, float y0, float y1, float strength);

enum class Align { Left, Centre, Right };
// Text with an optional soft shadow; x is the left, centre or right end.
void DrawLabel(Canvas& c, const TypeFace& face, const std::string& text, float x, float baseline, Align align,
               const Paint& fill, Rgba shadow, int shadowDx = 1, int shadowDy = 1, float shadowBlur = 0.8f);

// Fine deterministic grain so large gradients do not band.
void Grain(Canvas& c, float strength, int seed);

}  // namespace baker
