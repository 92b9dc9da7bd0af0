#include <gtest/gtest.h>

#include <set>

#include "drawing/graphics.h"
#include "drawing/image.h"
#include "drawing/input.h"
#include "engine/random.h"
#include "presentation/anim_sprites.h"
#include "presentation/sprites_pack.h"
#include "presentation_test_support.h"

using presentation_test::MessageCapture;
using presentation_test::SoftwareGraphicsTest;
using presentation_test::SolidPixmap;

namespace {

drawing::ImagePtr SolidImage(int w, int h, uint32_t argb) {
  return drawing::LoadImageFromPixmap(*SolidPixmap(w, h, argb), 0);
}

// A strip of `frames` cells of w x h, cell n filled with grey level 10 * (n + 1).
drawing::ImagePtr StripImage(int w, int h, int frames) {
  drawing::PixmapPtr strip = drawing::Pixmap::Create(w * frames, h);
  for (int n = 0; n < frames; ++n) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) strip->WritePixel(n * w + x, y, drawing::ARGB(255, 10 * (n + 1), 10 * (n + 1), 10 * (n + 1)));
    }
  }
  return drawing::LoadAnimImageFromPixmap(*strip, w, h, 0, frames, 0);
}

}  // namespace

TEST(SpritesPack, LookupIgnoresCaseAndFallsBackToTheFirstSprite) {
  auto pack = TSpritesPack::Create();
  EXPECT_FALSE(pack->GetSprite("anything")) << "an empty pack has nothing to fall back to";
  auto field = pack->AddSprite(nullptr, "", "field", 0, 0, 0, 0, 0, 0, -1, 0, 0);
  auto time = pack->AddSprite(nullptr, "", "Time", 0, 0, 0, 0, 0, 0, -1, 0, 0);
  EXPECT_EQ(field->spritename, "FIELD");
  EXPECT_EQ(pack->GetSprite("tImE"), time);
  EXPECT_EQ(pack->GetSprite("TIME"), time);
  EXPECT_EQ(pack->GetSprite("no such sprite"), field);
}

TEST(SpritesPack, AutomaticIdsCountOnlyNegativeRequests) {
  auto pack = TSpritesPack::Create();
  EXPECT_EQ(pack->AddSprite(nullptr, "", "a", 0, 0, 0, 0, 0, 0, -1, 0, 0)->SpriteID, 1);
  EXPECT_EQ(pack->AddSprite(nullptr, "", "b", 0, 0, 0, 0, 0, 0, 7, 0, 0)->SpriteID, 7);
  EXPECT_EQ(pack->AddAnimSprite(nullptr, "", "c", 0, 0, 0, 0, 0, 1, 1, 1, -1, 0, 0)->SpriteID, 2);
  EXPECT_EQ(pack->AddBigSprite(nullptr, "", "d", 0, 0, 0, 0, 0, 0, 0, 1, -5, 0, 0)->SpriteID, 3);
  pack->Clear();
  EXPECT_TRUE(pack->List.empty());
  EXPECT_EQ(pack->AddSprite(nullptr, "", "e", 0, 0, 0, 0, 0, 0, -1, 0, 0)->SpriteID, 1);
}

TEST(SpritesPack, MissingImagesAreLoggedAndStillRegistered) {
  MessageCapture capture;
  auto pack = TSpritesPack::Create();
  auto still = pack->AddSprite(nullptr, "gone.png", "Still", 0, 0, 0, 0, 0, 0, -1, 0, 0);
  auto anim = pack->AddAnimSprite(nullptr, "gone2.png", "Anim", 0, 0, 0, 0, 0, 4, 4, 3, -1, 0, 0);
  EXPECT_EQ(capture.log, (std::vector<std::string>{"Error: AddSprite: Still path:gone.png",
                                                   "Error: AddAnimSprite: Anim path:gone2.png"}));
  EXPECT_EQ(pack->List.size(), 2u);
  EXPECT_TRUE(still->image.empty());
  EXPECT_EQ(still->frameW, 0);
  EXPECT_EQ(still->height, 0);
  EXPECT_EQ(anim->frames, 3);
}

