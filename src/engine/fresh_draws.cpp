#include "engine/fresh_draws.h"

#include <cstring>

namespace {

constexpr int kSeeds = FreshSeedDraws::kSeeds;
constexpr int kFast = FreshSeedDraws::kFastDraws;
constexpr int kShift = MersenneTwister::kShift;

// Vectors of 4, 8 or 16 words, one seed per lane.
template <int kLanes>
struct VectorOf;
template <>
struct VectorOf<4> {
  using Words = uint32_t __attribute__((vector_size(16)));
  using Bytes = uint8_t __attribute__((vector_size(4)));
};
template <>
struct VectorOf<8> {
  using Words = uint32_t __attribute__((vector_size(32)));
  using Bytes = uint8_t __attribute__((vector_size(8)));
};
template <>
struct VectorOf<16> {
  using Words = uint32_t __attribute__((vector_size(64)));
  using Bytes = uint8_t __attribute__((vector_size(16)));
};

using NearWords = uint32_t[kFast + 1][kSeeds];
using Draws = uint8_t[kFast][kSeeds];
using SeedWords = uint32_t[kSeeds];

// The same arithmetic as MersenneTwister's seeding, twist and tempering,
// one vector of seeds at a time. All vectors of the batch are in flight
// together, so that their multiplications overlap.
template <int kLanes>
[[gnu::always_inline]] inline void SeedBatchWith(uint32_t first, NearWords& near, Draws& draws,
                                                 SeedWords& word_at_end, SeedWords& far_word_at_end) {
  using Words = typename VectorOf<kLanes>::Words;
  using Bytes = typename VectorOf<kLanes>::Bytes;
  constexpr int kVectors = kSeeds / kLanes;
  static_assert(kSeeds % kLanes == 0);

  Words w[kVectors];
  for (int v = 0; v < kVectors; ++v) {
    for (int l = 0; l < kLanes; ++l) w[v][l] = first + static_cast<uint32_t>(v * kLanes + l);
    std::memcpy(&near[0][v * kLanes], &w[v], sizeof(Words));
  }
  for (int i = 1; i <= kFast; ++i) {
#pragma GCC unroll 16
    for (int v = 0; v < kVectors; ++v) {
      w[v] = 1812433253u * (w[v] ^ (w[v] >> 30)) + static_cast<uint32_t>(i);
      std::memcpy(&near[i][v * kLanes], &w[v], sizeof(Words));
    }
  }
  for (int v = 0; v < kVectors; ++v) std::memcpy(&word_at_end[v * kLanes], &w[v], sizeof(Words));
  for (int i = kFast + 1; i < kShift; ++i) {
#pragma GCC unroll 16
    for (int v = 0; v < kVectors; ++v) w[v] = 1812433253u * (w[v] ^ (w[v] >> 30)) + static_cast<uint32_t>(i);
  }
  for (int out = 0; out < kFast; ++out) {
    const uint32_t i = static_cast<uint32_t>(out + kShift);
#pragma GCC unroll 16
    for (int v = 0; v < kVectors; ++v) {
      w[v] = 1812433253u * (w[v] ^ (w[v] >> 30)) + i;
      Words word, next_word;
      std::memcpy(&word, &near[out][v * kLanes], sizeof(Words));
      std::memcpy(&next_word, &near[out + 1][v * kLanes], sizeof(Words));
      const Words y = (word & 0x80000000u) | (next_word & 0x7fffffffu);
      Words o = w[v] ^ (y >> 1) ^ ((0u - (y & 1u)) & 0x9908b0dfu);
      o ^= o >> 11;
      o ^= (o << 7) & 0x9d2c5680u;
      o ^= (o << 15) & 0xefc60000u;
      o ^= o >> 18;
      const Bytes bytes = __builtin_convertvector(o % 9u, Bytes);
      std::memcpy(&draws[out][v * kLanes], &bytes, sizeof(Bytes));
    }
  }
  for (int v = 0; v < kVectors; ++v) std::memcpy(&far_word_at_end[v * kLanes], &w[v], sizeof(Words));
}

// One version per vector width; the processor picks at load time.
__attribute__((target("default"))) void SeedBatch(uint32_t first, NearWords& near, Draws& draws,
                                                  SeedWords& word_at_end, SeedWords& far_word_at_end) {
  SeedBatchWith<4>(first, near, draws, word_at_end, far_word_at_end);
}

__attribute__((target("avx2"))) void SeedBatch(uint32_t first, NearWords& near, Draws& draws,
                                               SeedWords& word_at_end, SeedWords& far_word_at_end) {
  SeedBatchWith<8>(first, near, draws, word_at_end, far_word_at_end);
}

__attribute__((target("arch=x86-64-v4"))) void SeedBatch(uint32_t first, NearWords& near, Draws& draws,
                                                         SeedWords& word_at_end, SeedWords& far_word_at_end) {
  SeedBatchWith<16>(first, near, draws, word_at_end, far_word_at_end);
}

}  // namespace

void FreshSeedDraws::ComputeBatch(uint32_t first) {
  SeedBatch(first, near_words_, draws_, word_at_end_, far_word_at_end_);
  first_ = first;
  valid_ = true;
}

unsigned FreshSeedDraws::NextSlow9() {
  const int i = kFastDraws + slow_drawn_++;
  if (i >= kSeedingOnlyOutputs) {
    if (i == kSeedingOnlyOutputs) {
      whole_.Seed(Seed());
      whole_.Discard(i);
    }
    return whole_.Next() % 9u;
  }
  if (i == kFastDraws) {
    near_ = word_at_end_[lane_];
    next_near_ = MersenneTwister::SeedingWord(near_, i + 1);
    far_ = MersenneTwister::SeedingWord(far_word_at_end_[lane_], i + kShift);
  }
  const uint32_t output = MersenneTwister::Temper(MersenneTwister::Twist(near_, next_near_, far_));
  near_ = next_near_;
  next_near_ = MersenneTwister::SeedingWord(next_near_, i + 2);
  far_ = MersenneTwister::SeedingWord(far_, i + kShift + 1);
  return output % 9u;
}
