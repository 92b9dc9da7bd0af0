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
    source_ = nullptr;
    words_[0] = seed;
    seeded_ = 1;
    next_ = 0;
    lazy_ = true;
    fast_end_ = 0;
  }

  // Starts from seeding words computed elsewhere: the first `count` words
  // of the reference seeding of words[0], `stride` apart. They are read in
  // place until Materialize, which must come before they go away; the rest
  // follow on demand.
  void SeedFrom(const uint32_t* words, int stride, int count) {
    if (count > kWords) count = kWords;
    source_ = words;
    stride_ = stride;
    seeded_ = count;
    next_ = 0;
    lazy_ = true;
    fast_end_ = FastEnd();
  }

  uint32_t Next() {
    // Outputs whose twist needs only seeding words already computed take
    // this short path; everything else goes through NextSlow.
    if (next_ < fast_end_) {
      const int i = next_++;
      const uint32_t* from = source_ ? source_ + i * stride_ : words_ + i;
      const int step = source_ ? stride_ : 1;
      const uint32_t y = (from[0] & 0x80000000u) | (from[step] & 0x7fffffffu);
      words_[i] = from[kShift * step] ^ (y >> 1) ^ ((0u - (y & 1u)) & 0x9908b0dfu);
      return Temper(words_[i]);
    }
    return NextSlow();
  }

  // Copies the seeding words still needed out of the outside buffer.
  void Materialize() {
    if (!source_) return;
    for (int i = next_; i < seeded_; ++i) words_[i] = source_[i * stride_];
    source_ = nullptr;
  }

 private:
  // The end of the run of first-block outputs that need no more seeding.
  int FastEnd() const {
    const int end = seeded_ - kShift;
    return end < kWords - kShift ? (end > 0 ? end : 0) : kWords - kShift;
  }

  [[gnu::noinline]] uint32_t NextSlow() {
    Materialize();
    if (lazy_) {
      if (next_ < kWords) {
        int needed = next_ + kShift + 1;
        if (needed > kWords) needed = kWords;
        if (seeded_ < needed) {
          // Seeding a little ahead costs nothing extra and lets the next
          // draws take the short path.
          ExtendSeeding(needed + 32 < kWords ? needed + 32 : kWords);
          fast_end_ = FastEnd();
        }
        TwistWord(next_);
        return Temper(words_[next_++]);
      }
      lazy_ = false;
      fast_end_ = 0;  // later blocks are twisted whole
    }
    if (next_ >= kWords) {
      for (int i = 0; i < kWords; ++i) TwistWord(i);
      next_ = 0;
    }
    return Temper(words_[next_++]);
  }

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
  int fast_end_ = 0;
  const uint32_t* source_ = nullptr;  // seeding words kept elsewhere
  int stride_ = 1;
};

// Fills words[i * 8 + lane] with seeding word i of seed first + lane.
void ComputeSeeding(uint32_t* words, uint32_t first);

// The seeding words of eight consecutive seeds at once. The seeding is one
// long chain of dependent multiplications; eight chains side by side fill
// the vector lanes (or at least the pipeline) where one would leave it
// waiting. Word i of every lane is stored together.
class TwisterSeedingBatch {
 public:
  static constexpr int kLanes = 8;
  // Enough for the draws of nearly every attempt; the twister extends the
  // seeding itself for the rest.
  static constexpr int kWordsKept = 560;

  // The words of `seed` (kLanes apart), computing a new batch when it is
  // not in this one.
  const uint32_t* WordsFor(uint32_t seed) {
    if (!valid_ || seed - first_ >= kLanes) {
      ComputeSeeding(&words_[0][0], first_ = seed);
      valid_ = true;
    }
    return &words_[0][seed - first_];
  }

 private:
  uint32_t words_[kWordsKept][kLanes];  // filled by ComputeSeeding before use
  uint32_t first_ = 0;
  bool valid_ = false;
};

// The program-wide puzzle generator behind SeedTwister and RandRange.
MersenneTwister& PuzzleTwister();
