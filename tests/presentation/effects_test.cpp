#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "drawing/graphics.h"
#include "drawing/image.h"
#include "engine/random.h"
#include "presentation/game_skin.h"
#include "presentation/particle_effect.h"
#include "presentation/text_effect.h"
#include "presentation/walk_safe_list.h"
#include "presentation_test_support.h"

using presentation_test::SoftwareGraphicsTest;
using presentation_test::SolidPixmap;

namespace {

// Every effect test starts with empty global lists and a current theme
// whose "particle1" is a 4 x 4 white square.
class EffectsTest : public SoftwareGraphicsTest {
 protected:
  void SetUp() override {
    SoftwareGraphicsTest::SetUp();
    TParticleEffect::All().Clear();
    TTextEffect::All().Clear();
    CurrentSkin = std::make_shared<TGameSkin>();
    CurrentSkin->SpritesPack = TSpritesPack::Create();
    particle_image = drawing::LoadImageFromPixmap(*SolidPixmap(4, 4, 0xFFFFFFFF), 0);
    CurrentSkin->SpritesPack->AddSprite(particle_image, "", "particle1", 0, 0, 0, 0, 0, 0, -1, 0, 0);
  }
  void TearDown() override {
    TParticleEffect::All().Clear();
    TTextEffect::All().Clear();
    CurrentSkin.reset();
    SoftwareGraphicsTest::TearDown();
  }

  static TParticlePtr Still(float x, float y, int lifetime) {
    return TParticle::Create(CurrentSkin->SpritesPack->GetSprite("particle1"), x, y, 0, 0, 0, lifetime, 1, 1, 255,
                             255, 255, 1, 1, TParticle::MOVE_STRAIGHT);
  }

  drawing::ImagePtr particle_image;
};

}  // namespace

TEST(WalkSafeListTest, RemovalDuringAWalkNeverSkipsAnElement) {
  WalkSafeList<int> list;
  for (int i = 0; i < 5; ++i) list.Append(std::make_shared<int>(i));
  std::vector<int> visited;
  list.Walk([&](const std::shared_ptr<int>& item, size_t at) {
    visited.push_back(*item);
    if (*item == 1) list.RemoveAt(at);                 // the one being visited
    if (*item == 2) list.Append(std::make_shared<int>(9));
    if (*item == 3) list.RemoveAt(at), list.RemoveAt(at);  // twice: no effect the second time
  });
  EXPECT_EQ(visited, (std::vector<int>{0, 1, 2, 3, 4, 9}));
  EXPECT_EQ(list.Size(), 4u);
  std::vector<int> left;
  for (const auto& item : list.Items()) left.push_back(*item);
  EXPECT_EQ(left, (std::vector<int>{0, 2, 4, 9}));
  auto outsider = std::make_shared<int>(7);
  EXPECT_FALSE(list.Remove(outsider.get()));
  EXPECT_EQ(list.Size(), 4u);
}

TEST(WalkSafeListTest, ElementsRemovedAheadOfTheWalkAreNotVisited) {
  WalkSafeList<int> list;
  std::vector<std::shared_ptr<int>> items;
  for (int i = 0; i < 4; ++i) list.Append(items.emplace_back(std::make_shared<int>(i)));
  std::vector<int> visited;
  list.Walk([&](const std::shared_ptr<int>& item, size_t) {
    visited.push_back(*item);
    if (*item == 0) list.Remove(items[2].get());
  });
  EXPECT_EQ(visited, (std::vector<int>{0, 1, 3}));
}

TEST_F(EffectsTest, FallingGroupsHoldFromHalfTheAmountPlusOne) {
  SeedTwister(1);
  auto effect = TParticleEffect::Create(100, 0);
  effect->AddSnowEffect(0, 10);
  EXPECT_EQ(effect->Particles.Size(), 1u);
  std::set<size_t> counts;
  for (int i = 0; i < 300; ++i) {
    SeedTwister(i * 7919);  // the group reseeds from the clock, which stands still here
    TParticleEffect group;
    group.AddSnowEffect(7, 10);
    counts.insert(group.Particles.Size());
  }
  EXPECT_EQ(*counts.begin(), 4u);
  EXPECT_EQ(*counts.rbegin(), 8u);
  TParticleEffect hostile;
  hostile.AddStarsEffect(-20, 10);
  EXPECT_EQ(hostile.Particles.Size(), 1u) << "a negative amount counts as 0";
}

