#include "engine/random.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/twister.h"

namespace {

TEST(PuzzleGenerator, MatchesReferenceTwisterAcrossSeedsAndBlocks) {
  // Far past the first block, so the lazy seeding and the full twists are
  // both compared with the reference.
  for (uint32_t seed : {0u, 1u, 5489u, 4567u, 123456789u, 0x80000000u, 0xffffffffu}) {
    std::mt19937 reference(seed);
    SeedTwister(seed);
    for (int i = 0; i < 2000; ++i) ASSERT_EQ(TwisterNext(), reference()) << "seed " << seed << " draw " << i;
  }
}

TEST(PuzzleGenerator, ReseedingMidBlockRestartsTheSequence) {
  SeedTwister(99);
  for (int i = 0; i < 300; ++i) TwisterNext();
  SeedTwister(42);
  std::mt19937 reference(42);
  for (int i = 0; i < 700; ++i) ASSERT_EQ(TwisterNext(), reference());
}

TEST(PuzzleGenerator, UnseededStartsLikeSeed5489) {
  MersenneTwister fresh;
  std::mt19937 reference(5489u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(fresh.Next(), reference());
}

TEST(PuzzleGenerator, RandRangeIsModuloOfTheOutput) {
  std::mt19937 reference(5489u);
  SeedTwister(5489);
  EXPECT_EQ(RandRange(0, 8), static_cast<int>(reference() % 9));
  EXPECT_EQ(RandRange(1, 9), static_cast<int>(1 + reference() % 9));
  EXPECT_EQ(RandRange(-5, 5), static_cast<int>(-5 + static_cast<int>(reference() % 11)));
  // The full 32-bit range must not divide by zero.
  const uint32_t raw = reference();
  EXPECT_EQ(RandRange(INT32_MIN, INT32_MAX), static_cast<int>(static_cast<uint32_t>(INT32_MIN) + raw));
}

TEST(GeneralGenerator, MatchesMinimalStandardReference) {
  SetRndState(kRndInitialState);
  std::minstd_rand reference(kRndInitialState);
  for (int i = 0; i < 1000; ++i) {
    RndDouble();
    reference();
    const uint32_t second = reference();
    ASSERT_EQ(static_cast<uint32_t>(RndState()), second);
  }
}

TEST(GeneralGenerator, RndDoubleCombinesTwoMaskedStates) {
  SeedRnd(777);
  std::minstd_rand reference(777);
  for (int i = 0; i < 1000; ++i) {
    const double a = static_cast<double>(reference() & 0x1ffffffcu);
    const double b = static_cast<double>(reference() & 0x1ffffff8u);
    const double value = RndDouble();
    ASSERT_EQ(value, (a + b / 134217728.0) / 536870912.0);
    ASSERT_GE(value, 0.0);
    ASSERT_LT(value, 1.0);
  }
}

TEST(GeneralGenerator, SeedsThatWouldStickBecome4660) {
  for (int seed : {0, 2147483647, -1, static_cast<int>(0x80000000u)}) {
    SeedRnd(seed);
    EXPECT_EQ(RndState(), 4660) << seed;
  }
  SeedRnd(-2);  // top bit cleared
  EXPECT_EQ(RndState(), 2147483646);
}

TEST(GeneralGenerator, RandStaysInRangeWithBoundsInEitherOrder) {
  SeedRnd(12345);
  int seen_low = 0, seen_high = 0;
  for (int i = 0; i < 2000; ++i) {
    EXPECT_EQ(Rand(3, 3), 3);
    const int v = Rand(5, 2);
    ASSERT_GE(v, 2);
    ASSERT_LE(v, 5);
    seen_low += v == 2;
    seen_high += v == 5;
  }
  EXPECT_GT(seen_low, 0);
  EXPECT_GT(seen_high, 0);
  const int wide = Rand(INT32_MIN, INT32_MAX);
  EXPECT_GE(static_cast<int64_t>(wide), INT32_MIN);
}

TEST(GeneralGenerator, RandMapsTheDoubleByTruncation) {
  SeedRnd(31337);
  const int32_t start = RndState();
  const double d = RndDouble();
  SetRndState(start);
  EXPECT_EQ(Rand(-3, 3), -3 + static_cast<int>(d * 7));
}

TEST(GeneralGenerator, AdvanceEqualsSingleSteps) {
  for (uint64_t steps : {0ull, 1ull, 10ull, 12345ull, 4550000ull}) {
    SeedRnd(2024);
    std::minstd_rand reference(2024);
    reference.discard(steps);
    AdvanceRnd(steps + 1);
    EXPECT_EQ(static_cast<uint32_t>(RndState()), reference()) << steps;
  }
}

}  // namespace
