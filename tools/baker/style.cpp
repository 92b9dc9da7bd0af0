#include "style.h"

#include <cmath>

namespace baker {

void RaisedPlate(Canvas& c, const Sdf& shape, float y0, float y1, const PlateLook& look) {
  Mask body = Rasterize(c.width(), c.height(), shape);
  if (look.shadow.a > 0) c.Shadow(body, 0, look.shadowDy, look.shadowBlur, look.shadow);
  c.Fill(body, VerticalGradient(y0, y1, look.top, look.bottom));
  if (look.rimLight > 0) {
    Mask rim = body.Minus(body.Shifted(0, 1)).Plus(body.Minus(body.Shifted(0, 2)).Scaled(0.4f));
    c.Fill(rim, Rgb8(255, 255, 255), look.rimLight);
  }
  if (look.rimDark > 0) c.Fill(body.Minus(body.Shifted(0, -1)), Rgb8(8, 10, 16), look.rimDark);
  if (look.outline > 0) {
    Mask edge = Rasterize(c.width(), c.height(), Intersect(Outline(shape, 0.6f), shape));
    c.Fill(edge, Rgb8(10, 14, 22), look.outline);
  }
}

void Recessed(Canvas& c, const Sdf& shape, float y0, float y1, Rgba top, Rgba bottom, float depth) {
  Mask body = Rasterize(c.width(), c.height(), shape);
  c.Fill(body, VerticalGradient(y0, y1, top, bottom));
  // Light falls from above: the upper inner edge is in shadow, the lower
  // outer lip catches a little light.
  Mask inner = body.Times(body.Shifted(0, 3).Blurred(1.6f).Inverted());
  c.Fill(inner, Rgb8(6, 8, 14), depth);
  Mask lip = body.Shifted(0, 1).Minus(body);
  c.Fill(lip, Rgb8(255, 255, 255), 0.12f);
}

void Gloss(Canvas& c, const Sdf& shape, float y0, float y1, float strength) {
  Mask body = Rasterize(c.width(), c.height(), Grow(shape, -1.0f));
  c.Fill(body, Linear(0, y0, 0, y1, {{0.0f, Rgb8(255, 255, 255, 255)}, {1.0f, Rgb8(255, 255, 255, 0)}}), strength);
}

void DrawLabel(Canvas& c, const TypeFace& face, const std::string& text, float x, float baseline, Align align,
               const Paint& fill, Rgba shadow, int shadowDx, int shadowDy, float shadowBlur) {
  float w = face.Measure(text);
  if (align == Align::Centre) x -= w / 2;
  if (align == Align::Right) x -= w;
  Mask m(c.width(), c.height());
  face.DrawText(m, text, std::round(x), std::round(baseline));
  if (shadow.a > 0) c.Shadow(m, shadowDx, shadowDy, shadowBlur, shadow);
  c.Fill(m, fill);
}

void Grain(Canvas& c, float strength, int seed) {
  Mask light(c.width(), c.height()), dark(c.width(), c.height());
  for (int y = 0; y < light.pixelHeight(); ++y)
    for (int x = 0; x < light.pixelWidth(); ++x) {
      float n = Hash01(x, y, seed) - 0.5f;
      if (n > 0) light.ref(x, y) = n * strength;
      else dark.ref(x, y) = -n * strength;
    }
  // Only where something is painted, so transparent pixels stay clear.
  Mask alpha = c.Alpha();
  c.Fill(light.Times(alpha), Rgb8(255, 255, 255));
  c.Fill(dark.Times(alpha), Rgb8(4, 6, 10));
}

}  // namespace baker
