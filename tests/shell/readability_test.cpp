// What a player must be able to see on the real screens: boxes that hide
// what is behind them, buttons whose states differ visibly, texts that
// stay clear of the drop-down arrow in every language.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "game_fixture.h"
#include "presentation/contrast.h"

namespace {

drawing::PixmapPtr Grab(int x, int y, int w, int h) { return drawing::GrabPixmap(x, y, w, h); }

int LargestDifference(const drawing::Pixmap& a, const drawing::Pixmap& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const uint32_t p = a.ReadPixel(x, y), q = b.ReadPixel(x, y);
      largest = std::max({largest, std::abs(drawing::ARGB_R(p) - drawing::ARGB_R(q)),
                          std::abs(drawing::ARGB_G(p) - drawing::ARGB_G(q)),
                          std::abs(drawing::ARGB_B(p) - drawing::ARGB_B(q))});
    }
  return largest;
}

// Perceived lightness (CIE L*, 0 to 100) of a relative luminance.
double Lightness(double luminance) {
  return luminance > 216.0 / 24389.0 ? 116.0 * std::cbrt(luminance) - 16.0 : luminance * 24389.0 / 27.0;
}

// The right-most column (window x) where two grabs of the same area differ, or -1.
int RightmostChange(const drawing::Pixmap& a, const drawing::Pixmap& b, int left) {
  for (int x = a.width() - 1; x >= 0; --x)
    for (int y = 0; y < a.height(); ++y)
      if ((a.ReadPixel(x, y) & 0xFFFFFFu) != (b.ReadPixel(x, y) & 0xFFFFFFu)) return left + x;
  return -1;
}

void DrawOnly(TGUIobject& widget, int r, int g, int b) {
  drawing::SetClsColor(r, g, b);
  drawing::Cls();
  drawing::SetImageFont(widget.UseFont);
  widget.Draw();
}

}  // namespace

TEST_F(GameTest, TheReplayBoxAndOpenListsHideWhatIsBehindThem) {
  // The replay box over the start menu and over the bare start screen: the
  // strip between the code and the buttons has the start menu's first
  // button behind it.
  GameState = GAME_REPEATGAMEMENU;
  LastGameState = GAME_STARTMENU;
  Game->Draw(1);
  const auto overMenu = Grab(200, 312, 380, 24);
  LastGameState = GAME_OPTIONMENU;
  Game->Draw(1);
  const auto overScreen = Grab(200, 312, 380, 24);
  EXPECT_LE(LargestDifference(*overMenu, *overScreen), 1);

  // An open list over black and over white.
  TGUIDropDown& list = *Widgets.lists.language;
  ActiveUid = list.uid;
  DrawOnly(list, 0, 0, 0);
  const auto overBlack = Grab(list.x + 10, list.y + 30, list.width - 20, 20);
  DrawOnly(list, 255, 255, 255);
  const auto overWhite = Grab(list.x + 10, list.y + 30, list.width - 20, 20);
  ActiveUid = 0;
  drawing::SetClsColor(0, 0, 0);
  EXPECT_LE(LargestDifference(*overBlack, *overWhite), 1);
}

// A start-menu button at rest, under the pointer and held down: each pair
// at least 10 apart in perceived lightness (of 100).
TEST_F(GameTest, MenuButtonsLookClearlyDifferentHoveredAndPressed) {
  const TGUIButton& button = *Widgets.settings;
  const auto lightness = [&] {
    Game->Draw(1);
    const auto area = Grab(button.x, button.y, button.width, button.height);
    return Lightness(MeanLuminance(*area, 0, 0, area->width(), area->height()));
  };
  PointAt(20, 20);
  Step();
  const double rest = lightness();
  PointAt(button.x + button.width / 2, button.y + button.height / 2);
  Step();
  const double hovered = lightness();
  drawing::Input().PressButton(1);
  Step(2);
  const double pressed = lightness();
  drawing::Input().ReleaseButton(1);
  PointAt(20, 20);
  Step(2);
  EXPECT_GE(std::fabs(hovered - rest), 10) << rest << " " << hovered << " " << pressed;
  EXPECT_GE(std::fabs(pressed - hovered), 10) << hovered << " " << pressed;
  EXPECT_GE(std::fabs(pressed - rest), 10) << rest << " " << pressed;
}