TEST_F(EffectsTest, ParticleParametersFollowTheirKind) {
  TParticleEffect snow, stars, help, swirl;
  snow.AddSnowEffect(30, 100);
  stars.AddStarsEffect(30, 100);
  help.AddHelpEffect(200, 300, 999, 1);
  swirl.AddSwirlEffect(200, 300, 999, 0);
  for (const TParticlePtr& p : snow.Particles.Items()) {
    EXPECT_GE(p->x, 50);
    EXPECT_LE(p->x, 750);
    EXPECT_GE(p->y, -150);
    EXPECT_LE(p->y, 0);
    EXPECT_GE(std::abs(p->dx), 1.0f / 7 - 1e-6f);
    EXPECT_LE(std::abs(p->dx), 10.0f / 7 + 1e-6f);
    EXPECT_GE(p->dy, 0.5f);
    EXPECT_LE(p->dy, 2.0f);
    EXPECT_GE(p->lifetime, 100);
    EXPECT_LE(p->lifetime, 350);
    EXPECT_EQ(p->movetype, TParticle::MOVE_SWAY);
    EXPECT_FLOAT_EQ(p->CurrentSize, 0.4f);
    EXPECT_EQ(p->HandleX, 2);
  }
  for (const TParticlePtr& p : stars.Particles.Items()) {
    EXPECT_EQ(p->dx, 0);
    EXPECT_GE(p->y, 0);
    EXPECT_LE(p->y, 600);
    EXPECT_EQ(p->movetype, TParticle::MOVE_STRAIGHT);
  }
  ASSERT_EQ(help.Particles.Size(), 3u);
  for (const TParticlePtr& p : help.Particles.Items()) {
    EXPECT_LE(std::abs(p->x - 200), 5);
    EXPECT_GE(p->lifetime, 60);
    EXPECT_LE(p->lifetime, 110);
    EXPECT_GE(p->colR, 100);
    EXPECT_FLOAT_EQ(p->alpha, 1.8f);
    EXPECT_FLOAT_EQ(p->SizeIncrease, 1.004f);
  }
  ASSERT_EQ(swirl.Particles.Size(), 3u);
  for (const TParticlePtr& p : swirl.Particles.Items()) {
    EXPECT_EQ(p->colG, 255);
    EXPECT_GE(p->alpha, 3.0f);
    EXPECT_LE(p->alpha, 5.0f);
    EXPECT_GE(p->AlphaDecrease, 0.9f);
    EXPECT_LE(p->AlphaDecrease, 0.95f + 1e-6f);
    EXPECT_GE(p->lifetime, 50);
    EXPECT_LE(p->lifetime, 100);
  }
}

TEST_F(EffectsTest, ParticlesSwayOnlyOnceOnTheScreen) {
  auto p = TParticle::Create(nullptr, 100, -1.5f, 0, 1, 0, 100, 1, 1, 255, 255, 255, 1, 1, TParticle::MOVE_SWAY);
  p->Update();
  p->Update();
  EXPECT_EQ(p->x, 100) << "no sway while y <= 0";
  p->Update();
  EXPECT_FLOAT_EQ(p->x, 100 + SineOfDegrees(1) / 2);
  EXPECT_NEAR(SineOfDegrees(30), 0.5f, 1e-6f);
  EXPECT_NEAR(SineOfDegrees(120), std::sin(120 * 3.14159265 / 180), 1e-5) << "beyond the table";
}

