// The drawing state seen through the software renderer's pixels.
#include "drawing_fixture.h"

using namespace drawing;

TEST_F(SoftwareCanvas, BlendModesCombineSourceAndDestination) {
  SetClsColor(100, 100, 100);
  Cls();
  auto img = Solid(4, 4, ARGB(255, 200, 50, 0));

  SetBlend(ALPHABLEND);
  SetAlpha(0.5f);
  DrawImage(img, 0, 0);
  EXPECT_EQ(Pixel(1, 1), ARGB(0, 150, 75, 50));

  SetBlend(LIGHTBLEND);
  SetAlpha(1);
  DrawImage(img, 8, 0);
  EXPECT_EQ(Pixel(9, 1), ARGB(0, 255, 150, 100)) << "additive, clamped at 255";

  SetBlend(SHADEBLEND);
  DrawImage(img, 16, 0);
  EXPECT_EQ(Pixel(17, 1), ARGB(0, 78, 20, 0)) << "multiplies: 100*200/255, 100*50/255";

  SetBlend(SOLIDBLEND);
  auto half = Solid(4, 4, ARGB(10, 1, 2, 3));
  DrawImage(half, 24, 0);
  EXPECT_EQ(Pixel(25, 1), ARGB(0, 1, 2, 3)) << "solid ignores alpha";

  SetBlend(MASKBLEND);
  DrawImage(Solid(4, 4, ARGB(127, 9, 9, 9)), 32, 0);
  EXPECT_EQ(Pixel(33, 1), ARGB(0, 100, 100, 100)) << "alpha below one half is discarded";
  DrawImage(Solid(4, 4, ARGB(128, 9, 9, 9)), 40, 0);
  EXPECT_EQ(Pixel(41, 1), ARGB(0, 9, 9, 9));
}

TEST_F(SoftwareCanvas, AlphaOutsideZeroToOneIsClampedWhenDrawn) {
  auto img = Solid(4, 4, ARGB(255, 255, 255, 255));
  SetBlend(ALPHABLEND);
  SetAlpha(3.5f);
  EXPECT_FLOAT_EQ(GetAlpha(), 3.5f) << "the state keeps the value as set";
  DrawImage(img, 0, 0);
  EXPECT_EQ(Pixel(0, 0), 0xFFFFFFu);
  SetAlpha(-2.0f);
  SetClsColor(0, 0, 0);
  DrawImage(img, 10, 0);
  EXPECT_EQ(Pixel(10, 0), 0u);
}

TEST_F(SoftwareCanvas, ColourTintsImagesAndShapes) {
  auto img = Solid(4, 4, ARGB(255, 255, 128, 255));
  SetColor(255, 0, 128);
  DrawImage(img, 0, 0);
  EXPECT_EQ(Pixel(2, 2), ARGB(0, 255, 0, 128));
  SetColor(10, 20, 30);
  DrawRect(10, 10, 3, 3);
  EXPECT_EQ(Pixel(11, 11), ARGB(0, 10, 20, 30));
  EXPECT_EQ(Pixel(13, 11), 0u) << "a 3 wide rectangle covers columns 10 to 12";
}

TEST_F(SoftwareCanvas, ImageHandleAndRectangleHandleAreSeparate) {
  auto img = Solid(4, 4, ARGB(255, 255, 255, 255));
  SetImageHandle(img, 2, 2);
  DrawImage(img, 10, 10);
  EXPECT_EQ(Pixel(8, 8), 0xFFFFFFu);
  EXPECT_EQ(Pixel(11, 11), 0xFFFFFFu);
  EXPECT_EQ(Pixel(12, 12), 0u);

  Cls();
  SetImageHandle(img, 0, 0);
  SetHandle(5, 5);  // moves rectangles and text, not images
  DrawImage(img, 20, 20);
  EXPECT_EQ(Pixel(20, 20), 0xFFFFFFu);
  DrawRect(40, 20, 2, 2);
  EXPECT_EQ(Pixel(35, 15), 0xFFFFFFu);
  EXPECT_EQ(Pixel(40, 20), 0u);
}

TEST_F(SoftwareCanvas, OriginMovesEveryDrawingCall) {
  SetOrigin(10, 5);
  DrawRect(0, 0, 1, 1);
  Plot(2, 0);
  DrawImage(Solid(1, 1, ARGB(255, 255, 255, 255)), 4, 0);
  EXPECT_EQ(Pixel(10, 5), 0xFFFFFFu);
  EXPECT_EQ(Pixel(12, 5), 0xFFFFFFu);
  EXPECT_EQ(Pixel(14, 5), 0xFFFFFFu);
  EXPECT_EQ(Lit(), 3);
}

