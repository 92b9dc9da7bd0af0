#include "engine/level_code.h"

#include <gtest/gtest.h>

namespace {

TEST(LevelCode, ConversionsOfThePartsExamples) {
  EXPECT_EQ(dez2hex(0), "");
  EXPECT_EQ(dez2hex(255), "FF");
  EXPECT_EQ(dez2hex(-1), "FFFFFFFF");
  EXPECT_EQ(dez2hex(314567), "4CCC7");
  EXPECT_EQ(hex2dez("FF"), 255);
  EXPECT_EQ(hex2dez("ff"), 0);
  EXPECT_EQ(hex2dez("4CCC7"), 314567);
  EXPECT_EQ(hex2dez(""), 0);
  EXPECT_EQ(hex2dez("1G"), 16);  // any other character counts 0
  EXPECT_EQ(prove4zeros("000A0"), "A0");
  EXPECT_EQ(prove4zeros("0000"), "");
}

TEST(LevelCode, Hex2dezWrapsValuesPastTheIntRange) {
  EXPECT_EQ(hex2dez("7FFFFFFF"), 2147483647);
  EXPECT_EQ(hex2dez("80000000"), static_cast<int>(0x80000000u));
  EXPECT_EQ(hex2dez("FFFFFFFF"), -1);
  EXPECT_EQ(hex2dez("100000005"), 5);
  EXPECT_EQ(hex2dez("0000000000000000FF"), 255);
  for (int n : {1, 99, 314567, 123456789, 2147483647}) EXPECT_EQ(hex2dez(dez2hex(n)), n);
}

TEST(LevelCode, FormsAndReadsBack) {
  EXPECT_EQ(FormLevelCode(3, 1, 4567), "4CCC7");
  const auto parts = ReadLevelCode("4CCC7");
  ASSERT_TRUE(parts);
  EXPECT_EQ(*parts, (LevelCodeParts{3, 1, 4567}));
  for (int seed : {1, 42, 9500000, 9999999})
    for (int level = 1; level <= 9; ++level)
      for (int stones = 1; stones <= 4; ++stones) EXPECT_TRUE(LevelCodeRoundTrips(level, stones, seed));
}

TEST(LevelCode, LongSeedsDoNotReadBack) {
  EXPECT_FALSE(LevelCodeRoundTrips(3, 1, 45678901));   // 3145678901 wraps
  EXPECT_FALSE(LevelCodeRoundTrips(9, 4, 99999999));   // 9499999999 wraps
  EXPECT_FALSE(LevelCodeRoundTrips(2, 1, 99999999));   // 2199999999 wraps
  EXPECT_TRUE(LevelCodeRoundTrips(2, 1, 47483647));    // 2147483647 just fits
  EXPECT_TRUE(LevelCodeRoundTrips(3, 1, 7));
}

TEST(LevelCode, OnlyCodesWithoutASeedAreRefused) {
  EXPECT_FALSE(ReadLevelCode(""));           // "0"
  EXPECT_FALSE(ReadLevelCode("1F"));         // "31": no seed
  EXPECT_FALSE(ReadLevelCode("63"));         // "99": no seed
  EXPECT_FALSE(ReadLevelCode("FFFFFFFF"));   // negative
  EXPECT_FALSE(ReadLevelCode("80000000"));   // the most negative
  EXPECT_EQ(ReadLevelCode("7B"), (LevelCodeParts{1, 2, 3}));  // "123", the shortest kind
  EXPECT_EQ(ReadLevelCode("7FFFFFFF"), (LevelCodeParts{2, 1, 47483647}));
}

TEST(LevelCode, StoneSetsOutsideOneToFourFallBackToTheFirst) {
  EXPECT_EQ(ReadLevelCode("FF"), (LevelCodeParts{2, 1, 5}));             // "255"
  EXPECT_EQ(ReadLevelCode("5F5E0FF"), (LevelCodeParts{9, 1, 999999}));   // "99999999"
  EXPECT_EQ(ReadLevelCode(dez2hex(304567)), (LevelCodeParts{3, 1, 4567}));
  for (int stones = 1; stones <= 4; ++stones)
    EXPECT_EQ(ReadLevelCode(dez2hex(300042 + 10000 * stones))->stone_set, stones);
}

TEST(LevelCode, MistypedCodesAreRefusedNotReadAsOthers) {
  // Letters in either case; leading zeros change nothing.
  EXPECT_EQ(ReadLevelCode("4ccc7"), (LevelCodeParts{3, 1, 4567}));
  EXPECT_EQ(ReadLevelCode("0004CCC7"), (LevelCodeParts{3, 1, 4567}));
  // A character that is no hexadecimal digit, or more digits than a code
  // has (the front ones would be lost), make no code at all.
  for (const char* typo : {"H-3F2A9G", "Q-3F2A91", "H3F2A91", "4CCC7G", "4C CC7", "4CCC7-", "FFFF247058E3",
                           "1247058E3", "-4CCC7", "+4CCC7"})
    EXPECT_FALSE(ReadLevelCode(typo)) << typo;
  EXPECT_TRUE(ReadLevelCode("247058E3"));
}

}  // namespace
