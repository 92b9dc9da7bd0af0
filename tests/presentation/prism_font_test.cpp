#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "drawing/graphics.h"
#include "drawing/image.h"
#include "presentation/font_data_files.h"
#include "presentation/image_fonts.h"
#include "presentation/prism_font.h"
#include "presentation_test_support.h"

using presentation_test::DataFile;
using presentation_test::MessageCapture;
using presentation_test::ScratchFolder;
using presentation_test::SoftwareGraphicsTest;
using presentation_test::WriteBytes;
using presentation_test::WritePng;

namespace {

// Colour of cell n in the test pictures.
uint32_t CellColour(int n) { return drawing::ARGB(255, 20 + n, 40, 60); }

// Square cells of `cell` pixels, `across` per row, filled with CellColour.
void WriteCellPicture(const std::string& path, int cell, int across, int rows) {
  drawing::PixmapPtr picture = drawing::Pixmap::Create(cell * across, cell * rows);
  for (int n = 0; n < across * rows; ++n) {
    for (int y = 0; y < cell; ++y)
      for (int x = 0; x < cell; ++x) picture->WritePixel((n % across) * cell + x, (n / across) * cell + y, CellColour(n));
  }
  WritePng(*picture, path);
}

DataFile VantoHeader(int frames, int cell, int height, int space) {
  DataFile file;
  file.Int(frames).Int(cell).Int(height).Int(space);
  return file;
}

void AddVantoRecord(DataFile& file, int code, int w, int h, float xo, float yo, float advance) {
  file.Int(code).Int(w).Int(h).Float(xo).Float(yo).Float(advance);
}

std::shared_ptr<TPrismFont> PrismOf(const drawing::ImageFontPtr& font) {
  return font ? std::dynamic_pointer_cast<TPrismFont>(font->Source()) : nullptr;
}

TPrismFontGlyph* GlyphOf(TPrismFont& font, int code) { return font.Glyphs[size_t(code - 32)].get(); }

}  // namespace

class PrismFontFiles : public ::testing::Test {
 protected:
  ScratchFolder folder;
  MessageCapture messages;
  std::string image = folder.Path("font.png");
  std::string data = folder.Path("font.vnt");
};

TEST_F(PrismFontFiles, VantoCodesOutsideTheRangeUseNoFrame) {
  WriteCellPicture(image, 8, 4, 1);
  DataFile file = VantoHeader(4, 8, 12, 5);
  AddVantoRecord(file, 65, 7, 9, 2.7f, -3.5f, 6.0f);
  AddVantoRecord(file, 300, 1, 1, 0, 0, 1);
  AddVantoRecord(file, 66, 6, 8, 0, 0, 4.5f);
  WriteBytes(data, file.Bytes());

  auto font = PrismOf(LoadVantoImageFont(image, 4, 2));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->Height(), 12);
  EXPECT_EQ(font->Style(), TPrismFont::KIND_VANTO);
  EXPECT_EQ(font->ImageFlags, 7);
  TPrismFontGlyph* a = GlyphOf(*font, 'A');
  TPrismFontGlyph* b = GlyphOf(*font, 'B');
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->G_Pixmap->ReadPixel(3, 3), CellColour(0));
  EXPECT_EQ(b->G_Pixmap->ReadPixel(3, 3), CellColour(1)) << "code 300 did not take frame 1";
  EXPECT_EQ(a->G_X, -2);
  EXPECT_EQ(a->G_Y, 3);
  EXPECT_EQ(a->G_Width, 7);
  EXPECT_EQ(a->G_Height, 9);
  EXPECT_FLOAT_EQ(a->G_Advance, 6.0f + 2 + 1);
  EXPECT_FLOAT_EQ(b->G_Advance, 4.5f + 2 + 1);
  EXPECT_EQ(GlyphOf(*font, 'C'), nullptr);
  EXPECT_EQ(font->LoadGlyph('C' - 32), font->NullGlyph);
  TPrismFontGlyph* space = GlyphOf(*font, ' ');
  ASSERT_TRUE(space);
  EXPECT_EQ(space->G_Advance, 5);
  EXPECT_EQ(space->G_Pixmap->width(), 5);
  EXPECT_EQ(space->G_Pixmap->ReadPixel(0, 0), 0u);
  EXPECT_TRUE(messages.notes.empty());
}

