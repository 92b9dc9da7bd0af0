#include "presentation/particle_effect.h"

#include <algorithm>
#include <limits>

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "engine/random.h"
#include "engine/clock_math.h"
#include "presentation/game_skin.h"

namespace {

float RandomSign() { return RandRange(1, 2) == 1 ? -1.0f : 1.0f; }

TSpritesPtr ParticleSprite() {
  if (!CurrentSkin || !CurrentSkin->SpritesPack) return nullptr;
  return CurrentSkin->SpritesPack->GetSprite("particle1");
}

// Lifetimes may come from theme files; counting down never overflows.
void CountDown(int& value) {
  if (value > std::numeric_limits<int>::min()) value -= 1;
}

void ReseedFromClock(int spread) { SeedTwister(ClockAdd(drawing::MilliSecs(), RandRange(0, spread))); }

}  // namespace

WalkSafeList<TParticleEffect>& TParticleEffect::All() {
  static WalkSafeList<TParticleEffect> all;
  return all;
}

TParticleEffectPtr TParticleEffect::Create(int lifetime, int layer) {
  auto effect = std::make_shared<TParticleEffect>();
  effect->lifetime = lifetime;
  effect->Layer = layer;
  All().Append(effect);
  return effect;
}

void TParticleEffect::AddEffect(const std::string& type, float at_x, float at_y, int group_lifetime, int flag,
                                int layer, int amount) {
  TParticleEffectPtr group = Create(group_lifetime, layer);
  if (type == "Snow") {
    group->AddSnowEffect(amount, group_lifetime);
  } else if (type == "Stars") {
    group->AddStarsEffect(amount, group_lifetime);
  } else if (type == "Swirl") {
    group->AddSwirlEffect(at_x, at_y, group_lifetime, flag);
  } else if (type == "Help") {
    group->AddHelpEffect(at_x, at_y, group_lifetime, flag);
  }
  // The second group gives the parent the groups' place, layer and lifetime.
  if (SubEffects.Size() == 1) {
    x = at_x;
    y = at_y;
    Layer = layer;
    lifetime = group_lifetime;
  }
  SubEffects.Append(group);
}

void TParticleEffect::AddFallingEffect(int amount, int group_lifetime, bool snow) {
  amount = std::clamp(amount, 0, kMaxAmount);
  const int room = std::max(0, kMaxLiveParticles - int(std::min<size_t>(LiveParticles(), kMaxLiveParticles)));
  const int count = std::min(RandRange(amount / 2, amount) + 1, room);
  const TSpritesPtr sprite = ParticleSprite();
  for (int i = 0; i < count; ++i) {
    ReseedFromClock(35);
    const float px = float(RandRange(50, 750));
    const float py = snow ? float(RandRange(-150, 0)) : float(RandRange(0, 600));
    float pdx = 0, pdy = 0;
    if (snow) {
      pdx = RandomSign() * float(RandRange(1, 10)) / 7.0f;
      pdy = float(RandRange(5, 20)) / 10.0f;
    }
    const float spin = RandomSign() * float(RandRange(1, 3));
    // Lifetimes come from theme files: saturate instead of overflowing.
    const int life = int(std::min<int64_t>(int64_t(group_lifetime) + RandRange(0, 250), std::numeric_limits<int>::max()));
    Particles.Append(TParticle::Create(sprite, px, py, pdx, pdy, spin, life, 0.4f, 0.997f, 255, 255, 255, 1.8f, 0.99f,
                                       snow ? TParticle::MOVE_SWAY : TParticle::MOVE_STRAIGHT));
  }
}

void TParticleEffect::AddSnowEffect(int amount, int group_lifetime) { AddFallingEffect(amount, group_lifetime, true); }

void TParticleEffect::AddStarsEffect(int amount, int group_lifetime) {
  AddFallingEffect(amount, group_lifetime, false);
}

void TParticleEffect::AddBurst(float at_x, float at_y, int coloured, bool swirl) {
  const TSpritesPtr sprite = ParticleSprite();
  if (swirl) ReseedFromClock(5);
  for (int i = 0; i < 3; ++i) {
    if (!swirl) ReseedFromClock(5);
    const float px = at_x + float(RandRange(-5, 5));
    const float py = at_y + float(RandRange(-5, 5));
    const float spin = RandomSign() * float(RandRange(1, 3));
    const int life = (coloured ? 60 : 50) + RandRange(0, 50);
    const float grow = coloured ? 1.004f : 1.005f;
    int r = 255, g = 255, b = 255;
    if (coloured) {
      r = 100 + RandRange(0, 155);
      g = 100 + RandRange(0, 155);
      b = 100 + RandRange(0, 155);
    }
    float alpha = 1.8f, fade = 0.9f;
    if (swirl) {
      alpha = float(RandRange(30, 50)) / 10.0f;
      fade = float(RandRange(90, 95)) / 100.0f;
    }
    Particles.Append(TParticle::Create(sprite, px, py, 0, 0, spin, life, 0.6f, grow, r, g, b, alpha, fade,
                                       TParticle::MOVE_STRAIGHT));
  }
}

void TParticleEffect::AddHelpEffect(float at_x, float at_y, int, int coloured) { AddBurst(at_x, at_y, coloured, false); }

void TParticleEffect::AddSwirlEffect(float at_x, float at_y, int, int coloured) {
  AddBurst(at_x, at_y, coloured, true);
}

size_t TParticleEffect::LiveParticles() {
  size_t live = 0;
  // Counted where they are updated and drawn: in the groups of listed
  // effects (a group is listed itself too, but holds no groups).
  All().Walk([&](const TParticleEffectPtr& effect, size_t) {
    effect->SubEffects.Walk([&](const TParticleEffectPtr& group, size_t) { live += group->Particles.Size(); });
  });
  return live;
}

void TParticleEffect::UpdateAll(int layer) {
  WalkSafeList<TParticleEffect>& all = All();
  all.Walk([&](const TParticleEffectPtr& effect, size_t effect_at) {
    if (effect->Layer != layer) return;
    effect->SubEffects.Walk([&](const TParticleEffectPtr& group, size_t group_at) {
      group->Particles.Walk([&](const TParticlePtr& particle, size_t particle_at) {
        if (particle->Update() == 0) group->Particles.RemoveAt(particle_at);
        if (group->Particles.Size() <= 1) effect->SubEffects.RemoveAt(group_at);
        if (effect->SubEffects.Size() <= 1) all.RemoveAt(effect_at);
      });
      CountDown(group->lifetime);
      if (group->lifetime < 0) effect->SubEffects.RemoveAt(group_at);
    });
    CountDown(effect->lifetime);
    if (effect->lifetime < 0) all.RemoveAt(effect_at);
  });
}

void TParticleEffect::DrawAll(int layer) {
  const float alpha = drawing::GetAlpha();
  const float rotation = drawing::GetRotation();
  float sx, sy;
  drawing::GetScale(sx, sy);
  int r, g, b;
  drawing::GetColor(r, g, b);
  All().Walk([&](const TParticleEffectPtr& effect, size_t) {
    if (effect->Layer != layer) return;
    effect->SubEffects.Walk([&](const TParticleEffectPtr& group, size_t) {
      group->Particles.Walk([&](const TParticlePtr& particle, size_t) { particle->Draw(); });
    });
  });
  drawing::SetAlpha(alpha);
  drawing::SetRotation(rotation);
  drawing::SetScale(sx, sy);
  drawing::SetColor(r, g, b);
}
