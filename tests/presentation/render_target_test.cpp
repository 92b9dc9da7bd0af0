#include <gtest/gtest.h>

#include "drawing/graphics.h"
#include "drawing/image.h"
#include "presentation/render_target.h"
#include "presentation_test_support.h"

using presentation_test::MessageCapture;
using presentation_test::SoftwareGraphicsTest;

TEST(RenderTargetSizes, Pow2SizeIsTheSmallestPowerOfTwoAtLeastN) {
  const std::pair<int, int> cases[] = {{-5, 1}, {0, 1}, {1, 1}, {2, 2}, {3, 4}, {255, 256}, {256, 256}, {257, 512}};
  for (auto [n, size] : cases) EXPECT_EQ(tRender::Pow2Size(n), size) << n;
}

using RenderTarget = SoftwareGraphicsTest;

TEST_F(RenderTarget, FramesAreCreatedAndReportedInTheLog) {
  MessageCapture messages;
  drawing::ImagePtr frame = tRender::Create(64, 32, 0);
  ASSERT_TRUE(frame);
  EXPECT_EQ(drawing::ImageWidth(frame), 64);
  EXPECT_EQ(drawing::CountFrames(frame), 1);
  EXPECT_FALSE(tRender::Create(0, 32, 0));
  EXPECT_EQ(messages.log, (std::vector<std::string>{"tRender : CreateFrame OK",
                                                    "tRender : CreateFrame ERROR : DDERR_INVALIDPARAMS"}));
  EXPECT_EQ(tRender::ErrorName(tRender::SURFACELOST), "DDERR_SURFACELOST");
  EXPECT_EQ(tRender::ErrorName(12345), "");
  tRender::Initialise();
  EXPECT_FALSE(tRender::IsDirectX7());
}

TEST_F(RenderTarget, DrawingGoesIntoTheImageAndTheBackBufferIsKept) {
  drawing::SetColor(255, 0, 0);
  drawing::DrawRect(5, 5, 2, 2);
  drawing::SetViewport(0, 0, 700, 500);
  drawing::ImagePtr target = tRender::Create(20, 10, 0);
  ASSERT_TRUE(tRender::TextureRender_Begin(target, 0));
  tRender::Cls(0x00FF00);
  drawing::SetColor(255, 255, 255);
  drawing::DrawRect(2, 2, 3, 3);
  drawing::DrawRect(30, 0, 5, 5);  // outside the target: clipped away
  tRender::TextureRender_End();

  const drawing::Pixmap& pixels = *target->frames[0].pixmap;
  EXPECT_EQ(pixels.ReadPixel(0, 0) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(pixels.ReadPixel(3, 3) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(pixels.ReadPixel(5, 5) & 0xFFFFFF, 0x00FF00u) << "the old back-buffer content is not in the target";
  EXPECT_EQ(PixelAt(5, 5), 0xFF0000u) << "the back buffer under the target is restored";
  EXPECT_EQ(PixelAt(0, 0), 0u);
  EXPECT_EQ(PixelAt(31, 1), 0u);
  int vx, vy, vw, vh;
  drawing::GetViewport(vx, vy, vw, vh);
  EXPECT_EQ(std::make_tuple(vx, vy, vw, vh), std::make_tuple(0, 0, 700, 500));

  drawing::Cls();
  drawing::DrawImage(target, 100, 100);
  EXPECT_EQ(PixelAt(103, 103), 0xFFFFFFu) << "the target draws like any image";
}

TEST_F(RenderTarget, TargetsLargerThanTheGraphicsAreRefused) {
  drawing::ImagePtr target = tRender::Create(1000, 10, 0);
  ASSERT_TRUE(target);
  EXPECT_FALSE(tRender::TextureRender_Begin(target, 0));
  EXPECT_FALSE(tRender::TextureRender_Begin(nullptr, 0));
  tRender::BackBufferRender_Begin();
  int vx, vy, vw, vh;
  drawing::GetViewport(vx, vy, vw, vh);
  EXPECT_EQ(std::make_tuple(vx, vy, vw, vh), std::make_tuple(0, 0, 800, 600));
  tRender::SetMipMap(target, 2);
  EXPECT_TRUE(target->flags & drawing::MIPMAPPEDIMAGE);
  tRender::SetMipMap(target, 0);
  EXPECT_FALSE(target->flags & drawing::MIPMAPPEDIMAGE);
}