TEST_F(EffectsTest, ParticlesDieOffTheSidesOrWhenFadedOrExpired) {
  auto right = TParticle::Create(nullptr, 799.8f, 10, 0.5f, 0, 0, 100, 1, 1, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(right->Update(), 0) << "past 800 moving right";
  auto still_left = TParticle::Create(nullptr, -0.1f, 10, 0, 0, 0, 100, 1, 1, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(still_left->Update(), 0);
  auto coming_in = TParticle::Create(nullptr, -5, 10, 1, 0, 0, 100, 1, 1, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(coming_in->Update(), 1) << "left of the screen but moving in";
  auto below = TParticle::Create(nullptr, 10, 5000, 0, 50, 0, 100, 1, 1, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(below->Update(), 1) << "leaving at the bottom does not kill";
  auto faded = TParticle::Create(nullptr, 10, 10, 0, 0, 0, 100, 1, 1, 0, 0, 0, 1, 0, 0);
  EXPECT_EQ(faded->Update(), 0);
  auto expiring = TParticle::Create(nullptr, 10, 10, 0, 0, 0, 2, 1, 1, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(expiring->Update(), 1);
  EXPECT_EQ(expiring->Update(), 0);

  auto glowing = TParticle::Create(nullptr, 10, 10, 0, 0, 0, 1000, 1, 1, 0, 0, 0, 1.8f, 0.99f, 0);
  int opaque_updates = 0;
  while (glowing->Update() && glowing->alpha >= 1.0f) ++opaque_updates;
  EXPECT_EQ(opaque_updates, 58);
}

TEST_F(EffectsTest, AddEffectHandsTheSecondGroupsSettingsToTheParent) {
  auto effect = TParticleEffect::Create(100, 1);
  effect->AddEffect("Nothing", 5, 6, 3, 0, 1, 0);
  EXPECT_EQ(effect->lifetime, 100);
  effect->AddEffect("Nothing", 7, 8, 3, 0, 0, 0);
  EXPECT_EQ(effect->x, 7);
  EXPECT_EQ(effect->y, 8);
  EXPECT_EQ(effect->Layer, 0);
  EXPECT_EQ(effect->lifetime, 3);
  ASSERT_EQ(effect->SubEffects.Size(), 2u);
  for (const auto& group : effect->SubEffects.Items()) EXPECT_TRUE(group->Particles.Empty());
  EXPECT_EQ(TParticleEffect::All().Size(), 3u) << "the groups are listed too";
}

TEST_F(EffectsTest, EmptyGroupsLastTheirLifetimeCountedTwicePerUpdate) {
  auto effect = TParticleEffect::Create(100, 0);
  effect->AddEffect("Nothing", 0, 0, 3, 0, 0, 0);
  effect->AddEffect("Nothing", 0, 0, 3, 0, 0, 0);
  TParticleEffect::UpdateAll(0);
  TParticleEffect::UpdateAll(0);
  EXPECT_EQ(effect->SubEffects.Size(), 2u);
  EXPECT_EQ(TParticleEffect::All().Size(), 1u) << "the listed groups ran out first";
  TParticleEffect::UpdateAll(0);
  EXPECT_EQ(effect->SubEffects.Size(), 0u);
  EXPECT_TRUE(TParticleEffect::All().Contains(effect.get()));
  TParticleEffect::UpdateAll(0);
  EXPECT_FALSE(TParticleEffect::All().Contains(effect.get()));
  TParticleEffect::UpdateAll(1);
}

TEST_F(EffectsTest, OtherLayersAreLeftAlone) {
  auto effect = TParticleEffect::Create(0, 1);
  TParticleEffect::UpdateAll(0);
  EXPECT_TRUE(TParticleEffect::All().Contains(effect.get()));
  TParticleEffect::UpdateAll(1);
  EXPECT_FALSE(TParticleEffect::All().Contains(effect.get()));
}

TEST_F(EffectsTest, ASingleGroupEffectGoesAtItsFirstParticleButTheWalkFinishes) {
  auto effect = TParticleEffect::Create(100, 0);
  effect->AddEffect("Help", 100, 100, 50, 1, 0, 0);
  auto group = effect->SubEffects.Items().at(0);
  std::vector<int> lifetimes;
  for (const auto& p : group->Particles.Items()) lifetimes.push_back(p->lifetime);
  TParticleEffect::UpdateAll(0);
  EXPECT_FALSE(TParticleEffect::All().Contains(effect.get()));
  ASSERT_EQ(group->Particles.Size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(group->Particles.Items()[i]->lifetime, lifetimes[i] - 1);
}

TEST_F(EffectsTest, DyingParticlesDropTheirGroupAndThenTheParent) {
  auto effect = TParticleEffect::Create(100, 0);
  effect->AddEffect("Nothing", 0, 0, 100, 0, 0, 0);
  effect->AddEffect("Nothing", 0, 0, 100, 0, 0, 0);
  auto first = effect->SubEffects.Items()[0];
  auto second = effect->SubEffects.Items()[1];
  auto dying = Still(10, 10, 1);
  auto survivor = Still(20, 10, 50);
  first->Particles.Append(dying);
  first->Particles.Append(survivor);
  second->Particles.Append(Still(30, 10, 50));
  second->Particles.Append(Still(40, 10, 50));
  second->Particles.Append(Still(50, 10, 50));

  TParticleEffect::UpdateAll(0);
  EXPECT_FALSE(first->Particles.Contains(dying.get()));
  EXPECT_EQ(survivor->lifetime, 49) << "the walk went on after its group was dropped";
  EXPECT_FALSE(effect->SubEffects.Contains(first.get()));
  EXPECT_FALSE(TParticleEffect::All().Contains(effect.get())) << "one group left is too few";
  for (const auto& p : second->Particles.Items()) EXPECT_EQ(p->lifetime, 49);
}

TEST_F(EffectsTest, DrawAllDrawsItsLayerThroughGroupsAndRestoresTheState) {
  auto effect = TParticleEffect::Create(100, 0);
  effect->AddEffect("Nothing", 0, 0, 100, 0, 0, 0);
  effect->SubEffects.Items()[0]->Particles.Append(Still(100, 100, 50));
  effect->Particles.Append(Still(300, 300, 50));  // held directly: never drawn
  auto other = TParticleEffect::Create(100, 1);
  other->AddEffect("Nothing", 0, 0, 100, 0, 1, 0);
  other->SubEffects.Items()[0]->Particles.Append(Still(500, 100, 50));

  TParticleEffect::DrawAll(0);
  EXPECT_EQ(PixelAt(98, 98), 0xFFFFFFu) << "centred on its position by the handle";
  EXPECT_EQ(PixelAt(101, 101), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(102, 102), 0u);
  EXPECT_EQ(LitPixels(0, 0, 800, 600), 16);
  EXPECT_EQ(particle_image->handle_x, 2) << "the handle stays on the shared image";

  drawing::SetColor(10, 20, 30);
  drawing::SetAlpha(0.75f);
  drawing::SetScale(2, 3);
  drawing::SetRotation(15);
  TParticleEffect::DrawAll(0);
  int r, g, b;
  drawing::GetColor(r, g, b);
  EXPECT_EQ(r * 10000 + g * 100 + b, 102030);
  EXPECT_EQ(drawing::GetAlpha(), 0.75f);
  float sx, sy;
  drawing::GetScale(sx, sy);
  EXPECT_EQ(sx, 2);
  EXPECT_EQ(sy, 3);
  EXPECT_EQ(drawing::GetRotation(), 15);
}

TEST_F(EffectsTest, TextEffectsExpireWithoutDisturbingTheWalk) {
  auto a = TTextEffect::CreateText("a", nullptr, 0, 0, 1, 0, 0, 1, 1, 1, 255, 255, 255, 1, 1);
  auto b = TTextEffect::CreateText("b", nullptr, 0, 0, 1, 0, 0, 3, 1, 1, 255, 255, 255, 1, 1);
  auto c = TTextEffect::CreateText("c", nullptr, 0, 0, 1, 0, 0, 1, 1, 1, 255, 255, 255, 1, 1);
  TTextEffect::UpdateAll();
  EXPECT_EQ(a->x, 1);
  EXPECT_EQ(b->x, 1);
  EXPECT_EQ(c->x, 1) << "visited after the one before it left the list";
  EXPECT_EQ(TTextEffect::All().Size(), 1u);
  TTextEffect::UpdateAll();
  TTextEffect::UpdateAll();
  EXPECT_TRUE(TTextEffect::All().Empty());
}

TEST_F(EffectsTest, TextDrawAllRestoresFontAndAlpha) {
  drawing::ImageFontPtr before = drawing::DefaultImageFont();
  drawing::SetImageFont(before);
  drawing::SetAlpha(0.5f);
  auto text = TTextEffect::CreateText("Bonus", nullptr, 100, 100, 0, 0, 5, 10, 1, 1, 255, 0, 0, 1, 1);
  text->CurrentRotation = 10;
  TTextEffect::DrawAll();
  EXPECT_EQ(drawing::GetImageFont(), before);
  EXPECT_EQ(drawing::GetAlpha(), 0.5f);
  EXPECT_EQ(drawing::GetRotation(), 0);
  float sx, sy;
  drawing::GetScale(sx, sy);
  EXPECT_EQ(sx, 1);
  EXPECT_GT(LitPixels(90, 90, 100, 40), 0);
}

TEST_F(EffectsTest, SnowAndStarsStopGrowingAtTheLiveParticleLimit) {
  SeedTwister(3);
  const size_t limit = TParticleEffect::kMaxLiveParticles;
  // A theme asking for the largest groups on every update: the live count
  // levels off at the limit instead of growing with every spawn.
  for (int update = 0; update < 40; ++update) {
    const TParticleEffectPtr weather = TParticleEffect::Create(500, 0);
    for (int i = 0; i < 2; ++i) weather->AddEffect(i ? "Snow" : "Stars", 0, 0, 2147483000, 0, 0, 1 << 30);
    EXPECT_LE(TParticleEffect::LiveParticles(), limit) << "update " << update;
  }
  EXPECT_GE(TParticleEffect::LiveParticles(), limit / 2) << "the limit is reached, not undercut";
  // Once particles die off, new ones may come again.
  TParticleEffect::All().Clear();
  const TParticleEffectPtr weather = TParticleEffect::Create(500, 0);
  weather->AddEffect("Snow", 0, 0, 100, 0, 0, 7);
  weather->AddEffect("Snow", 0, 0, 100, 0, 0, 7);
  EXPECT_GE(TParticleEffect::LiveParticles(), 8u);
}
