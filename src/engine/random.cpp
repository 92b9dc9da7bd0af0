#include "engine/random.h"

#include <cmath>

#include "engine/twister.h"

namespace {

constexpr int64_t kModulus = 2147483647;
constexpr int64_t kMultiplier = 48271;

int32_t g_rnd_state = kRndInitialState;

// Schrage's method: 48271 * s mod (2^31 - 1) without 64-bit products.
int32_t LehmerStep(int32_t s) {
  int32_t next = 48271 * (s % 44488) - 3399 * (s / 44488);
  if (next < 0) next += 2147483647;
  return next;
}

}  // namespace

MersenneTwister& PuzzleTwister() {
  static MersenneTwister twister;
  return twister;
}

void SeedTwister(uint32_t seed) { PuzzleTwister().Seed(seed); }

uint32_t TwisterNext() { return PuzzleTwister().Next(); }

int RandRange(int min, int max) {
  const uint32_t span = static_cast<uint32_t>(max) - static_cast<uint32_t>(min) + 1u;
  const uint32_t draw = PuzzleTwister().Next();
  // A span of 0 means the whole 32-bit range; every output is then in it.
  const uint32_t offset = span == 0 ? draw : draw % span;
  return static_cast<int>(static_cast<uint32_t>(min) + offset);
}

void SeedRnd(int seed) {
  int32_t s = seed & 0x7fffffff;
  if (s == 0 || s == 2147483647) s = kRndInitialState;
  g_rnd_state = s;
}

double RndDouble() {
  g_rnd_state = LehmerStep(g_rnd_state);
  const double a = static_cast<double>(g_rnd_state & 0x1ffffffc);
  g_rnd_state = LehmerStep(g_rnd_state);
  const double b = static_cast<double>(g_rnd_state & 0x1ffffff8);
  return (a + b / 134217728.0) / 536870912.0;
}

int Rand(int min, int max) {
  const int low = max > min ? min : max;
  const int high = max > min ? max : min;
  const double span = static_cast<double>(high) - static_cast<double>(low) + 1.0;
  // The product is below span, so the offset always fits the range.
  const auto offset = static_cast<int64_t>(std::trunc(RndDouble() * span));
  return static_cast<int>(low + offset);
}

int32_t RndState() { return g_rnd_state; }

void SetRndState(int32_t state) { g_rnd_state = state; }

void AdvanceRnd(uint64_t steps) {
  // Each step multiplies by 48271, so n steps multiply by 48271^n.
  int64_t factor = 1;
  int64_t base = kMultiplier;
  while (steps > 0) {
    if (steps & 1u) factor = factor * base % kModulus;
    base = base * base % kModulus;
    steps >>= 1;
  }
  g_rnd_state = static_cast<int32_t>(g_rnd_state * factor % kModulus);
}
