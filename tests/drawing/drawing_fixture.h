// Opens the software renderer on a small canvas and reads pixels back.
#pragma once

#include <gtest/gtest.h>

#include "drawing/graphics.h"
#include "drawing/image.h"

class SoftwareCanvas : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE));
    ASSERT_TRUE(drawing::Graphics(64, 48, 0));
    drawing::SetClsColor(0, 0, 0);
    drawing::Cls();
  }
  void TearDown() override { drawing::EndGraphics(); }

  static uint32_t Pixel(int x, int y) {
    auto pix = drawing::GrabPixmap(x, y, 1, 1);
    return pix ? pix->ReadPixel(0, 0) & 0xFFFFFFu : 0xDEADBEEFu;
  }
  // Number of pixels of the whole canvas that are not black.
  static int Lit() {
    auto pix = drawing::GrabPixmap(0, 0, drawing::GraphicsWidth(), drawing::GraphicsHeight());
    int n = 0;
    for (int y = 0; y < pix->height(); ++y)
      for (int x = 0; x < pix->width(); ++x) n += (pix->ReadPixel(x, y) & 0xFFFFFFu) != 0;
    return n;
  }
  // A solid image of one colour (ARGB).
  static drawing::ImagePtr Solid(int w, int h, uint32_t argb, int flags = 0) {
    auto pix = drawing::Pixmap::Create(w, h);
    pix->ClearPixels(argb);
    return drawing::LoadImageFromPixmap(*pix, flags);
  }
};
