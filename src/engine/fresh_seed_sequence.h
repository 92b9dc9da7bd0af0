// Where the fresh seeds of a generation start.
//
// Attempt n of a generation with fresh seeds takes seed base + n. The first
// generation of a run takes its base from the clock; every later one goes on
// just past the last seed the one before tried. A base from the clock alone
// would repeat the previous game: the generator makes thousands of attempts
// per millisecond, so a game started seconds later searches the same seeds
// and accepts the same one.
#pragma once

#include <optional>

class FreshSeedSequence {
 public:
  // Bases stay below this, and seeds below it plus the attempt limit, so
  // that a level code, which holds level, stone set and seed in one int,
  // always reads back.
  static constexpr int kRange = 9000000;

  // The base of the next generation.
  int NextBase(int clock_ms) const { return Wrapped(last_tried_ ? *last_tried_ : clock_ms); }

  // The last seed a generation with fresh seeds tried.
  void Tried(int seed) { last_tried_ = seed; }

 private:
  static int Wrapped(int value) {
    const int base = value % kRange;
    return base < 0 ? base + kRange : base;
  }

  std::optional<int> last_tried_;
};