TEST_F(PrismFontFiles, StyleDecidesTheImageFlagsAndBlackIsMasked) {
  drawing::PixmapPtr picture = drawing::Pixmap::Create(4, 4);
  picture->ClearPixels(0xFF000000);
  picture->WritePixel(1, 1, 0xFFFFFFFF);
  WritePng(*picture, image);
  DataFile file = VantoHeader(1, 4, 4, 0);
  AddVantoRecord(file, 'x', 4, 4, 0, 0, 4);
  WriteBytes(data, file.Bytes());

  auto plain = PrismOf(LoadVantoImageFont(image, 0, 0));
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->ImageFlags, 1);
  EXPECT_EQ(PendingFont().imageFlags, 1);
  EXPECT_EQ(drawing::ARGB_A(GlyphOf(*plain, 'x')->G_Pixmap->ReadPixel(0, 0)), 0) << "black is the mask colour";
  EXPECT_EQ(GlyphOf(*plain, 'x')->G_Pixmap->ReadPixel(1, 1), 0xFFFFFFFFu);
  auto smooth = PrismOf(LoadVantoImageFont(image, 4, 0));
  ASSERT_TRUE(smooth);
  EXPECT_EQ(smooth->ImageFlags, 7);
}

TEST_F(PrismFontFiles, MissingDataFileNotifiesOnceWithoutReadingTheImage) {
  const std::string missing_image = folder.Path("nothing.png");
  EXPECT_FALSE(LoadVantoImageFont(missing_image, 4, 0));
  ASSERT_EQ(messages.notes.size(), 1u);
  const std::string& note = messages.notes[0];
  EXPECT_EQ(note.rfind("PrismFont @ ", 0), 0u);
  const std::string tail = " > ERROR: File " + folder.Path("nothing.vnt") + " Not found...";
  ASSERT_GE(note.size(), tail.size());
  EXPECT_EQ(note.substr(note.size() - tail.size()), tail);
  // Between the prefix and the tail stands the clock: digits only.
  const std::string clock = note.substr(12, note.size() - 12 - tail.size());
  EXPECT_FALSE(clock.empty());
  EXPECT_EQ(clock.find_first_not_of("0123456789-"), std::string::npos);

  messages.notes.clear();
  EXPECT_FALSE(LoadFontCandyImageFont(folder.Path("sub.dir/font"), 0, 0));
  ASSERT_EQ(messages.notes.size(), 1u);
  EXPECT_NE(messages.notes[0].find("File " + folder.Path("sub.dir/font.dat") + " Not found..."), std::string::npos)
      << "a dot before the last slash is no extension";
}

TEST_F(PrismFontFiles, MissingImageNotifiesWithTheImagePath) {
  WriteBytes(data, VantoHeader(1, 4, 4, 0).Bytes());
  EXPECT_FALSE(LoadVantoImageFont(image, 4, 0));
  ASSERT_EQ(messages.notes.size(), 1u);
  EXPECT_NE(messages.notes[0].find("File " + image + " Not found..."), std::string::npos);
}

