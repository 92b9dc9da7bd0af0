#include "presentation/px_sprite_pack.h"

#include <gtest/gtest.h>

#include "drawing/graphics.h"
#include "presentation/presentation_test_support.h"
#include "support/functions.h"

namespace {

using presentation_test::MessageCapture;
using presentation_test::PatternPixmap;

// The sheet: every pixel (x, y) is the colour (x, y, ...), drawn without
// filtering or mask, so a screen pixel tells which sheet pixel landed there.
class PxSpritePackTest : public presentation_test::SoftwareGraphicsTest {
 protected:
  void SetUp() override {
    SoftwareGraphicsTest::SetUp();
    sheet = drawing::LoadImageFromPixmap(*PatternPixmap(200, 100), 0);
    pack = TPX_SpritePack::Create(sheet);
  }
  // The sheet position shown at a screen pixel; (-1, -1) where nothing was drawn.
  static std::pair<int, int> SourceAt(int x, int y) {
    uint32_t p = PixelAt(x, y);
    if (p == 0) return {-1, -1};
    return {drawing::ARGB_R(p), drawing::ARGB_G(p)};
  }
  using Src = std::pair<int, int>;
  static constexpr Src kNothing{-1, -1};

  drawing::ImagePtr sheet;
  TPX_SpritePackPtr pack;
};

TEST_F(PxSpritePackTest, RegistrationIdsAndFrameSizes) {
  auto plain = pack->AddSprite("plain", 1, 2, 30, 40);
  auto strip = pack->AddAnimSprite("x", 0, 0, 100, 20, 4);
  auto fixed = pack->AddSprite("fixed", 0, 0, 5, 5, 50);
  auto grid = pack->AddAnimSpriteMultiCol("grid", 0, 0, 100, 20, 30, 10, 6);
  EXPECT_EQ(plain->SpriteID, 1);
  EXPECT_EQ(strip->SpriteID, 2);
  EXPECT_EQ(fixed->SpriteID, 50);
  EXPECT_EQ(grid->SpriteID, 3);
  EXPECT_EQ(pack->LastSpriteID, 3);
  EXPECT_EQ(plain->framew + plain->frameh + plain->animcount, 0);
  EXPECT_EQ(strip->framew, 25);
  EXPECT_EQ(strip->frameh, 20);
  EXPECT_EQ(grid->framew, 30);
  EXPECT_EQ(grid->frameh, 10);
  EXPECT_EQ(grid->parent.lock(), pack);
  ASSERT_EQ(pack->sprites.size(), 4u);
  EXPECT_EQ(pack->sprites[3], grid);
  EXPECT_EQ(pack->AddAnimSprite("odd", 0, 0, 10, 7, 3)->framew, 3);  // integer division of the width
}

TEST_F(PxSpritePackTest, LookupsFallBackToTheFirstSpriteWithALogLine) {
  auto tl = pack->AddSprite("TopLeft", 0, 0, 5, 5);
  auto back = pack->AddSprite("Back", 5, 0, 5, 5);
  MessageCapture messages;
  EXPECT_EQ(pack->GetSprite("Back"), back);
  EXPECT_EQ(pack->GetSpriteByID(2), back);
  EXPECT_TRUE(messages.log.empty());
  EXPECT_EQ(pack->GetSprite("topleft"), tl);  // letter case counts
  EXPECT_EQ(pack->GetSpriteByID(99), tl);
  EXPECT_EQ(messages.log, (std::vector<std::string>{"topleft nicht gefunden", "Sprite mit ID: 99 nicht gefunden"}));
  auto empty = TPX_SpritePack::Create(sheet);
  EXPECT_EQ(empty->GetSprite("TopLeft"), nullptr);
  EXPECT_EQ(empty->GetSpriteByID(1), nullptr);
  EXPECT_EQ(empty->GetSpriteImage("TopLeft", 0), nullptr);
}

TEST_F(PxSpritePackTest, SpriteFramesAlongAStripAndWrappingIntoRows) {
  auto strip = pack->AddAnimSprite("x", 0, 0, 100, 20, 4);
  strip->Draw(300, 200, 3, 0);  // the source rectangle (75, 0, 25, 20)
  EXPECT_EQ(SourceAt(300, 200), Src(75, 0));
  EXPECT_EQ(SourceAt(324, 219), Src(99, 19));
  EXPECT_EQ(SourceAt(325, 200), kNothing);
  EXPECT_EQ(SourceAt(300, 220), kNothing);

  drawing::Cls();
  auto grid = pack->AddAnimSpriteMultiCol("grid", 10, 20, 100, 40, 30, 10, 8);
  grid->Draw(300, 200, 3, 0);  // 3 whole frames per row: frame 3 is row 1, column 0
  EXPECT_EQ(SourceAt(300, 200), Src(10, 30));
  EXPECT_EQ(SourceAt(329, 209), Src(39, 39));
  EXPECT_EQ(SourceAt(330, 200), kNothing);
  grid->Draw(400, 200, 2, 0);  // still on row 0
  EXPECT_EQ(SourceAt(400, 200), Src(70, 20));
  grid->Draw(500, 200, 5, 0);  // row 1, column 2
  EXPECT_EQ(SourceAt(500, 200), Src(70, 30));
  strip->Draw(600, 200, 4, 0);  // 4 frames fill the strip exactly: frame 4 starts row 1
  EXPECT_EQ(SourceAt(600, 200), Src(0, 20));

  drawing::Cls();
  auto plain = pack->AddSprite("plain", 50, 60, 20, 10);
  plain->Draw(300, 200, -1, 1);  // bottom edge at y
  EXPECT_EQ(SourceAt(300, 190), Src(50, 60));
  EXPECT_EQ(SourceAt(319, 199), Src(69, 69));
  EXPECT_EQ(SourceAt(300, 200), kNothing);
}

TEST_F(PxSpritePackTest, TileDrawRepeatsAndCutsTheLastRowAndColumn) {
  auto tile = pack->AddSprite("tile", 40, 50, 10, 10);
  tile->TileDraw(100, 100, 25, 15, -1);
  int v[4];
  drawing::GetViewport(v[0], v[1], v[2], v[3]);
  EXPECT_EQ(std::vector<int>(v, v + 4), (std::vector<int>{100, 100, 25, 15}));
  drawing::SetViewport(0, 0, 800, 600);
  EXPECT_EQ(SourceAt(100, 100), Src(40, 50));
  EXPECT_EQ(SourceAt(110, 100), Src(40, 50));  // second tile starts over
  EXPECT_EQ(SourceAt(124, 100), Src(44, 50));  // third tile is 5 wide
  EXPECT_EQ(SourceAt(125, 100), kNothing);
  EXPECT_EQ(SourceAt(109, 109), Src(49, 59));
  EXPECT_EQ(SourceAt(109, 110), Src(49, 50));  // second row, 5 high
  EXPECT_EQ(SourceAt(100, 114), Src(40, 54));
  EXPECT_EQ(SourceAt(100, 115), kNothing);
  EXPECT_EQ(LitPixels(90, 90, 50, 40), 25 * 15);
  // A sprite without size draws nothing and still ends.
  pack->AddSprite("flat", 0, 0, 0, 10)->TileDraw(0, 0, 100, 100, -1);
}

TEST_F(PxSpritePackTest, DrawImageAreaShowsOnlyTheClippedPart) {
  auto image = drawing::LoadImageFromPixmap(*PatternPixmap(50, 50), 0);
  DrawImageArea(image, 0, 0, 20, 10, 100, 100, 0, 0, 0);  // the source part (20, 10, 30, 40) at (20, 10)
  EXPECT_EQ(SourceAt(20, 10), Src(20, 10));
  EXPECT_EQ(SourceAt(49, 49), Src(49, 49));
  EXPECT_EQ(SourceAt(19, 10), kNothing);
  EXPECT_EQ(SourceAt(20, 9), kNothing);
  EXPECT_EQ(LitPixels(0, 0, 100, 100), 30 * 40);

  drawing::Cls();
  DrawImageArea(image, 300, 300, 310, 320, 10, 5, 7, -2, 0);  // moved by the offset
  EXPECT_EQ(SourceAt(317, 318), Src(10, 20));
  EXPECT_EQ(LitPixels(250, 250, 150, 150), 10 * 5);

  drawing::Cls();
  DrawImageArea(image, 120, 0, 20, 10, 100, 100, 0, 0, 0);  // left edge on the clip's right edge
  DrawImageArea(image, 0, 110, 20, 10, 100, 100, 0, 0, 0);  // top edge on the clip's bottom edge
  DrawImageArea(image, -30, 0, 20, 10, 100, 100, 0, 0, 0);  // wholly left of it
  EXPECT_EQ(LitPixels(0, 0, 300, 300), 0);
  DrawImageArea(nullptr, 0, 0, 0, 0, 100, 100, 0, 0, 0);
}

TEST_F(PxSpritePackTest, PackDrawingByNameAndIntoAViewport) {
  auto sprite = pack->AddAnimSprite("strip", 100, 10, 40, 20, 2);
  MessageCapture messages;
  pack->Draw("strip", 10, 10, 1);
  EXPECT_EQ(SourceAt(10, 10), Src(120, 10));
  EXPECT_EQ(SourceAt(30, 10), kNothing);
  pack->Draw("STRIP", 300, 300, -1);  // unknown: nothing drawn, nothing logged
  pack->Draw("other", 300, 300, -1, sprite);  // the given sprite wins over the name
  EXPECT_EQ(SourceAt(300, 300), Src(100, 10));
  EXPECT_EQ(SourceAt(339, 300), Src(139, 10));
  EXPECT_TRUE(messages.log.empty());

  drawing::Cls();
  pack->DrawToViewPort("strip", 500, 400, 500, 400, 40, 20);
  EXPECT_EQ(SourceAt(500, 400), Src(100, 10));
  EXPECT_EQ(SourceAt(539, 419), Src(139, 29));
  EXPECT_EQ(LitPixels(400, 300, 300, 200), 40 * 20);  // nothing of the rest of the sheet
}

TEST_F(PxSpritePackTest, DrawClippedTakesTheFrameFromTheSprite) {
  auto strip = pack->AddAnimSprite("strip", 100, 10, 40, 20, 2);
  strip->DrawClipped(50, 50, 55, 40, 100, 100, 0, 0, 1);  // frame 1, its left 5 columns cut
  EXPECT_EQ(SourceAt(55, 50), Src(125, 10));
  EXPECT_EQ(SourceAt(69, 69), Src(139, 29));
  EXPECT_EQ(LitPixels(0, 0, 200, 200), 15 * 20);
  drawing::Cls();
  strip->DrawClipped(50, 50, 80, 40, 100, 100, 0, 0, 0);  // wholly outside
  EXPECT_EQ(LitPixels(0, 0, 200, 200), 0);
}

TEST_F(PxSpritePackTest, SpriteImagesAreCopiesOfTheirRectangles) {
  pack->AddAnimSprite("strip", 100, 10, 40, 20, 2);
  auto whole = pack->GetSpriteImage("strip", 0);
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->width * 1000 + whole->height, 40020);
  EXPECT_EQ(whole->flags, 0);
  EXPECT_EQ(whole->frames[0].pixmap->ReadPixel(0, 0) & 0xFFFF00u, drawing::ARGB(0, 100, 10, 0));
  auto frame = pack->GetSpriteFrameImage("", 1, 1);  // by id
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->width * 1000 + frame->height, 20020);
  EXPECT_EQ(frame->frames[0].pixmap->ReadPixel(0, 0) & 0xFFFF00u, drawing::ARGB(0, 120, 10, 0));
  pack->AddSprite("outside", 500, 500, 10, 10);
  EXPECT_EQ(pack->GetSpriteImage("outside", 0), nullptr);
}

