// Pointer positions through the fit mapping.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "drawing/platform.h"
#include "widgets/game_graphics.h"

using namespace drawing;

TEST(GameGraphics, MouseIsConvertedThroughTheInverseOfTheFit) {
  ASSERT_TRUE(SetGraphicsDriver(DRIVER_SOFTWARE));
  struct Case {
    int w, h, wx, wy, gx, gy;
  } cases[] = {
      {800, 600, 123, 456, 123, 456},
      {1024, 768, 512, 384, 400, 300},
      {1280, 720, 160, 0, 0, 0},       // left bar ends at 160
      {1280, 720, 159, 719, -1, 599},  // inside the bar: left of the game area
      {1280, 1024, 640, 32, 400, 0},   // bars above and below
      {640, 480, 639, 479, 798, 598},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Graphics(c.w, c.h, 0));
    GameGraphics.Set(800, 600, 150, 0);
    Input().mouse_x = c.wx;
    Input().mouse_y = c.wy;
    EXPECT_EQ(GameGraphics.MouseX(), c.gx) << c.w << "x" << c.h;
    EXPECT_EQ(GameGraphics.MouseY(), c.gy) << c.w << "x" << c.h;
  }
  EndGraphics();
}

TEST(GameGraphics, EveryGamePixelIsReachable) {
  ASSERT_TRUE(SetGraphicsDriver(DRIVER_SOFTWARE));
  ASSERT_TRUE(Graphics(1280, 720, 0));
  GameGraphics.Set(800, 600, 150, 0);
  DisplayFit fit = CurrentFit();
  for (int gx = 0; gx < 800; ++gx) {
    Input().mouse_x = int(std::ceil(fit.ToWindowX(gx) - 1e-9));
    ASSERT_EQ(GameGraphics.MouseX(), gx);
  }
  EndGraphics();
}
