#include "stones.h"

#include <cmath>
#include <functional>
#include <string>

#include "shapes.h"
#include "style.h"
#include "text.h"

namespace baker {

namespace {

constexpr float kCx = 23.0f;   // face centre, matching the centre of the stone body
constexpr float kCy = 22.5f;

using FaceArt = std::function<void(Canvas&)>;

Canvas Strip(const std::vector<FaceArt>& faces) {
  Canvas strip(kFaceSize * int(faces.size()), kFaceSize);
  for (size_t i = 0; i < faces.size(); ++i) {
    Canvas face(kFaceSize, kFaceSize);
    faces[i](face);
    strip.Draw(face, int(i) * kFaceSize, 0);
  }
  return strip;
}

// A shape with a dark outline and a gently lit fill: reads like a printed
// sticker at 46 pixels.
void Sticker(Canvas& c, const Sdf& s, Rgba fill, Rgba ink, float stroke = 1.3f) {
  c.Fill(Rasterize(c.width(), c.height(), Grow(s, stroke)), ink);
  c.Fill(Rasterize(c.width(), c.height(), s),
         Linear(0, 6, 0, 40, {{0.0f, Scaled(fill, 1.25f)}, {0.55f, fill}, {1.0f, Scaled(fill, 0.82f)}}));
}

void Fill(Canvas& c, const Sdf& s, Rgba colour) { c.Fill(Rasterize(c.width(), c.height(), s), colour); }

// ---- persons ------------------------------------------------------------

struct Person {
  float cx = kCx, cy = 25.0f, r = 11.5f;
  Rgba skin = Rgb8(246, 204, 168);
};

void Head(Canvas& c, const Person& p, Rgba ink) { Sticker(c, Circle(p.cx, p.cy, p.r), p.skin, ink); }

void Eyes(Canvas& c, const Person& p, Rgba ink, bool leftPatch = false) {
  if (!leftPatch) Fill(c, Circle(p.cx - 4.3f, p.cy - 1.0f, 1.6f), ink);
  Fill(c, Circle(p.cx + 4.3f, p.cy - 1.0f, 1.6f), ink);
}

void Smile(Canvas& c, const Person& p, Rgba ink) { Fill(c, Arc(p.cx, p.cy + 1.0f, 5.0f, 30, 150, 0.85f), ink); }

void Cheeks(Canvas& c, const Person& p) {
  Fill(c, Circle(p.cx - 7.0f, p.cy + 3.5f, 2.0f), Rgb8(236, 130, 120, 110));
  Fill(c, Circle(p.cx + 7.0f, p.cy + 3.5f, 2.0f), Rgb8(236, 130, 120, 110));
}

void Features(Canvas& c, const Person& p, Rgba ink) {
  Cheeks(c, p);
  Eyes(c, p, ink);
  Smile(c, p, ink);
}

Sdf UpperCap(const Person& p, float grow, float cut) {
  return Intersect(Circle(p.cx, p.cy, p.r + grow), Box(0, 0, 46, p.cy - cut));
}

}  // namespace

Canvas PersonFaces(const Palette& pal) {
  const Rgba ink = pal.ink;
  std::vector<FaceArt> faces;
  // 1: child with a peaked cap.
  faces.push_back([=](Canvas& c) {
    Person p;
    Head(c, p, ink);
    Features(c, p, ink);
    Sticker(c, Union(UpperCap(p, 1.5f, 2.5f), Capsule(p.cx, p.cy - 3.5f, p.cx + 17, p.cy - 3.5f, 2.2f)),
            Rgb8(58, 120, 210), ink);
    Fill(c, Circle(p.cx - 1, p.cy - p.r - 1.0f, 2.0f), Rgb8(250, 250, 250));
  });
  // 2: girl with two pigtails.
  faces.push_back([=](Canvas& c) {
    Person p;
    Rgba hair = Rgb8(196, 112, 44);
    Sticker(c, Circle(p.cx - 14.5f, p.cy + 1, 5.0f), hair, ink);
    Sticker(c, Circle(p.cx + 14.5f, p.cy + 1, 5.0f), hair, ink);
    Head(c, p, ink);
    Features(c, p, ink);
    Sticker(c, Subtract(UpperCap(p, 0.8f, 3.0f), Ellipse(p.cx + 3, p.cy - 3, 8, 4.5f)), hair, ink, 1.0f);
    Fill(c, Circle(p.cx - 12, p.cy - 5, 2.2f), Rgb8(226, 60, 90));
    Fill(c, Circle(p.cx + 12, p.cy - 5, 2.2f), Rgb8(226, 60, 90));
  });
  // 3: bearded man.
  faces.push_back([=](Canvas& c) {
    Person p;
    p.cy = 23.5f;
    p.skin = Rgb8(232, 184, 146);
    Rgba beard = Rgb8(110, 72, 44);
    Head(c, p, ink);
    Sticker(c, Subtract(Intersect(Circle(p.cx, p.cy + 2.5f, p.r + 1.5f), Box(0, p.cy + 1.5f, 46, 46)),
                        Ellipse(p.cx, p.cy + 6.0f, 3.2f, 1.8f)),
            beard, ink, 1.0f);
    Sticker(c, UpperCap(p, 0.5f, 6.5f), beard, ink, 1.0f);
    Eyes(c, p, ink);
    Fill(c, Ellipse(p.cx, p.cy + 6.0f, 2.6f, 1.3f), Rgb8(200, 80, 70));
  });
  // 4: person with round glasses.
  faces.push_back([=](Canvas& c) {
    Person p;
    p.skin = Rgb8(214, 160, 120);
    Head(c, p, ink);
    Sticker(c, UpperCap(p, 1.0f, 5.0f), Rgb8(50, 46, 52), ink, 1.0f);
    Cheeks(c, p);
    Eyes(c, p, ink);
    Smile(c, p, ink);
    Fill(c, Outline(Circle(p.cx - 4.6f, p.cy - 0.5f, 3.8f), 0.9f), ink);
    Fill(c, Outline(Circle(p.cx + 4.6f, p.cy - 0.5f, 3.8f), 0.9f), ink);
    Fill(c, Capsule(p.cx - 1, p.cy - 1, p.cx + 1, p.cy - 1, 0.8f), ink);
  });
  // 5: king with a crown.
  faces.push_back([=](Canvas& c) {
    Person p;
    p.cy = 27.0f;
    Head(c, p, ink);
    Features(c, p, ink);
    float base = p.cy - 8.0f;
    Sdf crown = Polygon({{p.cx - 11, base}, {p.cx - 12, base - 12}, {p.cx - 6, base - 6}, {p.cx, base - 14},
                         {p.cx + 6, base - 6}, {p.cx + 12, base - 12}, {p.cx + 11, base}});
    Sticker(c, crown, Rgb8(240, 190, 50), ink);
    Fill(c, Circle(p.cx, base - 4.5f, 1.6f), Rgb8(220, 50, 60));
  });
  // 6: cook with a tall white hat.
  faces.push_back([=](Canvas& c) {
    Person p;
    p.cy = 28.0f;
    p.r = 10.5f;
    Head(c, p, ink);
    Features(c, p, ink);
    Sdf puff = Union({Circle(p.cx - 6, p.cy - 15, 5.5f), Circle(p.cx + 6, p.cy - 15, 5.5f),
                      Circle(p.cx, p.cy - 19, 6.5f), Box(p.cx - 8, p.cy - 15, p.cx + 8, p.cy - 8, 1)});
    Sticker(c, puff, Rgb8(246, 248, 252), ink);
    Fill(c, Capsule(p.cx - 6, p.cy - 10, p.cx + 6, p.cy - 10, 0.6f), Rgb8(180, 190, 204));
  });
  // 7: pirate with an eye patch and a headscarf.
  faces.push_back([=](Canvas& c) {
    Person p;
    p.skin = Rgb8(226, 176, 136);
    Head(c, p, ink);
    Sticker(c, Union(UpperCap(p, 1.0f, 4.0f), Polygon({{p.cx + 9, p.cy - 6}, {p.cx + 18, p.cy - 1}, {p.cx + 16, p.cy + 5}})),
            Rgb8(214, 52, 56), ink);
    Fill(c, Circle(p.cx - 3, p.cy - 9, 1.2f), Rgb8(250, 250, 250));
    Fill(c, Circle(p.cx + 4, p.cy - 10, 1.2f), Rgb8(250, 250, 250));
    Eyes(c, p, ink, true);
    Fill(c, Capsule(p.cx - 10, p.cy - 6.5f, p.cx + 2, p.cy + 1, 0.7f), ink);
    Fill(c, Ellipse(p.cx - 4.3f, p.cy - 0.5f, 3.2f, 2.8f), ink);
    Fill(c, Arc(p.cx + 1, p.cy + 1, 5.0f, 40, 140, 0.85f), ink);
  });
  // 8: cowboy with a wide-brimmed hat.
  faces.push_back([=](Canvas& c) {
    Person p;
    p.cy = 27.0f;
    p.skin = Rgb8(236, 190, 150);
    Head(c, p, ink);
    Features(c, p, ink);
    Rgba felt = Rgb8(170, 110, 60);
    Sticker(c, Union(Box(p.cx - 8, p.cy - 20, p.cx + 8, p.cy - 8, 3), Ellipse(p.cx, p.cy - 8.5f, 18.5f, 3.5f)), felt, ink);
    Fill(c, Box(p.cx - 8, p.cy - 12.5f, p.cx + 8, p.cy - 10, 0), Rgb8(90, 56, 32));
  });
  // 9: wizard with a pointed hat.
  faces.push_back([=](Canvas& c) {
    Person p;
    p.cy = 29.0f;
    p.r = 10.5f;
    Head(c, p, ink);
    Features(c, p, ink);
    Sdf hat = Union(Polygon({{p.cx - 9, p.cy - 8}, {p.cx + 4, p.cy - 27}, {p.cx + 9, p.cy - 8}}),
                    Ellipse(p.cx, p.cy - 8, 14, 2.8f));
    Sticker(c, hat, Rgb8(104, 76, 196), ink);
    Fill(c, Star(p.cx + 1, p.cy - 15, 5, 3.2f, 1.4f), Rgb8(250, 220, 90));
  });
  return Strip(faces);
}

Canvas ShapeFaces(const Palette& pal) {
  const Rgba ink = pal.ink;
  const float cx = kCx, cy = kCy;
  std::vector<std::pair<Sdf, Rgba>> shapes = {
      {Circle(cx, cy, 13), Rgb8(222, 74, 64)},
      {Polygon({{cx, cy - 15}, {cx + 15.5f, cy + 12}, {cx - 15.5f, cy + 12}}), Rgb8(238, 146, 44)},
      {Box(cx - 12, cy - 12, cx + 12, cy + 12, 2), Rgb8(226, 186, 46)},
      {Polygon({{cx, cy - 16}, {cx + 13, cy}, {cx, cy + 16}, {cx - 13, cy}}), Rgb8(76, 168, 84)},
      {Star(cx, cy + 1, 5, 16, 7), Rgb8(44, 170, 176)},
      {Union({Circle(cx - 6.5f, cy - 4, 7.5f), Circle(cx + 6.5f, cy - 4, 7.5f),
              Polygon({{cx - 13.6f, cy - 1}, {cx + 13.6f, cy - 1}, {cx, cy + 14}})}),
       Rgb8(66, 116, 214)},
      {Union(Box(cx - 13, cy - 4.5f, cx + 13, cy + 4.5f, 1.5f), Box(cx - 4.5f, cy - 13, cx + 4.5f, cy + 13, 1.5f)),
       Rgb8(140, 86, 200)},
      {Subtract(Circle(cx - 1, cy, 13.5f), Circle(cx + 6, cy - 4, 11.5f)), Rgb8(216, 84, 156)},
      {Subtract(Circle(cx, cy, 13.5f), Circle(cx, cy, 6.5f)), Rgb8(130, 104, 80)},
  };
  std::vector<FaceArt> faces;
  for (const auto& [shape_of, colour_of] : shapes) {
    // Named copies: lambdas cannot capture structured bindings everywhere yet.
    auto shape = shape_of;
    auto colour = colour_of;
    faces.push_back([shape, colour, ink](Canvas& c) {
      c.Shadow(Rasterize(c.width(), c.height(), shape), 0, 1, 1.0f, Rgb8(8, 8, 12, 70));
      Sticker(c, shape, colour, ink);
    });
  }
  return Strip(faces);
}

Canvas ChristmasFaces(const Palette& pal) {
  const Rgba ink = pal.ink;
  const float cx = kCx, cy = kCy;
  std::vector<FaceArt> faces;
  // 1: fir tree with baubles.
  faces.push_back([=](Canvas& c) {
    Sticker(c, Box(cx - 3, cy + 10, cx + 3, cy + 17, 1), Rgb8(140, 88, 50), ink);
    Sdf tree = Union({Polygon({{cx, cy - 17}, {cx + 9, cy - 5}, {cx - 9, cy - 5}}),
                      Polygon({{cx, cy - 11}, {cx + 12, cy + 3}, {cx - 12, cy + 3}}),
                      Polygon({{cx, cy - 4}, {cx + 15, cy + 11}, {cx - 15, cy + 11}})});
    Sticker(c, tree, Rgb8(52, 150, 74), ink);
    Fill(c, Circle(cx - 4, cy - 2, 1.9f), Rgb8(230, 60, 60));
    Fill(c, Circle(cx + 5, cy + 5, 1.9f), Rgb8(246, 200, 60));
    Fill(c, Circle(cx - 6, cy + 8, 1.9f), Rgb8(80, 150, 240));
  });
  // 2: star.
  faces.push_back([=](Canvas& c) { Sticker(c, Star(cx, cy + 1.5f, 5, 17, 7.5f), Rgb8(246, 196, 48), ink); });
  // 3: bell with clapper.
  faces.push_back([=](Canvas& c) {
    Sticker(c, Circle(cx, cy + 12, 3.2f), Rgb8(200, 140, 40), ink);
    Sdf bell = Union({Circle(cx, cy - 5, 8.5f), Polygon({{cx - 8.5f, cy - 5}, {cx + 8.5f, cy - 5}, {cx + 14, cy + 9},
                                                       {cx - 14, cy + 9}}),
                      Box(cx - 15, cy + 7, cx + 15, cy + 11, 2)});
    Sticker(c, bell, Rgb8(238, 176, 52), ink);
    Sticker(c, Outline(Circle(cx, cy - 15, 2.6f), 1.0f), Rgb8(200, 140, 40), ink, 0.8f);
  });
  // 4: candle with a flame.
  faces.push_back([=](Canvas& c) {
    Sticker(c, Box(cx - 6, cy - 3, cx + 6, cy + 16, 1.5f), Rgb8(222, 62, 66), ink);
    Fill(c, Capsule(cx, cy - 5, cx, cy - 3, 0.7f), ink);
    Sdf flame = Union(Circle(cx, cy - 9, 3.6f), Polygon({{cx - 3.5f, cy - 10}, {cx, cy - 19}, {cx + 3.5f, cy - 10}}));
    Sticker(c, flame, Rgb8(252, 196, 60), ink, 1.0f);
    Fill(c, Circle(cx, cy - 8.5f, 1.6f), Rgb8(255, 246, 200));
  });
  // 5: parcel with ribbon and bow.
  faces.push_back([=](Canvas& c) {
    Sticker(c, Box(cx - 13, cy - 5, cx + 13, cy + 15, 1.5f), Rgb8(60, 150, 96), ink);
    Fill(c, Box(cx - 2.5f, cy - 5, cx + 2.5f, cy + 15, 0), Rgb8(226, 56, 64));
    Fill(c, Box(cx - 13, cy + 3, cx + 13, cy + 7, 0), Rgb8(226, 56, 64));
    Sticker(c, Union(Ellipse(cx - 6, cy - 9, 6, 3.5f), Ellipse(cx + 6, cy - 9, 6, 3.5f)), Rgb8(226, 56, 64), ink);
    Sticker(c, Circle(cx, cy - 8.5f, 2.5f), Rgb8(200, 40, 50), ink, 1.0f);
  });
  // 6: candy cane with stripes.
  faces.push_back([=](Canvas& c) {
    Sdf cane = Union(Capsule(cx + 4, cy - 6, cx + 4, cy + 16, 3.6f), Arc(cx - 3, cy - 6, 7, 180, 360, 3.6f));
    c.Fill(Rasterize(46, 46, Grow(cane, 1.3f)), ink);
    Paint stripes = [](float x, float y) {
      float t = std::fmod(x + y + 100.0f, 8.0f);
      return t < 4.0f ? Rgb8(230, 52, 60) : Rgb8(252, 250, 246);
    };
    c.Fill(Rasterize(46, 46, cane), stripes);
  });
  // 7: snowflake.
  faces.push_back([=](Canvas& c) {
    std::vector<Sdf> arms;
    for (int i = 0; i < 6; ++i) {
      float a = float(i) * 60.0f * 3.14159265f / 180.0f;
      float dx = std::cos(a), dy = std::sin(a);
      arms.push_back(Capsule(cx, cy, cx + dx * 15, cy + dy * 15, 1.7f));
      for (float side : {-1.0f, 1.0f}) {
        float bx = cx + dx * 9, by = cy + dy * 9;
        float a2 = a + side * 0.8f;
        arms.push_back(Capsule(bx, by, bx + std::cos(a2) * 5.5f, by + std::sin(a2) * 5.5f, 1.4f));
      }
    }
    Sticker(c, Union(std::move(arms)), Rgb8(120, 190, 236), ink, 1.1f);
  });
  // 8: bauble with cap and hanging loop.
  faces.push_back([=](Canvas& c) {
    Sticker(c, Outline(Circle(cx, cy - 15, 2.8f), 0.9f), Rgb8(200, 160, 60), ink, 0.7f);
    Sticker(c, Circle(cx, cy + 3, 13), Rgb8(200, 44, 86), ink);
    Sticker(c, Box(cx - 4, cy - 13, cx + 4, cy - 9, 1), Rgb8(230, 190, 80), ink, 1.0f);
    Fill(c, Arc(cx, cy + 3, 8.5f, 200, 250, 1.6f), Rgb8(255, 255, 255, 180));
    Fill(c, Capsule(cx - 13, cy + 3, cx + 13, cy + 3, 0.9f), Rgb8(250, 220, 110));
  });
  // 9: snowman with a hat and carrot nose.
  faces.push_back([=](Canvas& c) {
    Rgba snow = Rgb8(250, 252, 255);
    Sticker(c, Circle(cx, cy + 9, 9.5f), snow, ink);
    Sticker(c, Circle(cx, cy - 4, 7.0f), snow, ink);
    Sticker(c, Union(Box(cx - 5, cy - 18, cx + 5, cy - 9, 1), Box(cx - 8.5f, cy - 11, cx + 8.5f, cy - 9, 1)),
            Rgb8(52, 56, 70), ink, 1.0f);
    Fill(c, Circle(cx - 2.6f, cy - 5, 1.2f), ink);
    Fill(c, Circle(cx + 2.6f, cy - 5, 1.2f), ink);
    Fill(c, Polygon({{cx, cy - 3}, {cx + 6.5f, cy - 1.5f}, {cx, cy - 0.5f}}), Rgb8(240, 130, 40));
    Fill(c, Circle(cx, cy + 6, 1.2f), ink);
    Fill(c, Circle(cx, cy + 10.5f, 1.2f), ink);
  });
  return Strip(faces);
}

Canvas NumberFaces(const Palette& pal) {
  TypeFace face(DejaVuBoldPath(), 33.0f);
  std::vector<FaceArt> faces;
  for (int d = 1; d <= 9; ++d) {
    faces.push_back([&face, d, pal](Canvas& c) {
      std::string text(1, char('0' + d));
      // Engraved look: a light edge under dark ink.
      float baseline = kCy + 12.0f;
      DrawLabel(c, face, text, kCx, baseline + 1.0f, Align::Centre, Solid(Rgb8(255, 255, 255, 150)), Rgba{}, 0, 0);
      DrawLabel(c, face, text, kCx, baseline, Align::Centre,
                VerticalGradient(kCy - 12, kCy + 12, Scaled(pal.ink, 1.35f), pal.ink), Rgba{}, 0, 0);
    });
  }
  return Strip(faces);
}

Canvas StoneBackground(const Palette& p) {
  Canvas strip(kStoneSize * 2, kStoneSize);
  Sdf body = Box(1.0f, 1.0f, 49.0f, 47.5f, 9.0f);
  // Frame 0: the stone under the face.
  Canvas base(kStoneSize, kStoneSize);
  PlateLook look = Plate(p.stoneTop, p.stoneBottom).Rims(0.9f, 0.35f).DropShadow(150, 2, 1.0f).Outlined(0.18f);
  RaisedPlate(base, body, 1, 47, look);
  // A shallow dish in the middle makes the face sit on the stone: shaded
  // under its upper rim, lit along its lower rim, soft at the edges.
  Mask dish = Rasterize(kStoneSize, kStoneSize, Box(6, 6, 44, 42.5f, 9)).Blurred(1.2f);
  Mask upper = dish.Minus(dish.Shifted(0, 2));
  Mask lower = dish.Minus(dish.Shifted(0, -2));
  base.Fill(upper, Rgb8(110, 96, 70), 0.16f);
  base.Fill(lower, Rgb8(255, 255, 255), 0.5f);
  strip.Draw(base, 0, 0);
  // Frame 1: a sheen over the face.
  Canvas over(kStoneSize, kStoneSize);
  // Kept faint: the game tints this frame, and it lies over the face.
  Gloss(over, Box(2, 2, 48, 20, 8), 2, 20, 0.16f);
  Mask rim = Rasterize(kStoneSize, kStoneSize, Intersect(Outline(body, 0.7f), body));
  over.Fill(rim.Times(Rasterize(kStoneSize, kStoneSize, Box(0, 0, 50, 12))), Rgb8(255, 255, 255), 0.5f);
  strip.Draw(over, kStoneSize, 0);
  return strip;
}

Canvas ComposeStone(const Canvas& background, const Canvas& faces, int face, Rgba tint) {
  Canvas out(kStoneSize, kStoneSize);
  out.Draw(background.Crop(0, 0, kStoneSize, kStoneSize).Tinted(tint), 0, 0);
  out.Draw(faces.Crop(face * kFaceSize, 0, kFaceSize, kFaceSize), 2, 2);
  out.Draw(background.Crop(kStoneSize, 0, kStoneSize, kStoneSize).Tinted(tint), 0, 0);
  return out;
}

}  // namespace baker