TEST_F(PrismFontFiles, LoaderTakesOnlyLowerCaseImageExtensions) {
  WriteCellPicture(image, 4, 1, 1);
  WriteCellPicture(folder.Path("upper.PNG"), 4, 1, 1);
  WriteBytes(data, VantoHeader(1, 4, 4, 0).Bytes());
  WriteBytes(folder.Path("upper.vnt"), VantoHeader(1, 4, 4, 0).Bytes());
  TPrismFontLoader loader;
  PendingFont().kind = TPrismFont::KIND_VANTO;
  PendingFont().data = data;
  EXPECT_TRUE(loader.LoadFont(image, 0, 4));
  EXPECT_FALSE(loader.LoadFont("", 0, 4));
  EXPECT_FALSE(loader.LoadFont(folder.Path("font.gif"), 0, 4));
  PendingFont().data = folder.Path("upper.vnt");
  EXPECT_FALSE(loader.LoadFont(folder.Path("upper.PNG"), 0, 4));
  EXPECT_FALSE(PrismOf(LoadVantoImageFont(folder.Path("upper.PNG"), 4, 0)))
      << "the TrueType loader that is asked next cannot read a picture either";
}

TEST_F(PrismFontFiles, TruncatedVantoFilesKeepOnlyCompleteGlyphs) {
  WriteCellPicture(image, 8, 4, 1);
  DataFile header_only = VantoHeader(4, 8, 12, 5);
  WriteBytes(data, header_only.Bytes().substr(0, 10));
  EXPECT_FALSE(LoadVantoImageFont(image, 4, 0)) << "a header cut short gives no font";

  DataFile file = VantoHeader(4, 8, 12, 5);
  AddVantoRecord(file, 'A', 8, 8, 0, 0, 8);
  AddVantoRecord(file, 'B', 8, 8, 0, 0, 8);
  WriteBytes(data, file.Bytes().substr(0, file.Bytes().size() - 5));
  auto font = PrismOf(LoadVantoImageFont(image, 4, 0));
  ASSERT_TRUE(font);
  EXPECT_TRUE(GlyphOf(*font, 'A'));
  EXPECT_FALSE(GlyphOf(*font, 'B'));
}

TEST_F(PrismFontFiles, VantoGlyphsBeyondThePictureAreDropped) {
  WriteCellPicture(image, 8, 2, 1);  // two cells only
  DataFile file = VantoHeader(1000000, 8, 12, 5);
  AddVantoRecord(file, 'A', 8, 8, 0, 0, 8);
  AddVantoRecord(file, 'B', 8, 8, 0, 0, 8);
  AddVantoRecord(file, 'C', 8, 8, 0, 0, 8);
  WriteBytes(data, file.Bytes());
  auto font = PrismOf(LoadVantoImageFont(image, 4, 0));
  ASSERT_TRUE(font);
  EXPECT_TRUE(GlyphOf(*font, 'A'));
  EXPECT_EQ(GlyphOf(*font, 'B')->G_Pixmap->ReadPixel(0, 0), CellColour(1));
  EXPECT_FALSE(GlyphOf(*font, 'C'));
}

TEST_F(PrismFontFiles, HostileVantoHeadersYieldNoFontOrBoundedOnes) {
  WriteCellPicture(image, 8, 2, 1);
  const int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  for (auto [frames, cell] : std::vector<std::pair<int, int>>{{2, -8}, {2, 0}, {2, kMax}, {-5, 8}, {0, 8}, {kMin, kMin}}) {
    DataFile file = VantoHeader(frames, cell, kMin, kMax);
    AddVantoRecord(file, 'A', kMax, kMin, std::numeric_limits<float>::quiet_NaN(),
                -std::numeric_limits<float>::infinity(), 1e30f);
    WriteBytes(data, file.Bytes());
    EXPECT_FALSE(LoadVantoImageFont(image, 4, 0)) << frames << " frames of " << cell;
  }
  DataFile file = VantoHeader(2, 8, 12, kMax);
  AddVantoRecord(file, 'A', kMax, kMin, std::numeric_limits<float>::quiet_NaN(), -1e30f, 1e30f);
  WriteBytes(data, file.Bytes());
  auto font = PrismOf(LoadVantoImageFont(image, 4, kMax));
  ASSERT_TRUE(font);
  TPrismFontGlyph* a = GlyphOf(*font, 'A');
  EXPECT_EQ(a->G_X, 0) << "NaN offsets read as 0";
  EXPECT_GT(a->G_Y, 0);
  EXPECT_TRUE(std::isfinite(a->G_Advance));
  EXPECT_FALSE(GlyphOf(*font, ' ')->G_Pixmap) << "no picture for an absurd space width";
}

