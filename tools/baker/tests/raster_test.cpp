#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "canvas.h"
#include "shapes.h"

namespace baker {
namespace {

double Area(const Mask& m) {
  double sum = 0;
  for (int y = 0; y < m.height(); ++y)
    for (int x = 0; x < m.width(); ++x) sum += m.at(x, y);
  return sum;
}

TEST(Raster, CoverageMatchesTheGeometricArea) {
  EXPECT_NEAR(Area(Rasterize(64, 64, Circle(32, 32, 20))), std::numbers::pi * 400, 2.0);
  EXPECT_NEAR(Area(Rasterize(64, 64, Box(10.5f, 8, 50, 30.25f))), 39.5 * 22.25, 0.5);
  EXPECT_NEAR(Area(Rasterize(64, 64, Polygon({{0, 0}, {40, 0}, {0, 40}}))), 800.0, 1.0);
  // A ring is the difference of two discs.
  EXPECT_NEAR(Area(Rasterize(64, 64, Subtract(Circle(32, 32, 20), Circle(32, 32, 10)))), std::numbers::pi * 300, 2.5);
  // Edges are anti-aliased: a box edge on a half pixel gives half coverage.
  Mask half = Rasterize(8, 8, Box(0, 0, 4.5f, 8));
  EXPECT_FLOAT_EQ(half.at(3, 3), 1.0f);
  EXPECT_NEAR(half.at(4, 3), 0.5f, 1e-4);
  EXPECT_FLOAT_EQ(half.at(5, 3), 0.0f);
}

TEST(Raster, SkippingSettledBlocksChangesNothing) {
  // A busy shape with thin parts, concave corners and holes, checked pixel
  // by pixel against a plain evaluation.
  Sdf shape = Union({Subtract(Circle(40, 40, 30), Circle(46, 36, 12)), Capsule(5, 70, 75, 75, 0.8f),
                     Star(60, 20, 5, 14, 5), Outline(Box(10, 10, 30, 30, 4), 0.6f)});
  Mask fast = Rasterize(83, 81, shape);
  for (int y = 0; y < 81; ++y)
    for (int x = 0; x < 83; ++x) {
      float slow = std::clamp(0.5f - shape(float(x) + 0.5f, float(y) + 0.5f), 0.0f, 1.0f);
      ASSERT_FLOAT_EQ(fast.at(x, y), slow) << x << "," << y;
    }
}

TEST(Raster, BlurSpreadsWithoutLosingCoverage) {
  Mask dot = Rasterize(60, 60, Circle(30, 30, 6));
  Mask soft = dot.Blurred(3.0f);
  EXPECT_NEAR(Area(soft), Area(dot), Area(dot) * 0.01);
  EXPECT_LT(soft.at(30, 30), dot.at(30, 30));
  EXPECT_GT(soft.at(30, 40), 0.0f);
  EXPECT_EQ(dot.at(30, 40), 0.0f);
}

TEST(Raster, CompositingIsSourceOver) {
  Canvas c(2, 1);
  Mask all(2, 1);
  all = all.Inverted();
  c.Fill(all, Rgb8(255, 0, 0));
  c.Fill(all, Rgb8(0, 0, 255, 128));
  Rgba p = c.Get(0, 0);
  EXPECT_NEAR(p.a, 1.0f, 1e-5);
  EXPECT_NEAR(p.r, 1.0f - 128.0f / 255.0f, 1e-4);
  EXPECT_NEAR(p.b, 128.0f / 255.0f, 1e-4);
  // Over a transparent pixel the colour stays and only the alpha is partial.
  Canvas clear(1, 1);
  clear.Fill(Mask(1, 1).Inverted(), Rgb8(10, 200, 30, 51));
  EXPECT_NEAR(clear.Get(0, 0).g, 200.0f / 255.0f, 1e-4);
  EXPECT_NEAR(clear.Get(0, 0).a, 0.2f, 1e-4);
}

TEST(Raster, PixmapsNeverCarryTheMaskColourInVisiblePixels) {
  Canvas c(16, 16);
  c.Fill(Rasterize(16, 16, Box(0, 0, 8, 16)), Rgb8(0, 0, 0));
  c.Fill(Rasterize(16, 16, Box(8, 0, 12, 16)), Rgb8(0, 0, 0, 40));
  auto pm = c.ToPixmap();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      uint32_t v = pm->ReadPixel(x, y);
      if (drawing::ARGB_A(v) == 0) {
        EXPECT_EQ(v, 0u);  // clear pixels are all zero
      } else {
        EXPECT_NE(v & 0xffffffu, 0u) << x << "," << y;
      }
    }
  EXPECT_EQ(drawing::ARGB_A(pm->ReadPixel(2, 2)), 255);
  EXPECT_EQ(drawing::ARGB_A(pm->ReadPixel(14, 2)), 0);
}

TEST(Raster, ConversionIsRepeatable) {
  Canvas c(40, 40);
  c.Flood(Linear(0, 0, 40, 40, {{0.0f, Rgb8(20, 40, 60)}, {1.0f, Rgb8(200, 180, 90, 140)}}));
  auto a = c.ToPixmap(), b = c.ToPixmap();
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(a->ReadPixel(x, y), b->ReadPixel(x, y));
  // Round trip through a pixmap keeps colours within a dithering step.
  Canvas back = Canvas::FromPixmap(*a);
  EXPECT_NEAR(back.Get(20, 20).r, c.Get(20, 20).r, 2.0f / 255.0f);
  EXPECT_NEAR(back.Get(20, 20).a, c.Get(20, 20).a, 1.0f / 255.0f);
}

}  // namespace
}  // namespace baker