// Every text a drop-down shows closed, in both languages, ends before the
// divider of its arrow, which the shipped art puts 32 pixels from the right
// end; in the open list every entry stays inside the panel's rim.
TEST_F(GameTest, DropDownTextsStayClearOfTheArrowInBothLanguages) {
  for (const char* language : {"english", "german"}) {
    SCOPED_TRACE(language);
    ASSERT_EQ(Localization::SetLanguage(language), 1);
    FillMixItList(*Widgets.lists.mixIt);
    for (const TGUIobjectPtr& widget : GUIObjectList) {
      auto* list = dynamic_cast<TGUIDropDown*>(widget.get());
      if (!list || list->EntryList.empty()) continue;
      const std::string shown = list->value;
      const int grayed = list->grayedout;
      list->grayedout = 0;
      std::vector<std::string> texts = {shown};
      if (!list->backupvalue.empty() && list->backupvalue[0] == '_') texts.push_back(Text(list->backupvalue.substr(1)));
      for (const auto& entry : list->EntryList) texts.push_back(entry->value);
      for (const std::string& text : texts) {
        list->value = text;
        DrawOnly(*list, 0, 0, 0);
        const auto with = Grab(list->x, list->y, list->width, list->height);
        list->value = "";
        DrawOnly(*list, 0, 0, 0);
        const auto without = Grab(list->x, list->y, list->width, list->height);
        EXPECT_LE(RightmostChange(*with, *without, list->x), list->x + list->width - 34) << "\"" << text << "\"";
      }
      list->value = shown;
      list->grayedout = grayed;
      // Open: the entries against a list whose entries say nothing.
      ActiveUid = list->uid;
      const int panelH = 40 + 20 * int(list->EntryList.size());
      DrawOnly(*list, 0, 0, 0);
      const auto with = Grab(list->x, list->y + 30, list->width, panelH);
      std::vector<std::string> saved;
      for (auto& entry : list->EntryList) saved.push_back(std::exchange(entry->value, " "));
      DrawOnly(*list, 0, 0, 0);
      const auto without = Grab(list->x, list->y + 30, list->width, panelH);
      for (size_t i = 0; i < saved.size(); ++i) list->EntryList[i]->value = saved[i];
      ActiveUid = 0;
      EXPECT_LE(RightmostChange(*with, *without, list->x), list->x + list->width - 14) << list->backupvalue;
    }
  }
  drawing::SetClsColor(0, 0, 0);
  Localization::SetLanguage("english");
  FillMixItList(*Widgets.lists.mixIt);
}

// With "Show mistakes" a wrong stone carries a mark of its own: in a
// greyscale copy it differs clearly from the same stone given only the
// wrong-stone tint, which a colour-blind player may not see.
TEST_F(GameTest, AWrongStoneIsMarkedByShapeNotOnlyByColour) {
  StartLevelOne();
  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  const int right = PlayMaps.SolutionMap[c][r][0];
  PlayMaps.Map[c][r][0] = right % 9 + 1;
  PointAt(700, 585);
  Step();
  const int x = CellX[c][r], y = CellY[c][r];
  ShowWrongTurns = 1;
  Game->Draw(1);
  const auto marked = Grab(x, y, 50, 50);
  ShowWrongTurns = 0;
  Game->Draw(1);
  Game->DrawStones(Game->GetStoneFrame(Game->GetStoneColor(c, r)), x, y, 250, 120, 150, nullptr);
  const auto tinted = Grab(x, y, 50, 50);
  int differing = 0;
  for (int py = 0; py < 50; ++py)
    for (int px = 0; px < 50; ++px) {
      const double a = 255 * RelativeLuminance(marked->ReadPixel(px, py));
      const double b = 255 * RelativeLuminance(tinted->ReadPixel(px, py));
      if (std::fabs(a - b) > 48) ++differing;
    }
  PlayMaps.Map[c][r][0] = 0;
  EXPECT_GE(differing, 100) << "pixels of the stone's 2500 that tell it wrong without colour";
}