TEST_F(PxSpritePackTest, RecolouringGreyPixels) {
  auto pixmap = drawing::Pixmap::Create(4, 1);
  pixmap->WritePixel(0, 0, drawing::ARGB(128, 100, 100, 100));  // grey
  pixmap->WritePixel(1, 0, drawing::ARGB(255, 100, 101, 100));  // not grey
  pixmap->WritePixel(2, 0, drawing::ARGB(255, 250, 250, 250));  // too light
  pixmap->WritePixel(3, 0, drawing::ARGB(0, 80, 80, 80));       // transparent
  EXPECT_EQ(PX_GreyValue(*pixmap, 0, 0), 100);
  EXPECT_EQ(PX_GreyValue(*pixmap, 1, 0) + PX_GreyValue(*pixmap, 2, 0) + PX_GreyValue(*pixmap, 3, 0), 0);
  {
    MessageCapture messages;
    EXPECT_EQ(PX_GreyValue(*pixmap, 4, 0), 0);
    ASSERT_EQ(messages.log.size(), 1u);
    EXPECT_EQ(messages.log[0].rfind("abgefangen: ", 0), 0u);
  }
  auto recoloured = PX_RecolorImage(drawing::LoadImageFromPixmap(*pixmap, 0), 50, 100, 300);
  ASSERT_TRUE(recoloured);
  const auto& out = *recoloured->frames[0].pixmap;
  EXPECT_EQ(out.ReadPixel(0, 0), drawing::ARGB(255, 50, 100, 255));  // opaque, blue capped at 255
  EXPECT_EQ(out.ReadPixel(1, 0), pixmap->ReadPixel(1, 0));
  EXPECT_EQ(out.ReadPixel(2, 0), pixmap->ReadPixel(2, 0));
  EXPECT_EQ(out.ReadPixel(3, 0), pixmap->ReadPixel(3, 0));
}

