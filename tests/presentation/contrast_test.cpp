// The WCAG 2 luminance and contrast formulas, and the contrast of text
// measured from a frame with and without it.
#include <gtest/gtest.h>

#include "presentation/contrast.h"

namespace {

drawing::PixmapPtr Filled(uint32_t argb) {
  auto picture = drawing::Pixmap::Create(20, 10);
  picture->ClearPixels(argb);
  return picture;
}

}  // namespace

TEST(Contrast, RatiosOfKnownColourPairs) {
  struct Case {
    int fore[3], back[3];
    double ratio;
  };
  // Values as the WCAG 2 documents and common checkers give them.
  const Case cases[] = {
      {{0, 0, 0}, {255, 255, 255}, 21.0},
      {{255, 255, 255}, {255, 255, 255}, 1.0},
      {{118, 118, 118}, {255, 255, 255}, 4.54},
      {{119, 119, 119}, {255, 255, 255}, 4.48},
      {{255, 0, 0}, {255, 255, 255}, 4.0},
      {{0, 0, 255}, {0, 0, 0}, 2.44},
  };
  for (const Case& c : cases) {
    const double ratio = ContrastRatio(RelativeLuminance(c.fore[0], c.fore[1], c.fore[2]),
                                       RelativeLuminance(c.back[0], c.back[1], c.back[2]));
    EXPECT_NEAR(ratio, c.ratio, 0.01) << c.fore[0] << "," << c.fore[1] << "," << c.fore[2];
  }
}

// A white stroke with faint edges on grey counts by its stroke; edges and
// untouched pixels do not lower it, and a box without text gives 0.
TEST(Contrast, TextCountsByItsStrongestPixels) {
  const uint32_t grey = drawing::ARGB(255, 90, 90, 90);
  auto behind = Filled(grey);
  auto shot = Filled(grey);
  for (int y = 2; y < 8; ++y) {
    shot->WritePixel(5, y, drawing::ARGB(255, 255, 255, 255));
    shot->WritePixel(6, y, drawing::ARGB(255, 255, 255, 255));
    shot->WritePixel(4, y, drawing::ARGB(255, 120, 120, 120));  // anti-aliased edge
  }
  const double stroke = ContrastRatio(1.0, RelativeLuminance(grey));
  EXPECT_NEAR(TextContrast(*shot, *behind, 0, 0, 20, 10), stroke, 1e-9);
  EXPECT_EQ(TextContrast(*shot, *behind, 10, 0, 20, 10), 0.0);
  // The same stroke in a grey close to the background is too faint.
  for (int y = 2; y < 8; ++y) shot->WritePixel(5, y, drawing::ARGB(255, 110, 110, 110));
  for (int y = 2; y < 8; ++y) shot->WritePixel(6, y, drawing::ARGB(255, 110, 110, 110));
  EXPECT_LT(TextContrast(*shot, *behind, 0, 0, 20, 10), 2.0);
}