TEST(SpritesPack, FrameSizesComeFromTheImageUnlessGiven) {
  auto pack = TSpritesPack::Create();
  drawing::ImagePtr image = SolidImage(40, 30, 0xFFFFFFFF);
  auto still = pack->AddSprite(image, "p.png", "s", 0, 0, 0, 0, 0, 2, -1, 0, 0);
  EXPECT_EQ(still->frameW, 40);
  EXPECT_EQ(still->frameH, 30);
  EXPECT_EQ(still->frames, 1);
  EXPECT_EQ(still->useframe, 2);
  auto anim = pack->AddAnimSprite(image, "p.png", "a", 0, 0, 0, 0, 0, 10, 0, 4, -1, 0, 0);
  EXPECT_EQ(anim->frameW, 10);
  EXPECT_EQ(anim->frameH, 30);
  EXPECT_EQ(anim->useframe, 0);
  auto big = pack->AddBigSprite(image, "p.png", "b", 0, 0, 0, 0, 0, 0, 0, 1, -1, 0, 0);
  ASSERT_TRUE(big->image.big);
  EXPECT_FALSE(big->image.plain);
  EXPECT_EQ(big->height, 30);
}

TEST(SpritesPack, FindDuplicateMatchesPathsInAnyCase) {
  MessageCapture capture;
  auto pack = TSpritesPack::Create();
  drawing::ImagePtr image = SolidImage(2, 2, 0xFFFFFFFF);
  pack->AddSprite(image, "themes/Winter/Field.png", "first", 0, 0, 0, 0, 0, 0, -1, 0, 0);
  EXPECT_TRUE(pack->FindDuplicate("").empty());
  EXPECT_TRUE(capture.log.empty()) << "an empty path is answered without a log line";
  EXPECT_TRUE(pack->FindDuplicate("themes/winter/other.png").empty());
  EXPECT_TRUE(capture.log.empty());
  SpriteImage shared = pack->FindDuplicate("THEMES/WINTER/FIELD.PNG");
  EXPECT_EQ(shared.plain, image);
  EXPECT_EQ(capture.log, std::vector<std::string>{"duplicate"});
}

TEST(SpritesDrift, WrapsPastTheRightEdgeAtANewRandomSpeed) {
  SeedRnd(1234);
  TSpritesPack pack;
  std::set<int> speeds;
  std::set<int> starts;
  for (int i = 0; i < 200; ++i) {
    auto sprite = pack.AddSprite(nullptr, "", "cloud", 899, 0, 2, 0, 100, 0, -1, 0, 0);
    sprite->Update(0, 0);
    ASSERT_GE(sprite->x, -150);
    ASSERT_LE(sprite->x, -101);
    ASSERT_GE(sprite->dx, 4);
    ASSERT_LE(sprite->dx, 9);
    speeds.insert(int(sprite->dx));
    starts.insert(int(sprite->x));
  }
  EXPECT_EQ(speeds.size(), 6u) << "every speed from 4 to 9 turns up";
  EXPECT_GT(starts.size(), 30u);

  auto stays = pack.AddSprite(nullptr, "", "cloud", 800, 0, 2, 0, 100, 0, -1, 0, 0);
  stays->UpdateWithReturn(0, 0);
  EXPECT_EQ(stays->x, 802) << "no wrap until x - returnToStart passes 800";
  auto forever = pack.AddSprite(nullptr, "", "cloud", 5000, 0, 2, 0, 0, 0, -1, 0, 0);
  forever->Update(0, 0);
  EXPECT_EQ(forever->x, 5002);
}

using SpritesDrawing = SoftwareGraphicsTest;

