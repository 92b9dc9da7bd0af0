// Pictures and fonts for dense screens: the variant that suits the fit
// scale is loaded, checked against the 1x file and drawn at the 1x size, and
// text measures the same at every scale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "drawing/files.h"
#include "drawing/font.h"
#include "drawing/graphics.h"
#include "drawing/headless.h"
#include "drawing/image.h"
#include "drawing/picture_variants.h"
#include "presentation/image_fonts.h"
#include "presentation/picture_files.h"
#include "presentation_test_support.h"

using presentation_test::MessageCapture;
using presentation_test::ScratchFolder;

namespace {

std::filesystem::path GameFolder() {
  if (const char* dir = std::getenv("GRIDLET_GAME_DIR")) return dir;
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "game";
}

// Software graphics of an 800 x 600 game area drawn with `scale` pixels per
// game unit, as a headless run at --scale opens them.
class ScaledGraphics {
 public:
  explicit ScaledGraphics(int scale) {
    drawing::SetHeadlessScale(scale);
    drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE);
    ok_ = drawing::Graphics(800, 600, 0);
    drawing::SetLogicalSize(800, 600);
  }
  ~ScaledGraphics() {
    drawing::EndGraphics();
    drawing::SetHeadlessScale(1);
  }
  ScaledGraphics(const ScaledGraphics&) = delete;
  ScaledGraphics& operator=(const ScaledGraphics&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

void WritePng(const std::string& path, int w, int h, uint32_t argb) {
  auto pix = drawing::Pixmap::Create(w, h);
  pix->ClearPixels(argb);
  ASSERT_TRUE(drawing::SavePixmapPNG(*pix, path, 1));
}

}  // namespace

TEST(PictureVariants, FactorIsTheSmallestAtLeastTheScaleElseTheLargest) {
  struct Case {
    double scale;
    std::vector<int> available;
    int factor;
  } cases[] = {
      {1.0, {1, 2, 3}, 1}, {1.0005, {1, 2, 3}, 1}, {1.2, {1, 2, 3}, 2}, {1.8, {1, 2, 3}, 2}, {2.0, {1, 2, 3}, 2},
      {2.4, {1, 2, 3}, 3}, {3.6, {1, 2, 3}, 3}, {1.8, {1, 3}, 3},       {2.4, {1, 2}, 2},    {3.6, {1}, 1},
      {0.5, {1, 2}, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(drawing::ChoosePictureFactor(c.scale, c.available), c.factor) << c.scale;
  EXPECT_EQ(drawing::PictureVariantPath("themes/base/bg.png", 2), "themes/base/bg@2x.png");
  EXPECT_EQ(drawing::PictureVariantPath("a.b/font", 3), "a.b/font@3x");
  EXPECT_EQ(drawing::PictureVariantPath("gfx/cursor.png", 1), "gfx/cursor.png");
}

TEST(PictureVariants, AVariantOfTheWrongSizeGivesWayToThe1xFileWithOneLogLine) {
  ScratchFolder folder;
  WritePng(folder.Path("ok.png"), 10, 6, 0xFF102030);
  WritePng(folder.Path("ok@2x.png"), 20, 12, 0xFF405060);
  WritePng(folder.Path("bad.png"), 10, 6, 0xFF102030);
  WritePng(folder.Path("bad@2x.png"), 19, 12, 0xFF405060);
  WritePng(folder.Path("only1x.png"), 10, 6, 0xFF102030);

  ScaledGraphics graphics(2);
  ASSERT_TRUE(graphics.ok());
  ASSERT_DOUBLE_EQ(drawing::PictureScale(), 2.0);
  MessageCapture log;
  struct Case {
    const char* file;
    int density, pixels_w;
    size_t log_lines;
  } cases[] = {{"ok.png", 2, 20, 0}, {"bad.png", 1, 10, 1}, {"only1x.png", 1, 10, 0}};
  for (const Case& c : cases) {
    const size_t before = log.log.size();
    drawing::ImagePtr image = drawing::LoadImage(folder.Path(c.file), 0);
    ASSERT_TRUE(image) << c.file;
    EXPECT_EQ(image->width, 10) << c.file;  // the 1x size, whatever was loaded
    EXPECT_EQ(image->height, 6) << c.file;
    EXPECT_EQ(image->density, c.density) << c.file;
    EXPECT_EQ(image->frames[0].pixmap->width(), c.pixels_w) << c.file;
    EXPECT_EQ(log.log.size() - before, c.log_lines) << c.file;
  }
  // Cells stay in game units.
  drawing::ImagePtr strip = drawing::LoadAnimImage(folder.Path("ok.png"), 5, 6, 0, 2, 0);
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->width, 5);
  EXPECT_EQ(strip->frames[1].pixmap->width(), 10);
}

TEST(PictureVariants, ADensePictureCoversItsGameSizeWithItsOwnPixels) {
  ScratchFolder folder;
  // A 2 x 1 picture whose 2x variant is four columns of different colours.
  WritePng(folder.Path("p.png"), 2, 1, 0xFF000000 | 0x808080);
  auto dense = drawing::Pixmap::Create(4, 2);
  const uint32_t colours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) dense->WritePixel(x, y, colours[x]);
  ASSERT_TRUE(drawing::SavePixmapPNG(*dense, folder.Path("p@2x.png"), 1));

  ScaledGraphics graphics(2);
  ASSERT_TRUE(graphics.ok());
  drawing::SetClsColor(0, 0, 0);
  drawing::Cls();
  drawing::SetBlend(drawing::ALPHABLEND);
  drawing::DrawImage(drawing::LoadImage(folder.Path("p.png"), 0), 10, 20);
  drawing::Flip();
  // The window is 1600 x 1200: the picture lands at (20, 40), pixel for pixel.
  drawing::PixmapPtr shot = drawing::GrabPixmap(18, 40, 8, 2);
  ASSERT_TRUE(shot);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(shot->ReadPixel(2 + x, 0) & 0xFFFFFF, colours[x] & 0xFFFFFF) << x;
    EXPECT_EQ(shot->ReadPixel(2 + x, 1) & 0xFFFFFF, colours[x] & 0xFFFFFF) << x;
  }
  EXPECT_EQ(shot->ReadPixel(1, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(shot->ReadPixel(6, 0) & 0xFFFFFF, 0u);
}

TEST(PictureVariants, TextMeasuresTheSameAtEveryScaleWhileItsLettersGetDenser) {
  const std::filesystem::path previous = std::filesystem::current_path();
  ASSERT_EQ(drawing::FileType((GameFolder() / "themes/base/imagefont@3x.png").string()), drawing::FILETYPE_FILE)
      << "no baked game folder at " << GameFolder();
  std::filesystem::current_path(GameFolder());
  RegisterPrismFontLoader();
  const std::string texts[] = {"Gridlet", "Neues Spiel", "Highscore: 12345", "Mix It: 1 min.", "W\xE4hle \xDC" "bung"};
  struct Font {
    const char* name;
    std::function<drawing::ImageFontPtr()> load;
  } fonts[] = {
      {"Vera 10", [] { return drawing::LoadImageFont("gfx/Vera.ttf", 10, drawing::SMOOTHFONT); }},
      {"Vera bold 14",
       [] { return drawing::LoadImageFont("gfx/VeraBd.ttf", 14, drawing::SMOOTHFONT | drawing::BOLDFONT); }},
      {"small image font", [] { return LoadVantoImageFont("themes/base/smallimagefont.png", 4, 0); }},
      {"image font", [] { return LoadVantoImageFont("themes/winter/imagefont.png", 4, 0); }},
  };
  for (const Font& font : fonts) {
    std::vector<int> widths1x;
    std::vector<size_t> fits1x;
    for (int scale = 1; scale <= 3; ++scale) {
      ScaledGraphics graphics(scale);
      ASSERT_TRUE(graphics.ok());
      drawing::ImageFontPtr loaded = font.load();
      ASSERT_TRUE(loaded) << font.name;
      EXPECT_EQ(loaded->Density(), scale) << font.name;
      drawing::SetImageFont(loaded);
      // A letter's picture holds `scale` times the pixels of its 1x size.
      const drawing::ImageFont::CachedGlyph* g = loaded->GlyphFor('W');
      ASSERT_TRUE(g && g->image) << font.name;
      EXPECT_EQ(g->image->density, scale) << font.name;
      for (size_t i = 0; i < std::size(texts); ++i) {
        const int width = drawing::TextWidth(texts[i]);
        // Line breaking asks how much fits: the same answer at every scale.
        const size_t fit = drawing::TextFitLength(texts[i], 40);
        if (scale == 1) {
          widths1x.push_back(width);
          fits1x.push_back(fit);
          EXPECT_GT(width, 0);
        } else {
          EXPECT_EQ(width, widths1x[i]) << font.name << " at " << scale << "x: " << texts[i];
          EXPECT_EQ(fit, fits1x[i]) << font.name << " at " << scale << "x: " << texts[i];
        }
      }
      drawing::SetImageFont(nullptr);
    }
  }
  std::filesystem::current_path(previous);
}
