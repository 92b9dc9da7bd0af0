// The puzzle generator's draws for attempts with fresh seeds.
//
// Fresh seeds count up by one per attempt, and an attempt reads every draw
// modulo 9. MT19937 output i (for i < 227) depends only on the seeding
// words i, i + 1 and i + 397, and the seeding of one seed is a chain of
// dependent multiplications; run for many seeds side by side it fills the
// vector lanes and the pipeline instead of waiting on each product. So a
// batch seeds kSeeds consecutive seeds together and keeps the first
// kFastDraws outputs of each as bytes (output mod 9). The few attempts that
// draw more go on with two running seeding recurrences of their own seed.
#pragma once

#include <cstdint>
#include <cstring>

#include "engine/twister.h"

class FreshSeedDraws {
 public:
  static constexpr int kSeeds = 64;
  // Nearly every attempt draws fewer (about 130 on average). A multiple of
  // 16, the block the batch transposes.
  static constexpr int kFastDraws = 160;
  // Vector code may read this far past a seed's fast draws.
  static constexpr int kReadPast = 64;

  // The draws of one seed, read in order. A small value that the attempt
  // keeps in registers while it places its digits.
  class Cursor {
   public:
    // The next output mod 9.
    unsigned Next9() {
      if (next_ != end_) return *next_++;
      return owner_->SlowNext9();
    }

   private:
    friend class FreshSeedDraws;
    const uint8_t* next_;
    const uint8_t* end_;
    FreshSeedDraws* owner_;
  };

  // What vector code reads past the last seed's draws is defined, though
  // never used.
  FreshSeedDraws() { std::memset(draws_ + kSeeds * kFastDraws, 0, kReadPast); }

  // Starts the draws of `seed` at draw `skip` (at most kFastDraws),
  // computing a new batch when the seed is not in the current one.
  Cursor Start(uint32_t seed, int skip = 0) {
    if (!Holds(seed)) ComputeBatch(seed);
    lane_ = static_cast<int>(seed - first_);
    slow_drawn_ = 0;
    Cursor cursor;
    cursor.next_ = FastDraws() + skip;
    cursor.end_ = FastDraws() + kFastDraws;
    cursor.owner_ = this;
    return cursor;
  }

  // The current batch has the draws of `seed`.
  bool Holds(uint32_t seed) const { return valid_ && seed - first_ < static_cast<uint32_t>(kSeeds); }

  // The first kFastDraws outputs mod 9 of a seed of the batch (by default
  // the current one), in order; kReadPast more bytes after them may be
  // read and mean nothing.
  const uint8_t* FastDraws() const { return draws_ + lane_ * kFastDraws; }
  const uint8_t* FastDraws(uint32_t seed) const { return draws_ + (seed - first_) * kFastDraws; }
  // The outputs after those, one by one.
  unsigned SlowNext9();

  uint32_t Seed() const { return first_ + static_cast<uint32_t>(lane_); }
  // Outputs drawn through `cursor` since Start.
  int Drawn(const Cursor& cursor) const {
    if (cursor.next_ != cursor.end_) return static_cast<int>(cursor.next_ - FastDraws());
    return kFastDraws + slow_drawn_;
  }

 private:
  static constexpr int kShift = 397;
  // Up to here an output needs only seeding words, not twisted ones.
  static constexpr int kSeedingOnlyOutputs = MersenneTwister::kWords - kShift;
  static_assert(kFastDraws < kSeedingOnlyOutputs && kFastDraws % 16 == 0);

  void ComputeBatch(uint32_t first);

  // Filled by ComputeBatch before use: the fast draws of every seed, one
  // seed after the other.
  uint8_t draws_[kSeeds * kFastDraws + kReadPast];
  uint32_t near_words_[kFastDraws + 1][kSeeds];  // its scratch: seeding words 0 to kFastDraws
  // Per seed: seeding word kFastDraws, and word kFastDraws + kShift - 1,
  // the last one the batch computed; the running recurrences start there.
  uint32_t word_at_end_[kSeeds];
  uint32_t far_word_at_end_[kSeeds];
  uint32_t first_ = 0;
  bool valid_ = false;
  int lane_ = 0;
  int slow_drawn_ = 0;  // outputs drawn past kFastDraws
  // Seeding words i, i + 1 and i + kShift for the next slow output i.
  uint32_t near_ = 0, next_near_ = 0, far_ = 0;
  // The very rare draws past kSeedingOnlyOutputs come from a whole twister.
  MersenneTwister whole_;
};
