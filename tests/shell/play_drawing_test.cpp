// Measured in the drawn frame: framed boxes reach exactly their outer
// rectangle in every theme, and short-lived texts show over the side panel.
#include <cstdlib>

#include <string>
#include <vector>

#include "drawing/text_runs.h"
#include "game_fixture.h"
#include "presentation/text_effect.h"
#include "shell/screen_drawing.h"

namespace {

struct Rect {
  int x, y, width, height;
};

// A colour no theme paints, so every pixel the box touches stands out.
constexpr int kGroundR = 40, kGroundG = 200, kGroundB = 40;

bool Touched(uint32_t pixel) {
  return std::abs(drawing::ARGB_R(pixel) - kGroundR) + std::abs(drawing::ARGB_G(pixel) - kGroundG) +
             std::abs(drawing::ARGB_B(pixel) - kGroundB) >
         24;
}

// The first and last touched pixel along the box's middle row and column.
Rect DrawnExtent(const Rect& box) {
  drawing::SetClsColor(kGroundR, kGroundG, kGroundB);
  drawing::Cls();
  drawing::SetClsColor(0, 0, 0);
  DrawFrameBox(float(box.x), float(box.y), float(box.width), float(box.height));
  const drawing::PixmapPtr shot = drawing::GrabPixmap(0, 0, 800, 600);
  const int midY = box.y + box.height / 2, midX = box.x + box.width / 2;
  int left = 800, right = -1, top = 600, bottom = -1;
  for (int x = 0; x < 800; ++x)
    if (Touched(shot->ReadPixel(x, midY))) left = std::min(left, x), right = std::max(right, x);
  for (int y = 0; y < 600; ++y)
    if (Touched(shot->ReadPixel(midX, y))) top = std::min(top, y), bottom = std::max(bottom, y);
  return {left, top, right - left + 1, bottom - top + 1};
}

TGameSkinPtr ThemeAt(const std::string& path) {
  for (const TGameSkinPtr& skin : TGameSkin::ThemeList())
    if (skin->skinpath == path) return skin;
  return nullptr;
}

}  // namespace

TEST_F(GameTest, FramedBoxesFillExactlyTheirRectangleInEveryTheme) {
  std::vector<Rect> boxes = {{200, 200, 400, 320},   // info box
                             {200, 200, 400, 200},   // creating a game
                             {180, 180, 420, 220},   // repeat game
                             {300, 150, 200, 240}};  // number picker
  for (int i = 1; i <= 4; ++i) boxes.push_back({150 + 30 * i, 50 + 20 * i, 500 - 60 * i, 500 - 40 * i});  // result panel
  for (const char* theme : {"themes/base", "themes/winter"}) {
    const TGameSkinPtr skin = ThemeAt(theme);
    ASSERT_TRUE(skin) << theme;
    TGameSkin::ChangeToSkin(skin->SkinID);
    for (const Rect& box : boxes) {
      const Rect drawn = DrawnExtent(box);
      EXPECT_EQ(drawn.x, box.x) << theme << " box at " << box.x << "," << box.y;
      EXPECT_EQ(drawn.y, box.y) << theme << " box at " << box.x << "," << box.y;
      EXPECT_EQ(drawn.x + drawn.width, box.x + box.width) << theme << " box at " << box.x << "," << box.y;
      EXPECT_EQ(drawn.y + drawn.height, box.y + box.height) << theme << " box at " << box.x << "," << box.y;
    }
  }
  TGameSkin::ChangeToSkin(ThemeAt("themes/base")->SkinID);
  CurrentSkin = Skin();
}

TEST_F(GameTest, MixItMessagesShowOverTheSidePanel) {
  StartLevelOne();
  const TGUIButton& hint = *Widgets.inGame[kHint];
  const auto shot = [] { return drawing::GrabPixmap(0, 0, 800, 600); };
  // Pixels of the button's rectangle that differ between two shots.
  const auto differing = [&hint](const drawing::PixmapPtr& a, const drawing::PixmapPtr& b) {
    int n = 0;
    for (int y = hint.y; y < hint.y + hint.height; ++y)
      for (int x = hint.x; x < hint.x + hint.width; ++x) n += a->ReadPixel(x, y) != b->ReadPixel(x, y);
    return n;
  };
  Game->Draw(1);
  const drawing::PixmapPtr without = shot();
  const auto text = TTextEffect::CreateText("Mix It!", ImageFont, float(hint.x), float(hint.y - 10), 0, 0, 0, 1000,
                                            1.0f, 1.0f, 255, 255, 255, 1.0f, 1.0f);
  Game->Draw(1);
  const drawing::PixmapPtr with = shot();
  drawing::Cls();
  const drawing::PixmapPtr black = shot();
  text->Draw();
  ResetDrawing();
  const drawing::PixmapPtr alone = shot();
  TTextEffect::All().Remove(text.get());
  const int glyphs = differing(black, alone);
  ASSERT_GT(glyphs, 100) << "the message draws over the button";
  EXPECT_GE(differing(without, with), glyphs * 7 / 10) << "the side panel hides the message";
}

// An autosave the disk refused is on the play screen, whole and in the
// frame's clear, until a save of the game succeeds again.
TEST_F(GameTest, AFailedAutosaveIsShownUntilASaveSucceeds) {
  StartLevelOne();
  const auto shownLines = [] {
    drawing::RecordTextRuns(true);
    Game->Draw(1);
    drawing::Flip(0);
    std::vector<drawing::TextRun> lines;
    for (const drawing::TextRun& run : drawing::LastFrameTextRuns())
      if (Text("SAVE_FAILED").find(run.text) != std::string::npos && run.text.size() > 8) lines.push_back(run);
    drawing::RecordTextRuns(false);
    return lines;
  };
  const auto move = [] {
    int c = 0, r = 0;
    ASSERT_TRUE(FindCell(0, c, r));
    ClickCell(c, r);
    Game->Saves.Flush();
  };
  EXPECT_TRUE(shownLines().empty());

  drawing::DurableFileOps full = drawing::DurableFileOps::System();
  full.write = [](int, const char*, unsigned long) { return -1L; };
  Game->Saves.UseFileOps(full);
  move();
  const std::vector<drawing::TextRun> lines = shownLines();

  std::string words;
  for (const drawing::TextRun& line : lines) {
    words += (words.empty() ? "" : " ") + line.text;
    EXPECT_GE(line.x0, 0);
    EXPECT_LE(line.x1, 200) << line.text << ": within the side panel";
    EXPECT_GE(line.y0, 530);
    EXPECT_LE(line.y1, 568) << line.text << ": above the level code";
  }
  EXPECT_EQ(words, Text("SAVE_FAILED"));
  move();
  EXPECT_FALSE(shownLines().empty()) << "still failing";

  Game->Saves.UseFileOps(drawing::DurableFileOps::System());
  move();
  EXPECT_TRUE(shownLines().empty());
}
