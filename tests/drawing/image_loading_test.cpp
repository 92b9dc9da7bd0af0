// Loading pictures: PNG round trips, animation cells, masks and bad files.
#include <fstream>

#include "drawing/files.h"
#include "drawing_fixture.h"
#include "temp_dir.h"

using namespace drawing;

namespace {

// A picture of 3 by 2 cells of 4 by 4 pixels; cell i is filled with grey 10 * (i + 1).
std::string WriteCells(const TempDir& dir) {
  auto pix = Pixmap::Create(12, 8);
  for (int i = 0; i < 6; ++i) {
    int cx = (i % 3) * 4, cy = (i / 3) * 4;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) pix->WritePixel(cx + x, cy + y, ARGB(255, 10 * (i + 1), 10 * (i + 1), 10 * (i + 1)));
  }
  std::string path = dir / "cells.png";
  EXPECT_TRUE(SavePixmapPNG(*pix, path, 9));
  return path;
}

}  // namespace

TEST(Pixmaps, PngRoundTripKeepsEveryPixelAndHonoursCompression) {
  TempDir dir;
  auto pix = Pixmap::Create(40, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) pix->WritePixel(x, y, ARGB((x * 7) & 255, x * 6, y * 8, (x + y) & 255));
  ASSERT_TRUE(SavePixmapPNG(*pix, dir / "a.png", 0));
  ASSERT_TRUE(SavePixmapPNG(*pix, dir / "b.png", 9));
  EXPECT_GT(FileSize(dir / "a.png"), FileSize(dir / "b.png"));
  auto back = LoadPixmap(dir / "b.png");
  ASSERT_TRUE(back);
  ASSERT_EQ(back->width(), 40);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(back->ReadPixel(x, y), pix->ReadPixel(x, y));
}

TEST(Pixmaps, BadFilesGiveNoPicture) {
  TempDir dir;
  EXPECT_FALSE(LoadPixmap(dir / "missing.png"));
  EXPECT_FALSE(LoadImage(dir / "missing.png"));
  std::ofstream(dir / "text.png") << "this is not a picture";
  EXPECT_FALSE(LoadPixmap(dir / "text.png"));
  auto pix = Pixmap::Create(50, 50);
  ASSERT_TRUE(SavePixmapPNG(*pix, dir / "full.png", 0));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(dir / "full.png", bytes));
  for (size_t cut : {size_t(8), size_t(33), bytes.size() / 2, bytes.size() - 13}) {
    std::ofstream(dir / "cut.png", std::ios::binary).write(bytes.data(), std::streamsize(cut));
    EXPECT_FALSE(LoadPixmap(dir / "cut.png")) << "cut at " << cut;
  }
  EXPECT_FALSE(LoadPixmap(dir.str())) << "a folder";
  EXPECT_FALSE(Pixmap::Create(0, 5));
  EXPECT_FALSE(Pixmap::Create(Pixmap::kMaxSide + 1, 1));
}

TEST(Pixmaps, SavingIntoAMissingFolderWritesNothing) {
  TempDir dir;
  auto pix = Pixmap::Create(2, 2);
  EXPECT_FALSE(SavePixmapPNG(*pix, dir / "nope/x.png"));
  EXPECT_EQ(FileType(dir / "nope"), FILETYPE_NONE);
}

TEST(AnimImages, CellsAreCutLeftToRightThenTopToBottom) {
  TempDir dir;
  std::string path = WriteCells(dir);
  auto img = LoadAnimImage(path, 4, 4, 1, 5, 0);
  ASSERT_TRUE(img);
  EXPECT_EQ(CountFrames(img), 5);
  EXPECT_EQ(ImageWidth(img), 4);
  EXPECT_EQ(LockImage(img, 0)->ReadPixel(0, 0), ARGB(255, 20, 20, 20)) << "first cell taken is cell 1";
  EXPECT_EQ(LockImage(img, 2)->ReadPixel(3, 3), ARGB(255, 40, 40, 40)) << "cell 3 starts the second row";
  EXPECT_EQ(LockImage(img, 4)->ReadPixel(0, 0), ARGB(255, 60, 60, 60));
  EXPECT_FALSE(LockImage(img, 5));
}

