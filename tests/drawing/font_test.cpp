// Image fonts: the loader chain, text metrics and glyph placement.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

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

namespace {

// The whole canvas, to compare two drawings pixel by pixel.
std::vector<uint32_t> Canvas() {
  auto pix = GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight());
  std::vector<uint32_t> out;
  for (int y = 0; y < pix->height(); ++y)
    for (int x = 0; x < pix->width(); ++x) out.push_back(pix->ReadPixel(x, y));
  return out;
}

}  // namespace

TEST_F(SoftwareCanvas, VeryLongTextsShowTheSamePixelsAsTheirVisiblePart) {
  SetImageFont(nullptr);
  const int w = TextWidth("W");
  ASSERT_GT(w, 0);
  const std::string far(200000, 'W');
  auto compare = [&](const std::string& long_text, float long_x, const std::string& short_text, float short_x,
                     const char* what) {
    Cls();
    DrawText(long_text, long_x, 20);
    const auto drawn = Canvas();
    Cls();
    DrawText(short_text, short_x, 20);
    EXPECT_EQ(drawn, Canvas()) << what;
    EXPECT_GT(Lit(), 30) << what;
  };
  compare("Gridlet " + far, 2, "Gridlet " + std::string(64, 'W'), 2, "running off the right");
  SetViewport(10, 5, 40, 30);
  compare(far + "Grid", float(20 - 200000 * w), std::string(8, 'W') + "Grid", float(20 - 8 * w),
          "coming in from the left into a viewport");
  SetViewport(0, 0, 64, 48);
  SetRotation(90);
  SetScale(2, 2);
  compare("Gridlet " + far, 30, "Gridlet " + std::string(64, 'W'), 30, "turned and scaled");
  SetRotation(-90);
  compare("Gridlet " + far, 30, "Gridlet " + std::string(64, 'W'), 30, "turned the other way");
  SetTransform(0, 1, 1);
}

TEST_F(SoftwareCanvas, AMegabyteOfTextDrawsAboutAsFastAsItIsMeasured) {
  SetImageFont(nullptr);
  const std::string megabyte(1 << 20, 'x');
  auto time_ms = [](const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  };
  int width = 0;
  const double measured = time_ms([&] { width = TextWidth(megabyte); });
  const double drawn = time_ms([&] { DrawText(megabyte, 5, 5); });
  std::printf("1 MB of text: measured in %.1f ms, drawn in %.1f ms\n", measured, drawn);
  EXPECT_GT(width, 1 << 20);
  EXPECT_GT(Lit(), 30);
  // Glyphs far outside the canvas must cost about as little as measuring
  // them (drawing them all took a hundred times longer).
  EXPECT_LT(drawn, 10 * measured + 5);
}
