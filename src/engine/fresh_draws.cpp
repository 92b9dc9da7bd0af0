#include "engine/fresh_draws.h"
#include "engine/engine_path.h"
#include "engine/packed_board.h"

#include <cstring>

namespace {

constexpr int kSeeds = FreshSeedDraws::kSeeds;
constexpr int kFast = FreshSeedDraws::kFastDraws;
constexpr int kShift = MersenneTwister::kShift;

// Vectors of 4, 8 or 16 words, one seed per lane; rows of bytes for
// the transposition.
template <int kLanes>
struct VectorOf;
template <>
struct VectorOf<4> {
  using Words = uint32_t __attribute__((vector_size(16)));
  using Bytes = uint8_t __attribute__((vector_size(4)));
  using Row = uint8_t __attribute__((vector_size(16)));
};
template <>
struct VectorOf<8> {
  using Words = uint32_t __attribute__((vector_size(32)));
  using Bytes = uint8_t __attribute__((vector_size(8)));
  using Row = uint8_t __attribute__((vector_size(32)));
};
template <>
struct VectorOf<16> {
  using Words = uint32_t __attribute__((vector_size(64)));
  using Bytes = uint8_t __attribute__((vector_size(16)));
  using Row = uint8_t __attribute__((vector_size(64)));
};

using NearWords = uint32_t[kFast + 1][kSeeds];
using SeedWords = uint32_t[kSeeds];

// Transposes 16 rows of 16 bytes, in each 16-byte lane of the vectors at
// once: interleaving row i with row i + 8 four times over (a perfect
// shuffle) moves byte j of row i to byte i of row j.
template <int kBytes>
struct Interleave {
  uint8_t low[kBytes], high[kBytes];  // bytes 0-7, and 8-15, of each lane
};

template <int kBytes>
constexpr Interleave<kBytes> MakeInterleave() {
  Interleave<kBytes> masks{};
  for (int i = 0; i < kBytes; ++i) {
    const int lane = i / 16 * 16, k = i % 16 / 2;
    masks.low[i] = static_cast<uint8_t>(i % 2 == 0 ? lane + k : kBytes + lane + k);
    masks.high[i] = static_cast<uint8_t>(masks.low[i] + 8);
  }
  return masks;
}

#if defined(__clang__)
// Bytes of a and b (taken as one row of twice the width) picked by mask:
// clang has no two-vector shuffle with a mask vector, a byte loop does the same.
template <typename Rows>
inline Rows ShuffleBytes(const Rows& a, const Rows& b, const Rows& mask) {
  constexpr int kBytes = sizeof(Rows);
  uint8_t in[2 * kBytes], picks[kBytes], out[kBytes];
  std::memcpy(in, &a, kBytes);
  std::memcpy(in + kBytes, &b, kBytes);
  std::memcpy(picks, &mask, kBytes);
  for (int i = 0; i < kBytes; ++i) out[i] = in[picks[i] % (2 * kBytes)];
  Rows result;
  std::memcpy(&result, out, kBytes);
  return result;
}
#define GRIDLET_SHUFFLE(a, b, mask) ShuffleBytes(a, b, mask)
#else
#define GRIDLET_SHUFFLE(a, b, mask) __builtin_shuffle(a, b, mask)
#endif

template <typename Rows>
[[gnu::always_inline]] inline void Transpose16(Rows (&rows)[16]) {
  static constexpr Interleave<sizeof(Rows)> kMasks = MakeInterleave<sizeof(Rows)>();
  Rows low, high;
  std::memcpy(&low, kMasks.low, sizeof(Rows));
  std::memcpy(&high, kMasks.high, sizeof(Rows));
  for (int stage = 0; stage < 4; ++stage) {
    Rows next[16];
    for (int i = 0; i < 8; ++i) {
      next[2 * i] = GRIDLET_SHUFFLE(rows[i], rows[i + 8], low);
      next[2 * i + 1] = GRIDLET_SHUFFLE(rows[i], rows[i + 8], high);
    }
    for (int i = 0; i < 16; ++i) rows[i] = next[i];
  }
}

// The same arithmetic as MersenneTwister's seeding, twist and tempering,
// one vector of seeds at a time. All vectors of the batch are in flight
// together, so that their multiplications overlap.
template <int kLanes>
[[gnu::always_inline]] inline void SeedBatchWith(uint32_t first, NearWords& near, uint8_t* draws,
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
  // Outputs are made 16 at a time for all seeds, then turned around so
  // that each seed's draws lie in a row.
  for (int block = 0; block < kFast; block += 16) {
    alignas(64) uint8_t by_output[16][kSeeds];
    for (int k = 0; k < 16; ++k) {
      const int out = block + k;
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
        std::memcpy(&by_output[k][v * kLanes], &bytes, sizeof(Bytes));
      }
    }
    // 16 seeds per 16-byte lane; as wide as the vectors go.
    using Rows = typename VectorOf<kLanes>::Row;
    constexpr int kRowSeeds = sizeof(Rows);
    for (int group = 0; group < kSeeds; group += kRowSeeds) {
      Rows rows[16];
      for (int k = 0; k < 16; ++k) std::memcpy(&rows[k], &by_output[k][group], sizeof(Rows));
      Transpose16(rows);
      for (int j = 0; j < 16; ++j)
        for (int lane = 0; lane < kRowSeeds; lane += 16)
          std::memcpy(&draws[(group + lane + j) * kFast + block], reinterpret_cast<const uint8_t*>(&rows[j]) + lane, 16);
    }
  }
  for (int v = 0; v < kVectors; ++v) std::memcpy(&far_word_at_end[v * kLanes], &w[v], sizeof(Words));
}

// One version per vector width; ActiveEnginePath picks.
void SeedBatchPortable(uint32_t first, NearWords& near, uint8_t* draws, SeedWords& word_at_end,
                       SeedWords& far_word_at_end) {
  SeedBatchWith<4>(first, near, draws, word_at_end, far_word_at_end);
}

#if GRIDLET_HAVE_WIDE
__attribute__((target("avx2"))) void SeedBatchAvx2(uint32_t first, NearWords& near, uint8_t* draws,
                                                   SeedWords& word_at_end, SeedWords& far_word_at_end) {
  SeedBatchWith<8>(first, near, draws, word_at_end, far_word_at_end);
}

__attribute__((target("arch=x86-64-v4"))) void SeedBatchAvx512(uint32_t first, NearWords& near, uint8_t* draws,
                                                               SeedWords& word_at_end, SeedWords& far_word_at_end) {
  SeedBatchWith<16>(first, near, draws, word_at_end, far_word_at_end);
}
#endif

void SeedBatch(uint32_t first, NearWords& near, uint8_t* draws, SeedWords& word_at_end, SeedWords& far_word_at_end) {
#if GRIDLET_HAVE_WIDE
  switch (ActiveEnginePath()) {
    case EnginePath::kAvx2:
      return SeedBatchAvx2(first, near, draws, word_at_end, far_word_at_end);
    case EnginePath::kAvx512:
    case EnginePath::kAvx512Bitalg:
      return SeedBatchAvx512(first, near, draws, word_at_end, far_word_at_end);
    case EnginePath::kPortable:
      break;
  }
#endif
  SeedBatchPortable(first, near, draws, word_at_end, far_word_at_end);
}

}  // namespace

void FreshSeedDraws::ComputeBatch(uint32_t first) {
  SeedBatch(first, near_words_, draws_, word_at_end_, far_word_at_end_);
  first_ = first;
  valid_ = true;
}

unsigned FreshSeedDraws::SlowNext9() {
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
