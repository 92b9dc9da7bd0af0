// Checks the pictures the build wrote into the game folder.
#include <gtest/gtest.h>

#include <string>

#include "bake.h"
#include "layout.h"
#include "shell_art.h"

namespace baker {
namespace {

using namespace layout;

const std::string kGame = GRIDLET_GAME_DIR;

drawing::PixmapPtr Load(const std::string& rel) { return drawing::LoadPixmap(kGame + "/" + rel); }

int Alpha(const drawing::PixmapPtr& p, int x, int y) { return drawing::ARGB_A(p->ReadPixel(x, y)); }

struct Strip {
  const char* path;
  int cellW, cellH, cells;
};

TEST(ShippedPictures, HaveTheSizesTheGameCutsThemInto) {
  const Strip strips[] = {
      {"gfx/cursor.png", 32, 32, 3},
      {"themes/base/gui_button.png", 22, 18, 18},
      {"themes/base/gui_slider.png", 35, 38, 8},
      {"themes/base/gui_input.png", 54, 35, 6},
      {"themes/base/gui_dropdown.png", 54, 19, 24},
      {"themes/base/stonesbg.png", 50, 50, 2},
      {"themes/base/stones_numbers.png", 46, 46, 9},
      {"themes/base/stones_persons.png", 46, 46, 9},
      {"themes/base/stones_objects.png", 46, 46, 9},
      {"themes/base/stones_xmas.png", 46, 46, 9},
      {"themes/winter/stonesbg.png", 50, 50, 2},
      {"themes/winter/stones_numbers.png", 46, 46, 9},
      {"themes/winter/gui_button.png", 22, 18, 18},
      {"themes/winter/gui_dropdown.png", 54, 19, 24},
  };
  for (const auto& s : strips) {
    auto p = Load(s.path);
    ASSERT_TRUE(p) << s.path;
    EXPECT_EQ(p->width() % s.cellW, 0) << s.path;
    EXPECT_EQ(p->height() % s.cellH, 0) << s.path;
    EXPECT_GE((p->width() / s.cellW) * (p->height() / s.cellH), s.cells) << s.path;
    // No cell row is wasted: the picture holds no more rows than the cells need.
    int perRow = p->width() / s.cellW;
    EXPECT_EQ(p->height() / s.cellH, (s.cells + perRow - 1) / perRow) << s.path;
  }
  for (const char* full : {"themes/base/startscreen.png", "themes/base/bg.png", "themes/base/field.png",
                           "themes/winter/startscreen.png", "themes/winter/bg.png", "themes/winter/field.png"}) {
    auto p = Load(full);
    ASSERT_TRUE(p) << full;
    EXPECT_EQ(p->width(), kScreenW) << full;
    EXPECT_EQ(p->height(), kScreenH) << full;
  }
  for (const char* rect : {"themes/base/rectangle.png", "themes/winter/rectangle.png"}) {
    auto p = Load(rect);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width(), 126);
    EXPECT_EQ(p->height(), 126);
  }
  auto logo = Load("gfx/pxlogo.png"), streak = Load("gfx/pxlogo_effect.png");
  ASSERT_TRUE(logo && streak);
  // The logo fits the logo screen at (272, 172) and the streak is narrower.
  EXPECT_LE(272 + logo->width(), kScreenW);
  EXPECT_LE(172 + logo->height(), kScreenH);
  EXPECT_LT(streak->width(), logo->width() / 2);
  EXPECT_EQ(streak->height(), logo->height());
}

TEST(ShippedPictures, BoardPicturesLeaveTheStonesVisible) {
  // The frame is drawn over the given stones: every cell must be clear where
  // a stone lies, and the background must be opaque everywhere.
  for (const char* theme : {"themes/base", "themes/winter"}) {
    auto field = Load(std::string(theme) + "/field.png");
    auto bg = Load(std::string(theme) + "/bg.png");
    ASSERT_TRUE(field && bg);
    for (int cx : kCellX)
      for (int cy : kCellY)
        for (int y = cy + 1; y < cy + 48; ++y)
          for (int x = cx + 1; x < cx + 49; ++x) ASSERT_EQ(Alpha(field, x, y), 0) << theme << " " << x << "," << y;
    for (int y = 0; y < kScreenH; y += 3)
      for (int x = 0; x < kScreenW; x += 3) ASSERT_EQ(Alpha(bg, x, y), 255) << theme << " " << x << "," << y;
  }
}

TEST(ShippedPictures, SidePanelPiecesFitTheirSlots) {
  auto blank = Load("gfx/blank.png");
  ASSERT_TRUE(blank);
  // Drawn at (15, 178) over the in-game buttons, which must stay visible.
  for (int y = 0; y < blank->height(); ++y)
    for (int x = 0; x < blank->width(); ++x) {
      int sx = 15 + x, sy = 178 + y;
      bool overButtons = sx >= kButtonX && sx < kButtonX + kButtonW && sy >= kButtonY && sy < kButtonY + 6 * kButtonStep + kButtonH;
      if (overButtons) {
        ASSERT_EQ(Alpha(blank, x, y), 0) << x << "," << y;
      }
    }
  // The Mix It bar slides in from the left under the front picture: the
  // caption plate must hide it up to where the track begins, and the track
  // must let it show.
  auto front = Load("themes/base/mixit_front.png");
  auto mark = Load("themes/base/mixit_mark.png");
  ASSERT_TRUE(front && mark);
  EXPECT_EQ(front->width(), kMixIt.w);
  EXPECT_EQ(mark->width(), 100);  // the fill is 100 pixels at its fullest
  for (int y = kMixItMarkY - kMixIt.y; y < kMixItMarkY - kMixIt.y + mark->height(); ++y) {
    for (int x = 10; x < kMixItMarkX - kMixIt.x; ++x) ASSERT_EQ(Alpha(front, x, y), 255) << x << "," << y;
    EXPECT_LT(Alpha(front, kMixItMarkX - kMixIt.x + 50, y), 128);
  }
  // The fill ends where the clip the game sets ends.
  EXPECT_EQ(kMixItMarkX + 100, kMixIt.x + kMixIt.w - 10);
}

TEST(ShippedPictures, CursorTipsSitWhereTheGameDrawsTheFrames) {
  auto cursor = Load("gfx/cursor.png");
  ASSERT_TRUE(cursor);
  auto inkNear = [&](int frame, int x0, int y0) {
    int sum = 0;
    for (int y = y0; y < y0 + 3; ++y)
      for (int x = x0 - 1; x < x0 + 3; ++x) sum += Alpha(cursor, frame * 32 + x, y);
    return sum;
  };
  // Frame 0 is drawn at pointer - (7, 0), frame 1 at pointer - (7, 4).
  EXPECT_GT(inkNear(0, 7, 0), 255);
  EXPECT_GT(inkNear(1, 7, 4), 255);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 32; ++x) EXPECT_EQ(Alpha(cursor, 32 + x, y), 0) << "frame 1 starts lower";
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_LE(Alpha(cursor, x, y), 16) << "nothing but a faint shadow left of the tip";
}

TEST(ShippedPictures, AreRebakedIdenticallyAndNeverUseTheMaskColour) {
  Bake bake = BakeEverything();
  ASSERT_FALSE(bake.pictures.empty());
  auto check = [&](const std::string& path, const Canvas& canvas) {
    auto disk = Load(path);
    ASSERT_TRUE(disk) << path;
    auto fresh = canvas.ToPixmap();
    ASSERT_EQ(disk->width(), fresh->width()) << path;
    ASSERT_EQ(disk->height(), fresh->height()) << path;
    for (int y = 0; y < disk->height(); ++y)
      for (int x = 0; x < disk->width(); ++x) {
        uint32_t v = disk->ReadPixel(x, y);
        ASSERT_EQ(v, fresh->ReadPixel(x, y)) << path << " differs at " << x << "," << y;
        if (drawing::ARGB_A(v) != 0) {
          ASSERT_NE(v & 0xffffffu, 0u) << path << " is pure black at " << x << "," << y;
        }
      }
  };
  for (const auto& p : bake.pictures) check(p.path, p.canvas);
  for (const auto& f : bake.fonts) check(f.path, f.font.sheet);
}

}  // namespace
}  // namespace baker
