#include <gtest/gtest.h>

#include <set>

#include "text.h"
#include "vanto.h"

namespace baker {
namespace {

const VantoFont& SmallFont() {
  static const VantoFont font = [] {
    VantoStyle s;
    s.fontPath = VeraBoldPath();
    s.pixelSize = 12;
    s.fillTop = s.fillBottom = Rgb8(250, 250, 250);
    s.shadowColour = Rgb8(8, 8, 12, 200);
    s.outline = 1.0f;
    s.outlineColour = Rgb8(20, 20, 30);
    return BakeVantoFont(s);
  }();
  return font;
}

TEST(Vanto, CoversEveryCharacterFrom32To254InFrameOrder) {
  const VantoFont& f = SmallFont();
  std::set<int> codes;
  int previous = 31;
  for (const auto& r : f.records) {
    EXPECT_GT(r.code, previous) << "records follow the frames in code order";
    previous = r.code;
    codes.insert(r.code);
  }
  for (int code = 32; code <= 254; ++code) EXPECT_EQ(codes.count(code) == 1, GameCharToUnicode(code) != 0) << code;
  // German letters and the euro sign of the game's code page are there.
  for (int code : {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC, 0xDF, 0x80}) EXPECT_EQ(codes.count(code), 1u) << code;
  // Every frame the data file uses exists on the sheet.
  int columns = f.sheet.width() / f.cellSize, rows = f.sheet.height() / f.cellSize;
  EXPECT_EQ(f.sheet.width() % f.cellSize, 0);
  EXPECT_EQ(f.sheet.height() % f.cellSize, 0);
  EXPECT_LE(int(f.records.size()), columns * rows);
}

TEST(Vanto, GlyphsStayInsideTheirCellsAndLandOnTheLine) {
  const VantoFont& f = SmallFont();
  const int columns = f.sheet.width() / f.cellSize;
  for (size_t i = 0; i < f.records.size(); ++i) {
    const VantoRecord& r = f.records[i];
    // The pen's cell corner lies inside the cell.
    EXPECT_GE(r.xOffset, 0.0f);
    EXPECT_GE(r.yOffset, 0.0f);
    EXPECT_LT(r.xOffset, float(f.cellSize));
    EXPECT_LT(r.yOffset, float(f.cellSize));
    EXPECT_EQ(r.height, f.fontHeight);
    int cx = int(i) % columns * f.cellSize, cy = int(i) / columns * f.cellSize;
    // Nothing on the cell's border, so filtered drawing does not bleed.
    for (int k = 0; k < f.cellSize; ++k) {
      ASSERT_LT(f.sheet.Get(cx + k, cy).a, 0.01f) << r.code;
      ASSERT_LT(f.sheet.Get(cx + k, cy + f.cellSize - 1).a, 0.01f) << r.code;
      ASSERT_LT(f.sheet.Get(cx, cy + k).a, 0.01f) << r.code;
      ASSERT_LT(f.sheet.Get(cx + f.cellSize - 1, cy + k).a, 0.01f) << r.code;
    }
  }
  // A capital letter's ink sits between the line top and the baseline.
  const VantoRecord* h = nullptr;
  size_t index = 0;
  for (size_t i = 0; i < f.records.size(); ++i)
    if (f.records[i].code == 'H') h = &f.records[i], index = i;
  ASSERT_NE(h, nullptr);
  int cx = int(index) % columns * f.cellSize, cy = int(index) / columns * f.cellSize;
  int top = f.cellSize, bottom = 0;
  for (int y = 0; y < f.cellSize; ++y)
    for (int x = 0; x < f.cellSize; ++x)
      if (f.sheet.Get(cx + x, cy + y).a > 0.5f) top = std::min(top, y), bottom = std::max(bottom, y);
  float lineTop = h->yOffset;
  EXPECT_GE(float(top), lineTop);
  EXPECT_LE(float(bottom), lineTop + float(f.fontHeight) + 2);
}

TEST(Vanto, DataFileRoundTripsAndRejectsDamage) {
  const VantoFont& f = SmallFont();
  std::vector<uint8_t> bytes = f.DataFile();
  EXPECT_EQ(bytes.size(), 16 + 24 * f.records.size());
  // Little-endian header: frame count first.
  EXPECT_EQ(bytes[0] | bytes[1] << 8, int(f.records.size()));
  VantoFont back;
  ASSERT_TRUE(VantoFont::ParseDataFile(bytes, &back));
  EXPECT_EQ(back.cellSize, f.cellSize);
  EXPECT_EQ(back.fontHeight, f.fontHeight);
  EXPECT_EQ(back.spaceWidth, f.spaceWidth);
  ASSERT_EQ(back.records.size(), f.records.size());
  for (size_t i = 0; i < f.records.size(); ++i) {
    EXPECT_EQ(back.records[i].code, f.records[i].code);
    EXPECT_EQ(back.records[i].advance, f.records[i].advance);
    EXPECT_EQ(back.records[i].yOffset, f.records[i].yOffset);
  }
  std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 5);
  EXPECT_FALSE(VantoFont::ParseDataFile(cut, &back));
  std::vector<uint8_t> miscounted = bytes;
  miscounted[0] ^= 1;
  EXPECT_FALSE(VantoFont::ParseDataFile(miscounted, &back));
}

TEST(Vanto, TextWidthFollowsTheLoaderArithmetic) {
  const VantoFont& f = SmallFont();
  // The loader moves the pen by advance + spacing + 1 for each glyph.
  auto advance = [&](int code) {
    for (const auto& r : f.records)
      if (r.code == code) return int(r.advance + 1.0f);
    return -1;
  };
  EXPECT_EQ(f.TextWidth("Ab"), advance('A') + advance('b'));
  EXPECT_EQ(f.TextWidth("\xE4 \xDF"), advance(0xE4) + advance(' ') + advance(0xDF));
  EXPECT_GT(f.TextWidth("W"), f.TextWidth("i"));
  EXPECT_EQ(f.TextWidth(""), 0);
}

}  // namespace
}  // namespace baker