TEST_F(SpritesDrawing, OwnPositionIsTruncatedAndDefaultFrameIsUseframe) {
  auto pack = TSpritesPack::Create();
  auto sprite = pack->AddAnimSprite(StripImage(4, 4, 3), "", "s", 10.7f, 20.9f, 0, 0, 0, 4, 4, 3, -1, 0, 0);
  sprite->useframe = 2;
  sprite->Draw(-1, -1, -1);
  EXPECT_EQ(PixelAt(10, 20), 0x1E1E1Eu) << "frame 2 at (10, 20)";
  EXPECT_EQ(PixelAt(9, 20), 0u);
  EXPECT_EQ(PixelAt(13, 23), 0x1E1E1Eu);
  EXPECT_EQ(PixelAt(14, 23), 0u);

  drawing::Cls();
  sprite->Draw(-1, 5, 0);
  EXPECT_EQ(PixelAt(0, 5), 0x0A0A0Au) << "only x = y = -1 means the own position";
  EXPECT_EQ(PixelAt(2, 8), 0x0A0A0Au);
  EXPECT_EQ(PixelAt(3, 8), 0u);

  drawing::Cls();
  sprite->DrawXadded(5.5f, 1);
  EXPECT_EQ(PixelAt(16, 20), 0x141414u);
  EXPECT_EQ(PixelAt(15, 20), 0u);
}

TEST_F(SpritesDrawing, OffScreenOrInvisibleSpritesStillDrawTheirCaption) {
  auto pack = TSpritesPack::Create();
  auto sprite = pack->AddSprite(SolidImage(20, 10, 0xFFFF0000), "", "s", 0, 0, 0, 0, 0, 0, -1, 30, 2);
  const int caption_only_x = 30, caption_y = 2;

  sprite->Draw(100, -10, -1, "Hi");
  EXPECT_EQ(LitPixels(100, 0, 20, 10), 0) << "y + height <= 0 draws no picture";
  EXPECT_GT(LitPixels(100 + caption_only_x, 0, 40, 20), 0) << "caption at (x + textx, y + texty)";

  drawing::Cls();
  sprite->Draw(100, -9, -1);
  EXPECT_EQ(LitPixels(100, 0, 20, 1), 20) << "one row still shows";

  drawing::Cls();
  sprite->visible = 0;
  sprite->Draw(100, 300, -1, "Hi");
  EXPECT_EQ(LitPixels(100, 300, 20, 10), 0);
  EXPECT_GT(LitPixels(100 + caption_only_x, 300 + caption_y, 40, 20), 0);
}

TEST_F(SpritesDrawing, SpritesAtOrBelowTheScreenBottomAreNotDrawn) {
  drawing::SetLogicalSize(800, 700);
  auto pack = TSpritesPack::Create();
  auto sprite = pack->AddSprite(SolidImage(10, 10, 0xFF00FF00), "", "s", 0, 0, 0, 0, 0, 0, -1, 0, 0);
  sprite->Draw(0, 600, -1);
  sprite->Draw(20, 599, -1);
  drawing::PixmapPtr all = drawing::GrabPixmap(0, 0, drawing::GraphicsWidth(), drawing::GraphicsHeight());
  int lit = 0;
  for (int y = 0; y < all->height(); ++y)
    for (int x = 0; x < all->width(); ++x) lit += (all->ReadPixel(x, y) & 0xFFFFFF) != 0;
  EXPECT_GT(lit, 0) << "the sprite at y = 599 is drawn";
  drawing::Cls();
  sprite->Draw(0, 600, -1);
  all = drawing::GrabPixmap(0, 0, drawing::GraphicsWidth(), drawing::GraphicsHeight());
  lit = 0;
  for (int y = 0; y < all->height(); ++y)
    for (int x = 0; x < all->width(); ++x) lit += (all->ReadPixel(x, y) & 0xFFFFFF) != 0;
  EXPECT_EQ(lit, 0) << "y = 600 is below the 600-pixel screen";
}

TEST_F(SpritesDrawing, UpdateAndDrawMovesDrawsThenWraps) {
  SeedRnd(99);
  auto pack = TSpritesPack::Create();
  auto sprite = pack->AddSprite(SolidImage(5, 5, 0xFFFFFFFF), "", "s", 100, 50, 3, 0, 0, 0, -1, 0, 0);
  sprite->UpdateAndDraw(TSprites::kOwnCoordinate, TSprites::kOwnCoordinate);
  EXPECT_EQ(sprite->x, 103);
  EXPECT_EQ(PixelAt(103, 50), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(102, 50), 0u);
  sprite->UpdateAndDraw(10, TSprites::kOwnCoordinate);
  EXPECT_EQ(PixelAt(10, 50), 0xFFFFFFu);

  sprite->x = 898;
  sprite->returnToStart = 100;
  drawing::Cls();
  sprite->UpdateAndDraw(0, 0);
  EXPECT_EQ(PixelAt(0, 0), 0xFFFFFFu) << "drawn before the wrap";
  EXPECT_LT(sprite->x, -100);
}

