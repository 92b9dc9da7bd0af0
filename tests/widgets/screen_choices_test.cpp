// The display choices offered on desktops of every common size: windows
// that fit (800 x 600 always), the display's full-screen modes, and the
// desktop's own size full screen even when the display lists no such mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/screen_choices.h"

namespace {

struct Mode {
  int width, height, depth, hertz;
};

std::vector<TGraphicsResolutionsPtr> Modes(const std::vector<Mode>& modes) {
  TGraphicsResolutions::Clear();
  for (const Mode& m : modes) TGraphicsResolutions::Create(m.width, m.height, m.depth, m.hertz, 0);
  std::vector<TGraphicsResolutionsPtr> list = TGraphicsResolutions::List();
  TGraphicsResolutions::Clear();
  return list;
}

TGraphicsResolutions Desktop(int width, int height, int depth = 32, int hertz = 60) {
  TGraphicsResolutions desktop;
  desktop.scrWidth = width;
  desktop.scrHeight = height;
  desktop.scrDepth = depth;
  desktop.scrHertz = hertz;
  return desktop;
}

std::string Sizes(const std::vector<TScreenChoice>& choices, bool fullScreen) {
  std::string text;
  for (const TScreenChoice& c : choices) {
    if (fullScreen ? c.depths.empty() : !c.windowed) continue;
    text += (text.empty() ? "" : " ") + std::to_string(c.width) + "x" + std::to_string(c.height);
  }
  return text;
}

struct DesktopCase {
  const char* name;
  TGraphicsResolutions desktop;
  std::vector<Mode> modes;
  const char* windowed;
  const char* fullScreen;
};

TEST(ScreenChoices, EveryDesktopOffersTheWindowsThatFitAndItsOwnSizeFullScreen) {
  const DesktopCase cases[] = {
      // A display that lists only the desktop's mode (as X servers without
      // mode switching do).
      {"1920x1080, one mode", Desktop(1920, 1080), {{1920, 1080, 32, 60}},
       "800x600 1024x768 1152x864 1280x720 1280x800 1280x960 1280x1024 1366x768 1400x1050 1440x900 1600x900 "
       "1680x1050 1920x1080",
       "1920x1080"},
      {"1920x1080, no mode listed", Desktop(1920, 1080), {},
       "800x600 1024x768 1152x864 1280x720 1280x800 1280x960 1280x1024 1366x768 1400x1050 1440x900 1600x900 "
       "1680x1050 1920x1080",
       "1920x1080"},
      {"1024x768", Desktop(1024, 768), {{1024, 768, 32, 60}, {640, 480, 32, 60}}, "800x600 1024x768", "1024x768"},
      {"800x600", Desktop(800, 600, 16), {{800, 600, 16, 60}}, "800x600", "800x600"},
      {"3840x2160 with modes", Desktop(3840, 2160),
       {{3840, 2160, 32, 60}, {2560, 1440, 32, 144}, {1024, 768, 32, 60}, {800, 600, 32, 60}, {720, 400, 32, 70}},
       "800x600 1024x768 1152x864 1280x720 1280x800 1280x960 1280x1024 1366x768 1400x1050 1440x900 1600x900 "
       "1600x1200 1680x1050 1920x1080 1920x1200 2560x1440 2560x1600 3840x2160",
       "800x600 1024x768 2560x1440 3840x2160"},
      // A desktop smaller than the game area still has its window.
      {"640x480", Desktop(640, 480), {{640, 480, 32, 60}}, "800x600", ""},
  };
  for (const DesktopCase& c : cases) {
    const std::vector<TScreenChoice> choices = ScreenChoices(Modes(c.modes), c.desktop);
    EXPECT_EQ(Sizes(choices, false), c.windowed) << c.name;
    EXPECT_EQ(Sizes(choices, true), c.fullScreen) << c.name;
  }
}

TEST(ScreenChoices, TheDesktopsOwnSizeIsMarkedAndKeepsTheDisplaysDepthsAndRates) {
  const auto choices =
      ScreenChoices(Modes({{1920, 1080, 32, 60}, {1920, 1080, 16, 50}, {1280, 1024, 32, 75}}), Desktop(1920, 1080));
  const TScreenChoice* desktop = FindScreenChoice(choices, 1920, 1080);
  ASSERT_TRUE(desktop);
  EXPECT_TRUE(desktop->desktop);
  EXPECT_TRUE(desktop->windowed);
  EXPECT_EQ(desktop->depths, (std::vector<int>{32, 16}));
  EXPECT_EQ(desktop->hertz, (std::vector<int>{60, 50}));
  const TScreenChoice* mode = FindScreenChoice(choices, 1280, 1024);
  ASSERT_TRUE(mode);
  EXPECT_FALSE(mode->desktop);
  EXPECT_EQ(mode->hertz, (std::vector<int>{75}));
  EXPECT_FALSE(FindScreenChoice(choices, 1600, 1200)) << "does not fit: not offered";

  // Nothing listed at the desktop's size: its own depth and rate.
  const auto bare = ScreenChoices({}, Desktop(1366, 768, 24, 59));
  const TScreenChoice* own = FindScreenChoice(bare, 1366, 768);
  ASSERT_TRUE(own);
  EXPECT_EQ(own->depths, (std::vector<int>{32}));
  EXPECT_EQ(own->hertz, (std::vector<int>{59}));
}

}  // namespace
