#include <gtest/gtest.h>

#include <stdexcept>

#include "drawing/graphics.h"
#include "drawing/image.h"
#include "presentation/big_image.h"
#include "presentation/pixel_compositing.h"
#include "presentation_test_support.h"

using presentation_test::PatternPixmap;
using presentation_test::SoftwareGraphicsTest;
using presentation_test::SolidPixmap;

namespace {

std::vector<std::array<float, 4>> TileRects(const TBigImage& big) {
  std::vector<std::array<float, 4>> rects;
  for (const ImageFragment& f : big.fragments) rects.push_back({f.x, f.y, f.w, f.h});
  return rects;
}

}  // namespace

TEST(BigImageTiling, CutsTilesOfAtMost256RowByRow) {
  auto one = TBigImage::create(SolidPixmap(256, 256, 0xFF112233));
  ASSERT_TRUE(one);
  EXPECT_EQ(one->fragments.size(), 1u);

  auto two = TBigImage::create(SolidPixmap(257, 1, 0xFF112233));
  ASSERT_TRUE(two);
  EXPECT_EQ(TileRects(*two), (std::vector<std::array<float, 4>>{{0, 0, 256, 1}, {256, 0, 1, 1}}));

  auto screen = TBigImage::create(SolidPixmap(800, 600, 0xFF112233));
  ASSERT_TRUE(screen);
  ASSERT_EQ(screen->fragments.size(), 12u);
  const float widths[] = {256, 256, 256, 32};
  const float heights[] = {256, 256, 88};
  for (size_t i = 0; i < 12; ++i) {
    const ImageFragment& f = screen->fragments[i];
    EXPECT_EQ(f.x, float(256 * (i % 4)));
    EXPECT_EQ(f.y, float(256 * (i / 4)));
    EXPECT_EQ(f.w, widths[i % 4]);
    EXPECT_EQ(f.h, heights[i / 4]);
    EXPECT_EQ(drawing::ImageWidth(f.img), int(f.w));
    EXPECT_EQ(drawing::ImageHeight(f.img), int(f.h));
  }
  EXPECT_EQ(screen->width, 800);
  EXPECT_EQ(screen->height, 600);
  EXPECT_FALSE(screen->pixmap) << "the source pixels are released after tiling";
}

TEST(BigImageTiling, MissingSourceGivesNoImage) {
  EXPECT_FALSE(TBigImage::create(nullptr));
  EXPECT_FALSE(TBigImage::CreateFromImage(nullptr));
}

TEST(BigImageTiling, RestorePixmapOfAnOpaquePictureReproducesIt) {
  drawing::PixmapPtr source = PatternPixmap(300, 270);
  source->set_format(drawing::PF_RGB888);
  drawing::ImagePtr image = drawing::LoadImageFromPixmap(*source, 0);
  auto big = TBigImage::CreateFromImage(image);
  ASSERT_TRUE(big);
  EXPECT_EQ(big->fragments.size(), 4u);
  drawing::PixmapPtr restored = big->RestorePixmap();
  ASSERT_TRUE(restored);
  ASSERT_EQ(restored->width(), 300);
  ASSERT_EQ(restored->height(), 270);
  EXPECT_EQ(restored->format(), drawing::PF_RGB888);
  for (int y = 0; y < 270; ++y) {
    for (int x = 0; x < 300; ++x) {
      ASSERT_EQ(restored->ReadPixel(x, y), source->ReadPixel(x, y)) << x << "," << y;
    }
  }
}

