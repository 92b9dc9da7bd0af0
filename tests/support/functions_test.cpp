#include "support/functions.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "drawing/messages.h"
#include "support/number.h"

namespace {

TEST(Functions, HexadecimalConversions) {
  EXPECT_EQ(Functions::dez2hex(0), "");
  EXPECT_EQ(Functions::dez2hex(255), "FF");
  EXPECT_EQ(Functions::dez2hex(-1), "FFFFFFFF");
  EXPECT_EQ(Functions::dez2hex(INT_MIN), "80000000");
  EXPECT_EQ(Functions::dez2hex(0x0ABC0), "ABC0");
  EXPECT_EQ(Functions::hex2dez("FF"), 255);
  EXPECT_EQ(Functions::hex2dez("ff"), 0);  // lower case is not recognised
  EXPECT_EQ(Functions::hex2dez("1g2"), 258);  // neither is anything else: it counts 0
  EXPECT_EQ(Functions::hex2dez("0000007FFFFFFF"), INT_MAX);
  EXPECT_EQ(Functions::hex2dez(""), 0);
  // Values past the int range wrap modulo 2^32 instead of being undefined.
  EXPECT_EQ(Functions::hex2dez("80000000"), INT_MIN);
  EXPECT_EQ(Functions::hex2dez("FFFFFFFF"), -1);
  EXPECT_EQ(Functions::hex2dez("100000005"), 5);
  EXPECT_EQ(Functions::hex2dez("FFFFFFFFFFFFFFFFFFFFFFFFFFFF"), -1);
  for (int n : {1, 9, 12345, 1234567, INT_MAX, -7, INT_MIN}) EXPECT_EQ(Functions::hex2dez(Functions::dez2hex(n)), n);
  EXPECT_EQ(Functions::prove4zeros("000"), "");
  EXPECT_EQ(Functions::prove4zeros("00102"), "102");
  EXPECT_EQ(Functions::prove4zeros("x0"), "x0");
}

TEST(Functions, FileNameParts) {
  EXPECT_EQ(Functions::ExtractFileExt("lang/german.lang"), "lang");
  EXPECT_EQ(Functions::ExtractFileExt("archive.tar.gz"), "gz");
  EXPECT_EQ(Functions::ExtractFileExt("README"), "README");
  EXPECT_EQ(Functions::ExtractFileExt(".hidden"), ".hidden");  // a dot in the first place does not count
  EXPECT_EQ(Functions::ExtractFileExt("name."), "");
  EXPECT_EQ(Functions::ExtractFileName("themes/base/config.xml"), "themes/base/config.xml");
  EXPECT_EQ(Functions::ExtractFileName("C:\\games\\gridlet\\settings.xml"), "settings.xml");
  EXPECT_EQ(Functions::ExtractFileName("\\root"), "\\root");
  EXPECT_EQ(Functions::ExtractFileName("dir\\"), "");
}

TEST(Functions, SmallHelpers) {
  for (int n = -4; n <= 1100; ++n) {
    bool power = n == 2 || n == 4 || n == 8 || n == 16 || n == 32 || n == 64 || n == 128 || n == 256 || n == 512;
    EXPECT_EQ(Functions::TestPot(n), power ? 1 : 0) << n;
  }
  EXPECT_FLOAT_EQ(Functions::Log2(8.0f), 3.0f);
  EXPECT_FLOAT_EQ(Functions::Log2(1.0f), 0.0f);
  EXPECT_FLOAT_EQ(Functions::Log2(0.5f), -1.0f);
  EXPECT_EQ(Number::Create(42)->val, 42);
  EXPECT_EQ(Number().val, 0);
}

TEST(Functions, NthPermSwapsCharactersStepByStep) {
  EXPECT_EQ(Functions::nthPerm("abc", 0), "bca");
  EXPECT_EQ(Functions::nthPerm("abc", 1), "cab");
  EXPECT_EQ(Functions::nthPerm("", 5), "");
  EXPECT_EQ(Functions::nthPerm("q", 5), "q");
  // Negative n stays inside the text (floor division, remainder from 0 up).
  EXPECT_EQ(Functions::nthPerm("wxyz", -1), "zwxy");
  EXPECT_EQ(Functions::nthPerm("wxyz", INT_MIN).size(), 4u);
  // Repeated characters move together.
  EXPECT_EQ(Functions::nthPerm("aab", 0), "bba");
}

TEST(Functions, PrintMapWritesRowsOfCells) {
  std::vector<std::string> lines;
  drawing::SetPrintHook([&](const std::string& line) { lines.push_back(line); });
  Board board{};
  for (int x = 0; x < 9; ++x) board[size_t(x)][0] = uint8_t(x + 1);
  board[0][8] = 7;
  Functions::printMap(board);
  drawing::SetPrintHook(nullptr);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], " 1 2 3 4 5 6 7 8 9");
  EXPECT_EQ(lines[1], " 0 0 0 0 0 0 0 0 0");
  EXPECT_EQ(lines[8], " 7 0 0 0 0 0 0 0 0");
}

}  // namespace
