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
    if (lazy_ && next_ < kWords) {
      int needed = next_ + kShift + 1;
      if (needed > kWords) needed = kWords;
      if (seeded_ < needed) ExtendSeeding(needed);
      TwistWord(next_);
      return Temper(words_[next_++]);
    }
    if (next_ >= kWords) {
      for (int i = 0; i < kWords; ++i) TwistWord(i);
      next_ = 0;
    }
    lazy_ = false;  // later blocks are twisted whole
    return Temper(words_[next_++]);
  }

  void Discard(int count) {
    for (int i = 0; i < count; ++i) Next();
  }

  // Seeding word i from word i - 1.
  static uint32_t SeedingWord(uint32_t previous, int i) {
    return 1812433253u * (previous ^ (previous >> 30)) + static_cast<uint32_t>(i);
  }

  // The new state word i from words i, i + 1 and i + kShift.
  static uint32_t Twist(uint32_t word, uint32_t next_word, uint32_t far_word) {
    const uint32_t y = (word & 0x80000000u) | (next_word & 0x7fffffffu);
    return far_word ^ (y >> 1) ^ ((0u - (y & 1u)) & 0x9908b0dfu);
  }

  static uint32_t Temper(uint32_t y) {
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return y;
  }

 private:
  void ExtendSeeding(int count) {
    // A little ahead, so the next draws find their words ready.
    count = count + 32 < kWords ? count + 32 : kWords;
    uint32_t w = words_[seeded_ - 1];
    for (int i = seeded_; i < count; ++i) words_[i] = w = SeedingWord(w, i);
    seeded_ = count;
  }

  void TwistWord(int i) {
    const int far = i + kShift < kWords ? i + kShift : i + kShift - kWords;
    words_[i] = Twist(words_[i], words_[i + 1 < kWords ? i + 1 : 0], words_[far]);
  }

  uint32_t words_[kWords];
  int seeded_ = 0;  // seeding words computed so far (first block only)
  int next_ = 0;    // index of the next output within the block
  bool lazy_ = true;
};

// The program-wide puzzle generator behind SeedTwister and RandRange.
MersenneTwister& PuzzleTwister();