TEST(PixelCompositing, BlendsByCoverageAndSkipsTransparentPixels) {
  drawing::PixmapPtr target = SolidPixmap(4, 1, drawing::ARGB(255, 0, 0, 200));
  drawing::PixmapPtr source = drawing::Pixmap::Create(3, 1);
  source->WritePixel(0, 0, drawing::ARGB(255, 100, 0, 0));  // opaque: replaces
  source->WritePixel(1, 0, drawing::ARGB(0, 255, 255, 255));  // transparent: untouched
  source->WritePixel(2, 0, drawing::ARGB(51, 255, 0, 0));   // thin coverage over opaque blue
  drawing::ImagePtr image = drawing::LoadImageFromPixmap(*source, 0);
  CompositeImageFrame(image, 0, *target, 1, 0, 1.0f, 1.0f, 0);
  EXPECT_EQ(target->ReadPixel(0, 0), drawing::ARGB(255, 0, 0, 200));
  EXPECT_EQ(target->ReadPixel(1, 0), drawing::ARGB(255, 100, 0, 0));
  EXPECT_EQ(target->ReadPixel(2, 0), drawing::ARGB(255, 0, 0, 200));
  // a = 51, d = 255, A = 306 shown as 255; red = 255 * 51 / 306, blue = 200 * 255 / 306.
  EXPECT_EQ(target->ReadPixel(3, 0), drawing::ARGB(255, 42, 0, 166));
}

TEST(PixelCompositing, ClipsToTheTargetAndRejectsAMissingImage) {
  drawing::PixmapPtr target = SolidPixmap(2, 2, 0);
  drawing::ImagePtr image = drawing::LoadImageFromPixmap(*SolidPixmap(3, 3, 0xFFFFFFFF), 0);
  CompositeImageFrame(image, 0, *target, -2, -2, 1.0f, 1.0f, 0);
  EXPECT_EQ(target->ReadPixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(target->ReadPixel(1, 1), 0u);
  EXPECT_THROW(CompositeImageFrame(nullptr, 0, *target, 0, 0, 1, 1, 0), std::runtime_error);
  EXPECT_THROW(CompositeImageFrame(image, 1, *target, 0, 0, 1, 1, 0), std::runtime_error);
}

using BigImageDrawing = SoftwareGraphicsTest;

TEST_F(BigImageDrawing, SkipsTilesOutsideTheViewportVertically) {
  auto big = TBigImage::create(SolidPixmap(800, 600, 0xFF00FF00));
  ASSERT_TRUE(big);
  EXPECT_EQ(big->render(0, 0, 1), 12);
  // The first row ends at -44: skipped, the other two rows are drawn.
  EXPECT_EQ(big->render(0, -300, 1), 8);
  EXPECT_EQ(big->render(0, 600, 1), 0);
  drawing::SetViewport(0, 0, 800, 300);
  EXPECT_EQ(big->render(0, 100, 1), 4) << "only the first row starts above the viewport's bottom";
}

TEST_F(BigImageDrawing, DrawsTheWholePictureSeamlessly) {
  drawing::PixmapPtr pixels = SolidPixmap(600, 300, 0xFF0000FF);
  pixels->WritePixel(599, 299, 0xFFFF0000);
  auto big = TBigImage::create(pixels);
  big->render(100, 50, 1);
  EXPECT_EQ(PixelAt(100, 50), 0x0000FFu);
  EXPECT_EQ(PixelAt(356, 306), 0x0000FFu) << "inside the second tile row and column";
  EXPECT_EQ(PixelAt(699, 349), 0xFF0000u);
  EXPECT_EQ(PixelAt(700, 350), 0u);
  EXPECT_EQ(LitPixels(0, 0, 800, 600), 600 * 300);
}

TEST_F(BigImageDrawing, ScaleOnlySpacesTheTiles) {
  auto big = TBigImage::create(SolidPixmap(300, 10, 0xFFFFFFFF));
  big->render(0, 0, 2);
  // The second tile (44 wide) starts at 512; the gap between stays empty.
  EXPECT_EQ(PixelAt(255, 5), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(300, 5), 0u);
  EXPECT_EQ(PixelAt(512, 5), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(555, 5), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(556, 5), 0u);
}

TEST_F(BigImageDrawing, RenderInViewPortShowsOnlyTheClipRectangle) {
  auto big = TBigImage::create(SolidPixmap(400, 300, 0xFFFFFFFF));
  big->renderInViewPort(0, 0, 250, 100, 20, 200);
  EXPECT_EQ(LitPixels(0, 0, 800, 600), 20 * 200);
  EXPECT_EQ(PixelAt(250, 100), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(269, 299), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(270, 150), 0u);
}