TEST(AnimImages, ImpossibleCuttingsGiveNoImage) {
  TempDir dir;
  std::string path = WriteCells(dir);
  EXPECT_FALSE(LoadAnimImage(path, 0, 4, 0, 1));
  EXPECT_FALSE(LoadAnimImage(path, 4, 0, 0, 1));
  EXPECT_FALSE(LoadAnimImage(path, -4, 4, 0, 1));
  EXPECT_FALSE(LoadAnimImage(path, 4, 4, 0, 7)) << "only six cells";
  EXPECT_FALSE(LoadAnimImage(path, 4, 4, 6, 1));
  EXPECT_FALSE(LoadAnimImage(path, 13, 4, 0, 1)) << "cell wider than the picture";
  EXPECT_FALSE(LoadAnimImage(dir / "missing.png", 4, 4, 0, 1));
  EXPECT_TRUE(LoadAnimImage(path, 4, 4, 0, 6));
}

TEST_F(SoftwareCanvas, MaskedImagesDropTheMaskColour) {
  auto pix = Pixmap::Create(2, 1);
  pix->WritePixel(0, 0, ARGB(255, 0, 0, 0));
  pix->WritePixel(1, 0, ARGB(255, 1, 0, 0));
  auto masked = LoadImageFromPixmap(*pix, MASKEDIMAGE);
  EXPECT_EQ(LockImage(masked, 0)->ReadPixel(0, 0), 0u);
  EXPECT_EQ(LockImage(masked, 0)->ReadPixel(1, 0), ARGB(255, 1, 0, 0));
  auto plain = LoadImageFromPixmap(*pix, 0);
  EXPECT_EQ(LockImage(plain, 0)->ReadPixel(0, 0), ARGB(255, 0, 0, 0));
  auto defaults = LoadImageFromPixmap(*pix, DEFAULT_IMAGE_FLAGS);
  EXPECT_EQ(defaults->flags, MASKEDIMAGE | FILTEREDIMAGE);
  EXPECT_EQ(LockImage(defaults, 0)->ReadPixel(0, 0), 0u);

  SetClsColor(0, 0, 200);
  Cls();
  DrawImage(masked, 0, 0);
  EXPECT_EQ(Pixel(0, 0), ARGB(0, 0, 0, 200)) << "transparent where the mask was";
}

TEST_F(SoftwareCanvas, LockedPixelsShowAfterUnlock) {
  auto img = CreateImage(2, 2, 1, 0);
  DrawImage(img, 0, 0);
  EXPECT_EQ(Pixel(0, 0), 0u);
  LockImage(img)->ClearPixels(ARGB(255, 0, 255, 0));
  UnlockImage(img);
  DrawImage(img, 0, 0);
  EXPECT_EQ(Pixel(1, 1), ARGB(0, 0, 255, 0));
  auto grabbed = CreateImage(2, 2, 1, 0);
  GrabImage(grabbed, 0, 0);
  EXPECT_EQ(LockImage(grabbed)->ReadPixel(1, 1) & 0xFFFFFFu, ARGB(0, 0, 255, 0));
}

TEST(Pixmaps, WindowsAreCutToThePixmapWhateverTheNumbers) {
  auto pix = Pixmap::Create(10, 8);
  pix->WritePixel(9, 7, ARGB(255, 1, 2, 3));
  auto corner = pix->Window(9, 7, 2147483647, 2147483647);
  ASSERT_TRUE(corner);
  EXPECT_EQ(corner->width(), 1);
  EXPECT_EQ(corner->height(), 1);
  EXPECT_EQ(corner->ReadPixel(0, 0), ARGB(255, 1, 2, 3));
  EXPECT_FALSE(pix->Window(-2147483647 - 1, 0, -5, 3));
  EXPECT_FALSE(pix->Window(10, 0, 5, 5)) << "starts past the right edge";
  auto middle = pix->Window(-3, -3, 6, 6);
  ASSERT_TRUE(middle);
  EXPECT_EQ(middle->width(), 3);
}
