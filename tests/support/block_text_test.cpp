#include <gtest/gtest.h>

#include "drawing/graphics.h"
#include "drawing/platform.h"
#include "screen_test_fixture.h"
#include "support/functions.h"

namespace {

// The built-in font: every character advances 8 pixels, lines are 17 high.
constexpr int kAdvance = 8;
constexpr int kLine = 17;

using BlockTextTest = ScreenTest;

void Text(const std::string& text, float x, float y) { drawing::DrawText(text, x, y); }

TEST_F(BlockTextTest, FontMetricsTheTestsAssume) {
  EXPECT_EQ(drawing::TextWidth("abcd"), 4 * kAdvance);
  EXPECT_EQ(drawing::TextHeight("x"), kLine);
}

TEST_F(BlockTextTest, SingleLineThatFitsIsAligned) {
  // "Hello" is 40 wide in a box 200 wide at x 100.
  ExpectSameDrawing([] { Functions::BlockText("Hello", 100, 50, 200, 20, 0, nullptr, 255, 255, 255, 1); },
                    [] { Text("Hello", 100, 50); });
  ExpectSameDrawing([] { Functions::BlockText("Hello", 100, 50, 200, 20, 1, nullptr, 255, 255, 255, 1); },
                    [] { Text("Hello", 180, 50); });
  ExpectSameDrawing([] { Functions::BlockText("Hello", 100, 50, 200, 20, 2, nullptr, 255, 255, 255, 1); },
                    [] { Text("Hello", 260, 50); });
  ExpectSameDrawing([] { Functions::BlockText("Hello", 100, 50, 200, 20, 5, nullptr, 255, 255, 255, 1); },
                    [] { Text("Hello", 0, 50); });
}

TEST_F(BlockTextTest, SingleLineTooWideEndsInTwoDots) {
  // 10 characters (80) in 50: "abcdef" (48) is the longest that fits, drawn
  // as "abcd" + "..", placed by the width of "abcdef".
  ExpectSameDrawing([] { Functions::BlockText("abcdefghij", 100, 50, 50, 20, 0, nullptr, 255, 255, 255, 1); },
                    [] { Text("abcd..", 100, 50); });
  ExpectSameDrawing([] { Functions::BlockText("abcdefghij", 100, 50, 50, 20, 2, nullptr, 255, 255, 255, 1); },
                    [] { Text("abcd..", 102, 50); });
  // Exactly as wide as the box is too wide.
  ExpectSameDrawing([] { Functions::BlockText("abcde", 100, 50, 40, 20, 0, nullptr, 255, 255, 255, 1); },
                    [] { Text("ab..", 100, 50); });
}

TEST_F(BlockTextTest, ThreeLinesInATwoLineBoxEndInEllipsis) {
  // Width 40 holds "aaaa" (32) but not "aaaa b" (48).
  ExpectSameDrawing([] { Functions::BlockText("aaaa bbbb cccc", 10, 20, 40, 2 * kLine, 0, nullptr, 255, 255, 255, 0); },
                    [] {
                      Text("aaaa", 10, 20);
                      Text("b ...", 10, 20 + kLine);
                    });
  // With room for all three (strictly more than three lines high).
  ExpectSameDrawing([] { Functions::BlockText("aaaa bbbb cccc", 10, 20, 40, 3 * kLine + 1, 0, nullptr, 255, 255, 255, 0); },
                    [] {
                      Text("aaaa", 10, 20);
                      Text("bbbb", 10, 20 + kLine);
                      Text("cccc", 10, 20 + 2 * kLine);
                    });
}

TEST_F(BlockTextTest, WrapsAtTheLastBlankThatFitsAndAligns) {
  // Width 100 holds 12 characters: "one two" + " three" is 13.
  ExpectSameDrawing([] { Functions::BlockText("one two three four", 200, 100, 100, 200, 1, nullptr, 255, 255, 255, 0); },
                    [] {
                      Text("one two", 200 + (100 - 56) / 2, 100);
                      Text("three four", 200 + (100 - 80) / 2, 100 + kLine);
                    });
  ExpectSameDrawing([] { Functions::BlockText("one two three four", 200, 100, 100, 200, 2, nullptr, 255, 255, 255, 0); },
                    [] {
                      Text("one two", 300 - 56, 100);
                      Text("three four", 300 - 80, 100 + kLine);
                    });
}

TEST_F(BlockTextTest, CarriageReturnsAlwaysBreak) {
  // As the menus join paragraphs: text, CR, blank, CR, text.
  ExpectSameDrawing([] { Functions::BlockText("Well done!\r \rScore", 10, 10, 300, 200, 0, nullptr, 255, 255, 255, 0); },
                    [] {
                      Text("Well done!", 10, 10);
                      Text("Score", 10, 10 + 2 * kLine);
                    });
  ExpectSameDrawing([] { Functions::BlockText("ab\r\rcd\r", 10, 10, 300, 200, 0, nullptr, 255, 255, 255, 0); },
                    [] {
                      Text("ab", 10, 10);
                      Text("cd", 10, 10 + 2 * kLine);
                    });
}

TEST_F(BlockTextTest, HyphenStaysOnTheLineAndLongWordsAreCut) {
  // Width 48: "well-" (40) fits, "well-known" (80) does not.
  ExpectSameDrawing([] { Functions::BlockText("well-known words", 0, 0, 48, 300, 0, nullptr, 255, 255, 255, 0); },
                    [] {
                      Text("well-", 0, 0);
                      Text("known", 0, kLine);
                      Text("words", 0, 2 * kLine);
                    });
  // A word wider than the box is cut at its last character that fits.
  ExpectSameDrawing([] { Functions::BlockText("abcdefghijk xy", 0, 0, 40, 300, 0, nullptr, 255, 255, 255, 0); },
                    [] {
                      Text("abcd", 0, 0);
                      Text("efgh", 0, kLine);
                      Text("ijk", 0, 2 * kLine);
                      Text("xy", 0, 3 * kLine);
                    });
  // Even a box narrower than one character ends, one character per line.
  ExpectSameDrawing([] { Functions::BlockText("abc", 0, 0, 0, 300, 0, nullptr, 255, 255, 255, 0); },
                    [] {
                      Text("a", 0, 0);
                      Text("b", 0, kLine);
                      Text("c", 0, 2 * kLine);
                    });
}

TEST_F(BlockTextTest, ColourAndFontAreRestored) {
  drawing::SetColor(1, 2, 3);
  auto font = drawing::DefaultImageFont();
  drawing::SetImageFont(nullptr);
  ExpectSameDrawing([&] { Functions::BlockText("red", 0, 0, 100, 30, 0, font, 255, 0, 0, 0); },
                    [] {
                      drawing::SetColor(255, 0, 0);
                      Text("red", 0, 0);
                      drawing::SetColor(1, 2, 3);
                    });
  int r, g, b;
  drawing::GetColor(r, g, b);
  EXPECT_EQ(r * 10000 + g * 100 + b, 10203);
  EXPECT_EQ(drawing::GetImageFont(), nullptr);
}

TEST(MouseIsInRect, EdgesAreInside) {
  auto& input = drawing::Input();
  auto at = [&](int x, int y) {
    input.mouse_x = x;
    input.mouse_y = y;
    return Functions::MouseIsInRect(10, 20, 52, 52);
  };
  EXPECT_EQ(at(10, 20), 1);
  EXPECT_EQ(at(62, 72), 1);  // exactly on the right and bottom edges
  EXPECT_EQ(at(30, 40), 1);
  EXPECT_EQ(at(63, 40), 0);
  EXPECT_EQ(at(30, 73), 0);
  EXPECT_EQ(at(9, 40), 0);
  EXPECT_EQ(at(30, 19), 0);
  input.mouse_x = input.mouse_y = 0;
}

}  // namespace
