#include "widgets.h"

#include "shapes.h"
#include "style.h"

namespace baker {

namespace {

enum State { kNormal = 0, kPressed = 1, kGreyed = 2 };

Rgba Grey(Rgba c) {
  float l = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
  return Mix(c, Rgba{l, l, l, c.a}, 0.75f);
}

// A push-button face of w x h in one of three states.
Canvas ButtonFace(const Palette& p, int w, int h, State s) {
  Canvas c(w, h);
  Sdf body = Box(1.0f, 1.0f, float(w) - 1.0f, float(h) - 2.5f, 8.0f);
  PlateLook look = Plate(p.button, p.buttonDeep).DropShadow(140, 1, 1.0f).Outlined(0.55f);
  switch (s) {
    case kNormal:
      // Light captions need a face no lighter than this (contrast 4.5).
      look.top = Scaled(p.button, 1.0f);
      look.bottom = Scaled(p.buttonDeep, 0.9f);
      break;
    case kPressed:
      look.top = Scaled(p.buttonDeep, 0.8f);
      look.bottom = Scaled(p.button, 0.95f);
      look.rimLight = 0.1f;
      look.rimDark = 0.0f;
      break;
    case kGreyed:
      look.top = Grey(Scaled(p.button, 0.8f));
      look.bottom = Grey(Scaled(p.buttonDeep, 0.9f));
      look.rimLight = 0.15f;
      look.outline = 0.35f;
      break;
  }
  RaisedPlate(c, body, 1, float(h) - 2.5f, look);
  if (s == kNormal) Gloss(c, Box(2, 2, float(w) - 2, float(h) / 2, 7), 2, float(h) / 2, 0.06f);
  if (s == kPressed) {
    // The active state wears the accent colour so a chosen option stands out.
    Mask ring = Rasterize(w, h, Intersect(Outline(Grow(body, -1.0f), 0.9f), body));
    c.Fill(ring, p.accent, 0.9f);
    Mask inner = Rasterize(w, h, body);
    c.Fill(inner.Times(inner.Shifted(0, 3).Blurred(1.5f).Inverted()), Rgb8(6, 8, 14), 0.45f);
  }
  return c;
}

// Copies a picture of three columns and two rows of cells into a strip laid
// out as the widgets expect: top halves in row 0, bottom halves in row 1.
void PlaceTwoRowFace(Canvas& strip, const Canvas& face, int state, int cellW, int cellH) {
  for (int part = 0; part < 3; ++part)
    for (int half = 0; half < 2; ++half)
      strip.Draw(face.Crop(part * cellW, half * cellH, cellW, cellH), (state * 3 + part) * cellW, half * cellH);
}

}  // namespace

Canvas ButtonStrip(const Palette& p) {
  constexpr int kW = 22, kH = 18;
  Canvas strip(kW * 9, kH * 2);
  for (int s = 0; s < 3; ++s) PlaceTwoRowFace(strip, ButtonFace(p, kW * 3, kH * 2, State(s)), s, kW, kH);
  return strip;
}

Canvas SliderStrip(const Palette& p) {
  constexpr int kW = 35, kH = 38;
  constexpr float kTop = 15.0f, kBottom = 23.0f;  // the groove
  Canvas strip(kW * 8, kH);
  // Cells 0 to 2 and 4 to 6 are one groove cut into thirds, empty and filled.
  for (int filled = 0; filled < 2; ++filled) {
    Canvas groove(kW * 3, kH);
    Sdf shape = Box(4.0f, kTop, float(kW * 3) - 4.0f, kBottom, 4.0f);
    if (filled) {
      RaisedPlate(groove, shape, kTop, kBottom, Plate(Scaled(p.accent, 1.2f), p.accentDeep).Rims(0.5f, 0.2f).Outlined(0.5f));
    } else {
      Recessed(groove, shape, kTop, kBottom, p.well, p.slot, 0.7f);
    }
    for (int part = 0; part < 3; ++part) strip.Draw(groove.Crop(part * kW, 0, kW, kH), (filled * 4 + part) * kW, 0);
  }
  for (int held = 0; held < 2; ++held) {
    Canvas knob(kW, kH);
    Sdf disc = Circle(17.5f, 19.0f, 11.0f);
    PlateLook look = Plate(held ? Scaled(p.accent, 1.15f) : p.cream, held ? p.accentDeep : Scaled(p.stoneBottom, 0.9f))
                         .Rims(0.8f, 0.3f)
                         .DropShadow(170, 2, 1.5f)
                         .Outlined(0.5f);
    RaisedPlate(knob, disc, 8, 30, look);
    Recessed(knob, Circle(17.5f, 19.0f, 4.0f), 15, 23, held ? p.accentDeep : p.accent, held ? p.accent : p.accentDeep, 0.4f);
    strip.Draw(knob, (held ? 7 : 3) * kW, 0);
  }
  return strip;
}

Canvas InputStrip(const Palette& p) {
  constexpr int kW = 54, kH = 35;
  Canvas strip(kW * 6, kH);
  for (int focused = 0; focused < 2; ++focused) {
    Canvas field(kW * 3, kH);
    Sdf shape = Box(1.0f, 2.0f, float(kW * 3) - 1.0f, float(kH) - 2.0f, 7.0f);
    Recessed(field, shape, 2, float(kH) - 2, Scaled(p.well, 0.9f), p.panelDeep, 0.8f);
    Mask rim = Rasterize(kW * 3, kH, Intersect(Outline(shape, 0.8f), shape));
    field.Fill(rim, focused ? p.accent : Scaled(p.panel, 0.8f), focused ? 0.95f : 0.6f);
    for (int part = 0; part < 3; ++part) strip.Draw(field.Crop(part * kW, 0, kW, kH), (focused * 3 + part) * kW, 0);
  }
  return strip;
}

Canvas DropdownStrip(const Palette& p) {
  constexpr int kW = 54, kH = 19;
  Canvas strip(kW * 9, kH * 3);
  for (int s = 0; s < 3; ++s) {
    Canvas face = ButtonFace(p, kW * 3, kH * 2, State(s));
    // A chevron on the right end tells it opens.
    float ax = float(kW * 3) - 20.0f, ay = 19.0f;
    Sdf chevron = Union(Capsule(ax - 5, ay - 2.5f, ax, ay + 2.5f, 1.4f), Capsule(ax, ay + 2.5f, ax + 5, ay - 2.5f, 1.4f));
    face.Shadow(Rasterize(face.width(), face.height(), chevron), 0, 1, 0.6f, Rgb8(8, 8, 12, 160));
    face.Fill(Rasterize(face.width(), face.height(), chevron), s == kGreyed ? Grey(p.cream) : p.cream, s == kGreyed ? 0.6f : 1.0f);
    Mask divider = Rasterize(face.width(), face.height(), Box(ax - 12, 9, ax - 11, 29));
    face.Fill(divider, Rgb8(8, 10, 16), 0.35f);
    face.Fill(divider.Shifted(1, 0), Rgb8(255, 255, 255), 0.12f);
    PlaceTwoRowFace(strip, face, s, kW, kH);
  }
  // The open list: a panel three cells wide and two rows high, cut into the
  // body row (tiled downward) and the bottom row.
  Canvas panel(kW * 3, kH * 2);
  Sdf body = Box(1.0f, -20.0f, float(kW * 3) - 1.0f, float(kH * 2) - 3.0f, 8.0f);
  Mask bodyMask = Rasterize(panel.width(), panel.height(), body);
  panel.Shadow(bodyMask, 0, 2, 1.2f, Rgb8(8, 8, 12, 150));
  panel.Fill(bodyMask, Scaled(p.panelDeep, 1.15f));
  Mask edge = Rasterize(panel.width(), panel.height(), Intersect(Outline(body, 0.7f), body));
  panel.Fill(edge, Scaled(p.panel, 1.1f), 0.8f);
  for (int part = 0; part < 3; ++part) {
    strip.Draw(panel.Crop(part * kW, 0, kW, kH), (part)*kW, kH * 2);
    strip.Draw(panel.Crop(part * kW, kH, kW, kH), (3 + part) * kW, kH * 2);
  }
  return strip;
}

}  // namespace baker