TEST_F(SpritesDrawing, LargeImageSpritesDrawWithoutTheVerticalTest) {
  auto pack = TSpritesPack::Create();
  auto sprite = pack->AddBigSprite(SolidImage(300, 20, 0xFF0000FF), "", "bg", 0, 0, 0, 0, 0, 0, 0, 1, -1, 0, 0);
  sprite->Draw(0, 10, -1);
  EXPECT_EQ(LitPixels(0, 0, 800, 600), 300 * 20);
}

namespace {

std::vector<int> FrameSequence(TAnimSprites& sprite, int steps) {
  std::vector<int> frames{sprite.AnimPos};
  for (int i = 1; i < steps; ++i) {
    sprite.animTimer = drawing::MilliSecs() - 1;  // due now
    frames.push_back(sprite.GetAnimPos());
  }
  return frames;
}

}  // namespace

TEST(AnimSprites, RepeatRulesDecideTheFrameSequence) {
  auto looping = TAnimSprites::Create(nullptr, 0, 0, 0, 4, 10, 1);
  ASSERT_TRUE(looping);
  EXPECT_EQ(FrameSequence(*looping, 7), (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));

  auto twice = TAnimSprites::Create(nullptr, 0, 0, 0, 4, 10, 1);
  twice->RepeatTimes = 2;
  EXPECT_EQ(FrameSequence(*twice, 9), (std::vector<int>{0, 1, 2, 0, 1, 2, 3, 3, 3}));

  auto once = TAnimSprites::Create(nullptr, 0, 0, 0, 4, 10, 1);
  once->RepeatTimes = 1;
  EXPECT_EQ(FrameSequence(*once, 6), (std::vector<int>{0, 1, 2, 3, 3, 3}));

  auto backwards = TAnimSprites::Create(nullptr, 0, 0, 0, 4, 10, 1);
  backwards->AnimPos = 3;
  backwards->AnimReverse = 1;
  backwards->RepeatTimes = 1;
  EXPECT_EQ(FrameSequence(*backwards, 5), (std::vector<int>{3, 2, 1, 0, 0}));
}

TEST(AnimSprites, FramesAdvanceOnlyWhenDueAndActive) {
  auto sprite = TAnimSprites::Create(nullptr, 0, 0, 0, 4, 50, 1);
  EXPECT_EQ(sprite->GetAnimPos(), 0) << "not yet due";
  drawing::Delay(51);
  EXPECT_EQ(sprite->GetAnimPos(), 1);
  EXPECT_EQ(sprite->GetAnimPos(), 1);
  sprite->AnimActive = 0;
  drawing::Delay(51);
  EXPECT_EQ(sprite->GetAnimPos(), 1);
  EXPECT_GT(sprite->animTimer, drawing::MilliSecs()) << "the timer restarts even while inactive";
}

TEST(AnimSprites, CreationIsListedEvenWhenNotReturned) {
  const size_t before = TAnimSprites::All().size();
  EXPECT_FALSE(TAnimSprites::Create(nullptr, 1, 2, 3, 4, 5, 0));
  ASSERT_EQ(TAnimSprites::All().size(), before + 1);
  const auto& made = *TAnimSprites::All().back();
  EXPECT_EQ(made.x, 1);
  EXPECT_EQ(made.dx, 3);
  EXPECT_EQ(made.AnimCount, 4);
  EXPECT_EQ(made.RepeatTimes, -1);
}

TEST(AnimSprites, DriftWrapsToMinusReturnDistance) {
  auto sprite = TAnimSprites::Create(nullptr, 893, 0, 5, 2, 1000, 1);
  sprite->returnToStart = 100;
  sprite->UpdateWithReturn();
  EXPECT_EQ(sprite->x, 898);
  sprite->UpdateWithReturn();
  EXPECT_EQ(sprite->x, -100);
}
