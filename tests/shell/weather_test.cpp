// The theme's weather on the play screen: one spawn per effect time, also
// when the next spawn time lies across the clock's wrap.
#include <climits>

#include "game_fixture.h"
#include "presentation/particle_effect.h"

TEST_F(GameTest, WeatherSpawnsOncePerEffectTimeAcrossTheClockWrap) {
  const int savedNow = GameClock::now;
  TGameSkin& skin = *CurrentSkin;
  const int enabled = skin.effect1_enabled, amount = skin.effect1_amount, time = skin.effect1_time;
  const std::string type = skin.effect1_type;
  StartLevelOne();
  TParticleEffect::All().Clear();
  skin.effect1_enabled = 1;
  skin.effect1_type = "snow";
  skin.effect1_amount = 5;
  skin.effect1_time = TGameSkin::kMaxEffectTime;
  // Far enough below the clock's limit for the steps, near enough that the
  // next spawn time wraps; the first spawn is due.
  GameClock::now = INT_MAX - 5000;
  skin.effect1_timer = GameClock::now - 1;
  Step();
  const size_t afterFirst = TParticleEffect::All().Size();
  EXPECT_EQ(afterFirst, 3u) << "one effect with its two groups";
  EXPECT_LT(skin.effect1_timer, GameClock::now) << "the next spawn lies across the wrap";
  Step(200);
  EXPECT_EQ(TParticleEffect::All().Size(), afterFirst) << "spawned again before its time";
  EXPECT_LE(TParticleEffect::LiveParticles(), size_t(TParticleEffect::kMaxLiveParticles));

  TParticleEffect::All().Clear();
  skin.effect1_enabled = enabled;
  skin.effect1_type = type;
  skin.effect1_amount = amount;
  skin.effect1_time = time;
  skin.effect1_timer = 0;
  GameClock::now = savedNow;
}
