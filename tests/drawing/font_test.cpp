// Image fonts: the loader chain, text metrics and glyph placement.
#include <fstream>

#include "drawing/font.h"
#include "drawing_fixture.h"
#include "temp_dir.h"

using namespace drawing;

namespace {

// Glyphs of a fixed advance, drawn as solid blocks.
class BlockFont : public Font {
 public:
  BlockFont(float advance, int w) : advance_(advance), w_(w) {}
  int Style() override { return 0; }
  int Height() override { return 9; }
  int CountGlyphs() override { return 2; }
  int CharToGlyph(int code) override { return code == 'a' ? 0 : code == ' ' ? 1 : -1; }
  GlyphPtr LoadGlyph(int index) override;

 private:
  float advance_;
  int w_;
};

class BlockGlyph : public Glyph {
 public:
  PixmapPtr pix;
  float advance;
  int x, y, w, h;
  PixmapPtr Pixels() override { return pix; }
  float Advance() override { return advance; }
  void GetRect(int& ox, int& oy, int& ow, int& oh) override { ox = x, oy = y, ow = w, oh = h; }
};

GlyphPtr BlockFont::LoadGlyph(int index) {
  auto g = std::make_shared<BlockGlyph>();
  g->advance = advance_;
  g->x = 1;
  g->y = -2;
  g->w = w_;
  g->h = 2;
  if (index == 0) {
    g->pix = Pixmap::Create(w_, 2);
    g->pix->ClearPixels(ARGB(255, 255, 255, 255));
  }
  return g;
}

class NamedLoader : public FontLoader {
 public:
  NamedLoader(std::string suffix, std::vector<std::string>* log) : suffix_(std::move(suffix)), log_(log) {}
  FontPtr LoadFont(const std::string& url, int, int) override {
    log_->push_back(suffix_);
    if (url.size() >= suffix_.size() && url.compare(url.size() - suffix_.size(), suffix_.size(), suffix_) == 0)
      return std::make_shared<BlockFont>(2.6f, 2);
    return nullptr;
  }

 private:
  std::string suffix_;
  std::vector<std::string>* log_;
};

}  // namespace

TEST(FontLoaders, MostRecentlyRegisteredIsAskedFirst) {
  std::vector<std::string> log;
  auto first = std::make_shared<NamedLoader>(".one", &log);
  auto second = std::make_shared<NamedLoader>(".two", &log);
  AddFontLoader(first);
  AddFontLoader(second);
  EXPECT_TRUE(LoadImageFont("x.one", 10));
  EXPECT_EQ(log, (std::vector<std::string>{".two", ".one"}));
  log.clear();
  EXPECT_TRUE(LoadImageFont("x.two", 10));
  EXPECT_EQ(log, (std::vector<std::string>{".two"}));
  log.clear();
  EXPECT_FALSE(LoadImageFont("x.three", 10)) << "falls through to the TrueType loader, which refuses it";
  EXPECT_EQ(log.size(), 2u);
  RemoveFontLoader(first);
  RemoveFontLoader(second);
}

TEST(FontLoaders, TrueTypeLoaderRefusesFilesThatAreNotFonts) {
  TempDir dir;
  std::ofstream(dir / "fake.ttf") << "definitely not a font file, just text";
  EXPECT_FALSE(LoadImageFont(dir / "fake.ttf", 12));
  EXPECT_FALSE(LoadImageFont(dir / "missing.ttf", 12));
}

TEST_F(SoftwareCanvas, TextWidthTruncatesAfterEachGlyph) {
  SetImageFont(std::make_shared<ImageFont>(std::make_shared<BlockFont>(2.6f, 2), 0));
  EXPECT_EQ(TextWidth("a"), 2);
  EXPECT_EQ(TextWidth("aaa"), 6) << "2.6 -> 2, 4.6 -> 4, 6.6 -> 6 (7 without truncation)";
  EXPECT_EQ(TextWidth("a?a"), 4) << "characters without a glyph add nothing";
  EXPECT_EQ(TextHeight("anything"), 9);
}

TEST_F(SoftwareCanvas, GlyphsAreDrawnAtThePenPlusTheirOffset) {
  SetImageFont(std::make_shared<ImageFont>(std::make_shared<BlockFont>(5.0f, 2), 0));
  DrawText("a?a", 10, 10);
  EXPECT_EQ(Lit(), 8);
  EXPECT_EQ(Pixel(11, 8), 0xFFFFFFu) << "offset (1, -2) from the pen";
  EXPECT_EQ(Pixel(16, 9), 0xFFFFFFu) << "second glyph one advance on; '?' did not move the pen";
  EXPECT_EQ(Pixel(10, 10), 0u);
}

TEST_F(SoftwareCanvas, DefaultFontDrawsWhenNoFontIsSet) {
  SetImageFont(nullptr);
  EXPECT_GT(TextWidth("Gridlet"), 20);
  DrawText("Gridlet", 2, 2);
  EXPECT_GT(Lit(), 30);
}

TEST_F(SoftwareCanvas, TrueTypeFontsRenderWithBoldWider) {
  const char* vera = "/usr/share/fonts/truetype/ttf-bitstream-vera/Vera.ttf";
  auto regular = LoadImageFont(vera, 12, SMOOTHFONT);
  auto bold = LoadImageFont(vera, 12, SMOOTHFONT | BOLDFONT);
  if (!regular) GTEST_SKIP() << "Vera.ttf is not installed";
  ASSERT_TRUE(bold);
  EXPECT_GT(regular->Height(), 10);
  SetImageFont(regular);
  int plain_width = TextWidth("Wide text");
  DrawText("Wide text", 1, 1);
  int plain_lit = Lit();
  EXPECT_GT(plain_lit, 50);
  Cls();
  SetImageFont(bold);
  DrawText("Wide text", 1, 1);
  EXPECT_GT(Lit(), plain_lit);
  EXPECT_GE(TextWidth("Wide text"), plain_width);
}
