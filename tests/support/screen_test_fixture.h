// Software graphics for the drawing helpers' tests: renders a drawing into
// the back buffer and reads it back, so two ways of drawing can be compared.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "drawing/graphics.h"

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE));
    ASSERT_TRUE(drawing::Graphics(800, 600, 0));
    drawing::SetColor(255, 255, 255);
    drawing::SetAlpha(1);
    drawing::SetBlend(drawing::ALPHABLEND);
    drawing::SetViewport(0, 0, 800, 600);
    drawing::SetImageFont(nullptr);
    drawing::SetClsColor(0, 0, 0);
  }
  void TearDown() override { drawing::EndGraphics(); }

  // The whole back buffer after `draw` ran on a cleared screen.
  static drawing::PixmapPtr Render(const std::function<void()>& draw) {
    drawing::Cls();
    draw();
    return drawing::GrabPixmap(0, 0, 800, 600);
  }
  static int LitPixels(const drawing::Pixmap& p) {
    int lit = 0;
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x < p.width(); ++x) lit += (p.ReadPixel(x, y) & 0xFFFFFFu) != 0;
    return lit;
  }
  // Both drawings give the same pixels, and they are not blank.
  static void ExpectSameDrawing(const std::function<void()>& actual, const std::function<void()>& expected) {
    auto a = Render(actual);
    auto e = Render(expected);
    ASSERT_TRUE(a && e);
    EXPECT_GT(LitPixels(*e), 0);
    int differing = 0;
    for (int y = 0; y < a->height(); ++y)
      for (int x = 0; x < a->width(); ++x) differing += a->ReadPixel(x, y) != e->ReadPixel(x, y);
    EXPECT_EQ(differing, 0);
  }
};
