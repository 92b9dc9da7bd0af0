// The program's two random generators.
//
// The puzzle generator is MT19937 with its reference seeding and tempering:
// puzzles and level codes are reproduced from a seed only if every draw is
// bit-exact. The general generator is the Lehmer "minimal standard" sequence
// with multiplier 48271; it drives hints, effects and the per-session level
// jitter. Both are single program-wide streams, like the game expects.
#pragma once

#include <cstdint>

// Puzzle generator (MT19937).
void SeedTwister(uint32_t seed);
inline void SeedTwister(int seed) { SeedTwister(static_cast<uint32_t>(seed)); }
// min + (next output mod (max - min + 1)), on unsigned 32-bit values.
int RandRange(int min, int max);
// The next raw 32-bit output (tempered).
uint32_t TwisterNext();

// General generator (Lehmer, 48271, modulus 2^31 - 1).
void SeedRnd(int seed);
// A value in [0, 1); advances the state twice.
double RndDouble();
// A value from min to max inclusive; the bounds may come in either order.
int Rand(int min, int max);

// Direct access to the general generator's state, for tests and for the
// engine, which skips ahead instead of stepping through draws it discards.
int32_t RndState();
void SetRndState(int32_t state);
// Advances the state as `steps` single steps would (two per RndDouble).
void AdvanceRnd(uint64_t steps);
// The state the program starts with, before any SeedRnd.
constexpr int32_t kRndInitialState = 4660;
