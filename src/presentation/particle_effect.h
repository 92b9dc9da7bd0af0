// Groups of particles with a lifetime and a drawing layer: snow, stars and
// the small bursts on board cells. The global list of effects keeps them alive.
#pragma once

#include <memory>
#include <string>

#include "presentation/particle.h"
#include "presentation/walk_safe_list.h"

class TParticleEffect {
 public:
  WalkSafeList<TParticle> Particles;
  WalkSafeList<TParticleEffect> SubEffects;
  float x = 0, y = 0;
  int Layer = 0;
  int lifetime = 0;  // the effect is dropped once it falls below 0

  // More particles than this per group would only eat memory; theme files
  // name the amount.
  static constexpr int kMaxAmount = 10000;
  // Snow and stars stop growing at this many live particles in all listed
  // effects, whatever amounts and times a theme names.
  static constexpr int kMaxLiveParticles = 5000;

  static WalkSafeList<TParticleEffect>& All();
  // A new effect, appended to the global list.
  static std::shared_ptr<TParticleEffect> Create(int lifetime, int layer);

  // Adds one group of type "Snow", "Stars", "Swirl" or "Help" (any other
  // type adds an empty group).
  void AddEffect(const std::string& type, float x, float y, int lifetime, int flag, int layer, int amount);
  void AddSnowEffect(int amount, int lifetime);
  void AddStarsEffect(int amount, int lifetime);
  void AddHelpEffect(float x, float y, int lifetime, int coloured);
  void AddSwirlEffect(float x, float y, int lifetime, int coloured);

  // Particles in the groups of every listed effect.
  static size_t LiveParticles();

  static void UpdateAll(int layer);
  // Leaves alpha, rotation, scale and colour as they were.
  static void DrawAll(int layer);

 private:
  void AddFallingEffect(int amount, int lifetime, bool snow);
  void AddBurst(float x, float y, int coloured, bool swirl);
};
using TParticleEffectPtr = std::shared_ptr<TParticleEffect>;
