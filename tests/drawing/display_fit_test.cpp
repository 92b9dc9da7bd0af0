// The fit of the 800 x 600 game area into windows of other sizes.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/graphics.h"
#include "drawing_fixture.h"

using namespace drawing;

TEST(DisplayFit, ScalesUniformlyAndCentres) {
  DisplayFit same = ComputeFit(800, 600, 800, 600);
  EXPECT_DOUBLE_EQ(same.scale, 1);
  EXPECT_DOUBLE_EQ(same.offset_x, 0);

  DisplayFit big = ComputeFit(1024, 768, 800, 600);
  EXPECT_DOUBLE_EQ(big.scale, 1.28);
  EXPECT_EQ(int(std::floor(big.ToGameX(512))), 400);

  DisplayFit wide = ComputeFit(1280, 720, 800, 600);  // bars left and right
  EXPECT_DOUBLE_EQ(wide.scale, 1.2);
  EXPECT_DOUBLE_EQ(wide.offset_x, 160);
  EXPECT_DOUBLE_EQ(wide.offset_y, 0);

  DisplayFit tall = ComputeFit(1280, 1024, 800, 600);  // bars above and below
  EXPECT_DOUBLE_EQ(tall.scale, 1.6);
  EXPECT_DOUBLE_EQ(tall.offset_y, 32);

  for (auto fit : {big, wide, tall})
    for (double g : {0.0, 17.5, 399.0, 799.0}) {
      EXPECT_NEAR(fit.ToGameX(fit.ToWindowX(g)), g, 1e-9);
      EXPECT_NEAR(fit.ToGameY(fit.ToWindowY(g)), g, 1e-9);
    }
}

TEST(DisplayFit, SoftwareBackBufferShowsTheFittedGameArea) {
  ASSERT_TRUE(SetGraphicsDriver(DRIVER_SOFTWARE));
  ASSERT_TRUE(Graphics(160, 60, 0));
  SetLogicalSize(80, 60);
  SetClsColor(255, 255, 255);
  Cls();
  auto shot = GrabPixmap(0, 0, 160, 60);
  EXPECT_EQ(shot->ReadPixel(10, 30) & 0xFFFFFFu, 0u) << "bar on the left";
  EXPECT_EQ(shot->ReadPixel(80, 30) & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_EQ(shot->ReadPixel(150, 30) & 0xFFFFFFu, 0u) << "bar on the right";
  EndGraphics();
}
