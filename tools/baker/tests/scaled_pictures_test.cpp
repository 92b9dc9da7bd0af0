// Every picture and bitmap font in the game folder also exists at 2x and
// 3x, drawn for dense screens, in exactly the sizes the game checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bake.h"
#include "vanto.h"

namespace baker {
namespace {

namespace fs = std::filesystem;
const fs::path kGame = GRIDLET_GAME_DIR;

bool Is1x(const fs::path& p, const std::string& extension) {
  return p.extension() == extension && p.filename().string().find('@') == std::string::npos;
}

std::vector<uint8_t> Bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ScaledPictures, Every1xPictureHas2xAnd3xSiblingsOfExactlyThatSize) {
  int pictures = 0;
  for (const char* top : {"gfx", "themes"}) {
    for (const auto& entry : fs::recursive_directory_iterator(kGame / top)) {
      if (!Is1x(entry.path(), ".png")) continue;
      ++pictures;
      drawing::PixmapPtr one = drawing::LoadPixmap(entry.path().string());
      ASSERT_TRUE(one) << entry.path();
      for (int scale : {2, 3}) {
        const fs::path sibling = kGame / ScaledPath(fs::relative(entry.path(), kGame).string(), scale);
        drawing::PixmapPtr dense = drawing::LoadPixmap(sibling.string());
        ASSERT_TRUE(dense) << sibling;
        EXPECT_EQ(dense->width(), one->width() * scale) << sibling;
        EXPECT_EQ(dense->height(), one->height() * scale) << sibling;
      }
    }
  }
  EXPECT_GE(pictures, 40);  // the shell's four and both themes
}

TEST(ScaledPictures, DenseFontsKeepTheLayoutOfThe1xFontInTheirOwnPixels) {
  int fonts = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kGame / "themes")) {
    if (!Is1x(entry.path(), ".vnt")) continue;
    ++fonts;
    VantoFont one;
    ASSERT_TRUE(VantoFont::ParseDataFile(Bytes(entry.path()), &one)) << entry.path();
    for (int scale : {2, 3}) {
      const fs::path sibling = kGame / ScaledPath(fs::relative(entry.path(), kGame).string(), scale);
      VantoFont dense;
      ASSERT_TRUE(VantoFont::ParseDataFile(Bytes(sibling), &dense)) << sibling;
      EXPECT_EQ(dense.cellSize, one.cellSize * scale) << sibling;
      EXPECT_EQ(dense.fontHeight, one.fontHeight * scale) << sibling;
      ASSERT_EQ(dense.records.size(), one.records.size()) << sibling;
      for (size_t i = 0; i < one.records.size(); ++i) {
        EXPECT_EQ(dense.records[i].code, one.records[i].code);
        EXPECT_EQ(dense.records[i].width, one.records[i].width * scale);
        EXPECT_EQ(dense.records[i].xOffset, one.records[i].xOffset * float(scale));
        EXPECT_EQ(dense.records[i].yOffset, one.records[i].yOffset * float(scale));
      }
    }
  }
  EXPECT_EQ(fonts, 4);
}

}  // namespace
}  // namespace baker