TEST_F(PxSpritePackTest, FramedBoxCoversExactlyItsRectangle) {
  // Nine 10 x 10 regions from (1, 1) on: the sheet's pixel (0, 0) is black.
  auto frames = TPX_SpritePack::Create(drawing::LoadImageFromPixmap(*PatternPixmap(31, 31), 0));
  const char* names[3][3] = {{"TopLeft", "BorderTop", "TopRight"},
                             {"BorderLeft", "Back", "BorderRight"},
                             {"BottomLeft", "BorderBottom", "BottomRight"}};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) frames->AddSprite(names[row][col], float(1 + col * 10), float(1 + row * 10), 10, 10);
  Functions::DrawGFXRect(frames, 100, 80, 67, 45);
  EXPECT_EQ(LitPixels(0, 0, 800, 600), 67 * 45);
  EXPECT_EQ(SourceAt(100, 80), Src(1, 1));     // top-left corner
  EXPECT_EQ(SourceAt(166, 124), Src(30, 30));  // bottom-right corner
  EXPECT_EQ(SourceAt(157, 80), Src(21, 1));    // top-right corner starts 10 from the right edge
  EXPECT_EQ(SourceAt(110, 80), Src(11, 1));    // top border
  EXPECT_EQ(SourceAt(120, 90), Src(11, 11));   // back, tiled from its corner
  EXPECT_EQ(SourceAt(130, 100), Src(11, 11));
  EXPECT_EQ(SourceAt(100, 95), Src(1, 16));    // left border
  int v[4];
  drawing::GetViewport(v[0], v[1], v[2], v[3]);
  EXPECT_EQ(std::vector<int>(v, v + 4), (std::vector<int>{0, 0, 800, 600}));
}

}  // namespace
