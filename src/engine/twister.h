// MT19937 that computes its state lazily.
//
// A puzzle attempt reseeds the generator and then draws only a hundred or
// so numbers, while the reference algorithm initialises and twists all 624
// state words up front. Output i of the first block needs only the seeding
// words up to i + 397, so this class extends the seeding as far as the
// draws reach and twists word by word in the reference order. Every output
// and every later state is bit-identical to the reference generator.
#pragma once

#include <cstdint>

class MersenneTwister {
 public:
  static constexpr int kWords = 624;
  static constexpr int kShift = 397;

  MersenneTwister() { Seed(5489u); }

  void Seed(uint32_t seed) {
    words_[0] = seed;
    seeded_ = 1;
    next_ = 0;
    lazy_ = true;
  }

  uint32_t Next() {
    if (lazy_) {
      if (next_ < kWords) {
        int needed = next_ + kShift + 1;
        if (needed > kWords) needed = kWords;
        if (seeded_ < needed) ExtendSeeding(needed);
        TwistWord(next_);
        return Temper(words_[next_++]);
      }
      lazy_ = false;
    }
    if (next_ >= kWords) {
      for (int i = 0; i < kWords; ++i) TwistWord(i);
      next_ = 0;
    }
    return Temper(words_[next_++]);
  }

 private:
  void ExtendSeeding(int count) {
    uint32_t w = words_[seeded_ - 1];
    for (int i = seeded_; i < count; ++i) {
      w = 1812433253u * (w ^ (w >> 30)) + static_cast<uint32_t>(i);
      words_[i] = w;
    }
    seeded_ = count;
  }

  void TwistWord(int i) {
    const uint32_t y = (words_[i] & 0x80000000u) | (words_[i + 1 < kWords ? i + 1 : 0] & 0x7fffffffu);
    const int far = i + kShift < kWords ? i + kShift : i + kShift - kWords;
    words_[i] = words_[far] ^ (y >> 1) ^ ((y & 1u) ? 0x9908b0dfu : 0u);
  }

  static uint32_t Temper(uint32_t y) {
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return y;
  }

  uint32_t words_[kWords];
  int seeded_ = 0;  // seeding words computed so far (first block only)
  int next_ = 0;    // index of the next output within the block
  bool lazy_ = true;
};

// The program-wide puzzle generator behind SeedTwister and RandRange.
MersenneTwister& PuzzleTwister();
