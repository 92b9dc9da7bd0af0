// The application icon at each desktop size: square, drawn to its own size
// with transparent rounded corners, the brass centre stone in the middle.
#include <gtest/gtest.h>

#include "app_icon.h"
#include "palette.h"

namespace baker {
namespace {

TEST(AppIcon, EverySizeIsAFramedBoardWithTheBrassCentre) {
  const Palette p = BasePalette();
  for (int size : kAppIconSizes) {
    SCOPED_TRACE(size);
    const Canvas icon = AppIcon(p, size);
    ASSERT_EQ(icon.width(), size);
    ASSERT_EQ(icon.height(), size);
    // Rounded corners stay see-through; the frame itself is solid.
    EXPECT_LT(icon.Get(0, 0).a, 0.05f);
    EXPECT_LT(icon.Get(size - 1, 0).a, 0.05f);
    EXPECT_GT(icon.Get(size / 2, size * 17 / 256).a, 0.95f) << "the frame's top edge";
    // The centre stone is brass (warm: red well above blue), the corner
    // stones cream.
    const Rgba centre = icon.Get(size / 2 - size / 12, size / 2);
    EXPECT_GT(centre.r - centre.b, 0.25f);
    const Rgba corner = icon.Get(size * 50 / 256, size * 50 / 256);
    EXPECT_GT(corner.r, 0.8f);
    EXPECT_LT(corner.r - corner.b, 0.15f);
  }
}

}  // namespace
}  // namespace baker