TEST_F(PrismFontFiles, FontCandyCutsRectanglesAndMasksItsColour) {
  const std::string dat = folder.Path("candy.dat");
  const std::string png = folder.Path("candy.png");
  drawing::PixmapPtr picture = drawing::Pixmap::Create(20, 10);
  picture->ClearPixels(drawing::ARGB(255, 255, 0, 255));  // the mask colour
  for (int y = 0; y < 10; ++y) picture->WritePixel(12, y, 0xFF00FF00);
  WritePng(*picture, png);
  DataFile file;
  file.Int(0).Int(0).Int(255).Int(0).Int(255).Int(3).Int(10).Int(4).Int(0);
  file.Int('a').Int(0).Int(0).Int(5);
  file.Int(7).Int(0).Int(0).Int(5);     // not a printable code
  file.Int('b').Int(10).Int(0).Int(6);
  file.Int('c').Int(500).Int(500).Int(6);  // outside the picture
  file.Int('d').Int(0).Int(0).Int(6);      // beyond the listed count
  WriteBytes(dat, file.Bytes());

  auto font = PrismOf(LoadFontCandyImageFont(png, 0, 3));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->Style(), TPrismFont::KIND_FONTCANDY);
  EXPECT_EQ(font->Height(), 10);
  TPrismFontGlyph* b = GlyphOf(*font, 'b');
  ASSERT_TRUE(b);
  EXPECT_EQ(b->G_Pixmap->width(), 6);
  EXPECT_EQ(b->G_Pixmap->height(), 10);
  EXPECT_EQ(b->G_Pixmap->ReadPixel(2, 5), 0xFF00FF00u);
  EXPECT_EQ(drawing::ARGB_A(b->G_Pixmap->ReadPixel(0, 0)), 0) << "magenta is this font's mask colour";
  EXPECT_EQ(b->G_X, 0);
  EXPECT_EQ(b->G_Y, 0);
  EXPECT_FLOAT_EQ(b->G_Advance, 6 + 3);
  EXPECT_TRUE(GlyphOf(*font, 'a'));
  EXPECT_FALSE(GlyphOf(*font, 'c'));
  EXPECT_FALSE(GlyphOf(*font, 'd'));
  EXPECT_FLOAT_EQ(GlyphOf(*font, ' ')->G_Advance, 4);
}