TEST_F(SoftwareCanvas, RotationAndScaleTransformAroundTheDrawPoint) {
  auto img = Solid(4, 2, ARGB(255, 255, 255, 255));
  SetScale(2, 3);
  DrawImage(img, 0, 0);
  EXPECT_EQ(Lit(), 8 * 6);
  EXPECT_EQ(Pixel(7, 5), 0xFFFFFFu);
  Cls();
  SetTransform(90, 1, 1);  // clockwise on screen: x runs down
  DrawImage(img, 20, 20);
  EXPECT_EQ(Lit(), 8);
  EXPECT_EQ(Pixel(19, 23), 0xFFFFFFu);
  EXPECT_EQ(Pixel(18, 20), 0xFFFFFFu);
  EXPECT_EQ(Pixel(20, 20), 0u);
}

TEST_F(SoftwareCanvas, ViewportClipsAllDrawing) {
  SetViewport(10, 10, 5, 4);
  int x, y, w, h;
  GetViewport(x, y, w, h);
  EXPECT_EQ((std::vector<int>{x, y, w, h}), (std::vector<int>{10, 10, 5, 4}));
  DrawRect(0, 0, 64, 48);
  EXPECT_EQ(Lit(), 20);
  EXPECT_EQ(Pixel(10, 10), 0xFFFFFFu);
  EXPECT_EQ(Pixel(14, 13), 0xFFFFFFu);
  EXPECT_EQ(Pixel(15, 13), 0u);
  SetViewport(60, 40, 100, 100);  // cut at the canvas
  Cls();
  DrawRect(0, 0, 64, 48);
  EXPECT_EQ(Lit(), 4 * 8);
}

TEST_F(SoftwareCanvas, DrawImageRectStretchesTheFrame) {
  auto pix = Pixmap::Create(2, 1);
  pix->WritePixel(0, 0, ARGB(255, 255, 0, 0));
  pix->WritePixel(1, 0, ARGB(255, 0, 0, 255));
  auto img = LoadImageFromPixmap(*pix, 0);
  DrawImageRect(img, 0, 0, 8, 4);
  EXPECT_EQ(Lit(), 32);
  EXPECT_EQ(Pixel(3, 3), ARGB(0, 255, 0, 0));
  EXPECT_EQ(Pixel(4, 0), ARGB(0, 0, 0, 255));
}

TEST_F(SoftwareCanvas, SubRectangleIsCutAtTheFrameEdges) {
  auto img = Solid(10, 10, ARGB(255, 255, 255, 255));
  DrawSubImageRect(img, 0, 0, 8, 8, 6, 6, 8, 8);
  EXPECT_EQ(Lit(), 16) << "only 4 by 4 source texels exist";
}

TEST_F(SoftwareCanvas, ShapesCoverTheExpectedPixels) {
  DrawLine(2, 2, 9, 2);
  EXPECT_EQ(Lit(), 8) << "both end pixels are drawn";
  Cls();
  SetLineWidth(3);
  DrawLine(10, 10, 10, 19);
  EXPECT_EQ(Lit(), 30);
  Cls();
  DrawOval(0, 0, 20, 20);
  int lit = Lit();
  EXPECT_NEAR(lit, 314, 12) << "a circle of radius 10";
  EXPECT_EQ(Pixel(10, 10), 0xFFFFFFu);
  EXPECT_EQ(Pixel(0, 0), 0u);
}

TEST_F(SoftwareCanvas, AdjacentQuadsNeverBlendTwice) {
  SetBlend(LIGHTBLEND);
  SetAlpha(0.5f);
  SetRotation(33);
  DrawRect(20, 10, 20, 20);
  auto pix = GrabPixmap(0, 0, 64, 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      uint32_t p = pix->ReadPixel(x, y) & 0xFFFFFFu;
      ASSERT_TRUE(p == 0 || p == ARGB(0, 128, 128, 128)) << x << "," << y;
    }
}

TEST_F(SoftwareCanvas, GrabAndPutPixmap) {
  auto pix = Pixmap::Create(3, 3);
  pix->ClearPixels(ARGB(255, 1, 2, 3));
  DrawPixmap(*pix, 5, 5);
  EXPECT_EQ(Pixel(7, 7), ARGB(0, 1, 2, 3));
  EXPECT_EQ(Pixel(8, 8), 0u);
}

TEST(GraphicsModes, HeadlessRendererOpensListedFullScreenModesOnly) {
  ASSERT_TRUE(SetGraphicsDriver(DRIVER_SOFTWARE));
  EXPECT_FALSE(SetGraphicsDriver(DRIVER_DIRECTX7));
  EXPECT_EQ(GraphicsDriverName(), "Software") << "an absent renderer leaves the selection alone";
  EXPECT_EQ(CountGraphicsModes(), 14);
  int w, h, d, hz;
  ASSERT_TRUE(GetGraphicsMode(3, w, h, d, hz));
  EXPECT_EQ((std::vector<int>{w, h, d, hz}), (std::vector<int>{800, 600, 32, 60}));
  EXPECT_FALSE(GetGraphicsMode(14, w, h, d, hz));
  EXPECT_TRUE(Graphics(1024, 768, 32));
  EXPECT_EQ(GraphicsWidth(), 1024);
  EXPECT_FALSE(Graphics(1000, 700, 32));
  EXPECT_TRUE(Graphics(1000, 700, 0)) << "windows of any size open";
  EndGraphics();
}