TEST_F(PrismFontFiles, AutoSizedGlyphsAreMeasuredFromVisibleColumns) {
  // Three cells of 10 x 6: columns 3 and 7 lit; empty; column 0 to 9 lit.
  drawing::PixmapPtr picture = drawing::Pixmap::Create(30, 6);
  picture->WritePixel(3, 2, 0xFFFFFFFF);
  picture->WritePixel(7, 4, 0x80FFFFFF);
  for (int x = 20; x < 30; ++x) picture->WritePixel(x, 0, 0xFFFFFFFF);
  WritePng(*picture, image);
  const std::string charset = std::string("A") + char(10) + "B";
  auto font = PrismOf(LoadAutoSizedImageFont(image, 10, 6, 3, charset, 2, 0));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->Style(), TPrismFont::KIND_AUTOSIZED);
  EXPECT_EQ(font->Height(), 6);
  TPrismFontGlyph* a = GlyphOf(*font, 'A');
  EXPECT_EQ(a->G_X, -3);
  EXPECT_EQ(a->G_Width, 4);
  EXPECT_FLOAT_EQ(a->G_Advance, 4 + 2);
  EXPECT_EQ(a->G_Y, -6);
  EXPECT_EQ(a->G_Height, 6);
  TPrismFontGlyph* b = GlyphOf(*font, 'B');
  EXPECT_EQ(b->G_Width, 9) << "code 10 still used the middle frame, so B has the third";
  EXPECT_EQ(b->G_X, 0);

  auto blank = PrismOf(LoadAutoSizedImageFont(image, 10, 6, 3, "\x01Q", 2, 0));
  ASSERT_TRUE(blank);
  EXPECT_EQ(GlyphOf(*blank, 'Q')->G_Width, 0);
  EXPECT_FLOAT_EQ(GlyphOf(*blank, 'Q')->G_Advance, 2) << "an empty cell advances by the spacing only";

  auto fixed = PrismOf(LoadAutoSizedImageFont(image, 10, 6, 3, "AB", 2, TPrismFont::AUTOSIZED_FIXED_WIDTH));
  ASSERT_TRUE(fixed);
  EXPECT_EQ(fixed->Style(), 0x401);
  EXPECT_EQ(GlyphOf(*fixed, 'A')->G_Width, 10);
  EXPECT_FLOAT_EQ(GlyphOf(*fixed, 'A')->G_Advance, 10);
  EXPECT_EQ(GlyphOf(*fixed, 'A')->G_X, 0);
}

TEST(FontDataParsing, RecordCountsAreBoundedByTheBytesPresent) {
  DataFile candy;
  candy.Int(0).Int(0).Int(1).Int(2).Int(3).Int(std::numeric_limits<int>::max()).Int(9).Int(4).Int(0);
  candy.Int('a').Int(1).Int(2).Int(3);
  auto parsed = ParseFontCandyData(candy.Bytes() + "xyz");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->records.size(), 1u);
  EXPECT_EQ(parsed->mask_g, 2);
  EXPECT_FALSE(ParseFontCandyData(candy.Bytes().substr(0, 35)));

  DataFile negative;
  negative.Int(0).Int(0).Int(0).Int(0).Int(0).Int(-7).Int(9).Int(4).Int(0).Int('a').Int(1).Int(2).Int(3);
  EXPECT_TRUE(ParseFontCandyData(negative.Bytes())->records.empty());
  EXPECT_FALSE(ParseVantoData(std::string(15, '\0')));
  EXPECT_TRUE(ParseVantoData(std::string(16 + 23, '\0'))->records.empty());
}

using PrismFontDrawing = SoftwareGraphicsTest;

TEST_F(PrismFontDrawing, CharactersOutsideTheRangeAreSkippedWithoutMovingThePen) {
  ScratchFolder folder;
  WriteCellPicture(folder.Path("f.png"), 8, 2, 1);
  DataFile file = VantoHeader(2, 8, 8, 4);
  AddVantoRecord(file, 'A', 8, 8, 0, 0, 7);
  AddVantoRecord(file, 254, 8, 8, 0, 0, 5);
  WriteBytes(folder.Path("f.vnt"), file.Bytes());
  drawing::ImageFontPtr font = LoadVantoImageFont(folder.Path("f.png"), 0, 0);
  ASSERT_TRUE(font);
  drawing::SetImageFont(font);
  EXPECT_EQ(drawing::TextWidth("AA"), 16);
  EXPECT_EQ(drawing::TextWidth(std::string("A\x01\x1f") + char(255) + "A"), 16);
  EXPECT_EQ(drawing::TextWidth(std::string(1, char(254))), 6);
  EXPECT_EQ(drawing::TextHeight("A"), 8);
  drawing::DrawText(std::string("A") + char(255) + "A", 100, 100);
  EXPECT_EQ(PixelAt(100, 100) , CellColour(0) & 0xFFFFFF);
  EXPECT_EQ(PixelAt(108, 100), CellColour(0) & 0xFFFFFF) << "the second A follows at the advance of 8";
  EXPECT_EQ(PixelAt(116, 100), 0u);
}
