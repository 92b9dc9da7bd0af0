// The registry pass: clicks, focus order, enabling, displacement, caption
// translation, and hit-testing in game coordinates.
#include <set>

#include "widget_fixture.h"
#include "widgets/gui_button.h"
#include "widgets/gui_dropdown.h"

namespace {

TGUIButtonPtr Button(int x, int y, const std::string& caption, const std::string& state) {
  return TGUIButton::Create(x, y, 120, 0, 1, 0, 1, caption, state, nullptr);
}

int LitPixels() {
  auto pix = drawing::GrabPixmap(0, 0, drawing::GraphicsWidth(), drawing::GraphicsHeight());
  int n = 0;
  for (int y = 0; y < pix->height(); ++y)
    for (int x = 0; x < pix->width(); ++x) n += (pix->ReadPixel(x, y) & 0xFFFFFFu) != 0;
  return n;
}

}  // namespace

using Registry = WidgetTest;

TEST_F(Registry, APressHeldAndReleasedOverAButtonIsOneClick) {
  auto b = Button(100, 100, "OK", "StartMenu");
  ASSERT_EQ(b->height, 2 * GUI_BUTTON_CELL_H);
  ClickAt(150, 110, "StartMenu");
  EXPECT_EQ(b->clickedX, 150);
  EXPECT_EQ(b->clickedY, 110);
  EXPECT_EQ(b->GetClicks(), 1);
  EXPECT_EQ(b->GetClicks(), 0) << "reading consumes the click";
  EXPECT_EQ(ActiveUid, b->uid) << "the press took the focus";
}

TEST_F(Registry, PressesThatDoNotEndOverTheButtonAreNoClicks) {
  auto b = Button(100, 100, "OK", "StartMenu");

  // Pressed over it, moved off while held, released elsewhere.
  PressAndHold(150, 110, "StartMenu");
  EXPECT_EQ(b->MouseIsDown, 1);
  MoveTo(400, 400);
  Step();
  TGUIobject::UpdateAll("StartMenu", 0);
  EXPECT_EQ(b->MouseIsDown, 0) << "moving off resets the press";
  Release();
  Step();
  TGUIobject::UpdateAll("StartMenu", 0);
  EXPECT_EQ(b->GetClicks(), 0);

  // A tap that starts over it and ends elsewhere before the next update.
  Step();
  MoveTo(150, 110);
  Press();
  Release();
  Step();
  TGUIobject::UpdateAll("StartMenu", 0);
  MoveTo(400, 400);
  Step();
  TGUIobject::UpdateAll("StartMenu", 0);
  EXPECT_EQ(b->GetClicks(), 0);

  // The rectangle's edges are outside.
  ClickAt(100, 110, "StartMenu");
  EXPECT_EQ(b->GetClicks(), 0);
  ClickAt(150, 136, "StartMenu");
  EXPECT_EQ(b->GetClicks(), 0);
}

TEST_F(Registry, TapsShorterThanAnUpdateAreWholeClicks) {
  auto b = Button(100, 100, "OK", "StartMenu");
  auto other = Button(100, 200, "Other", "StartMenu");
  // Pressed and released between two updates, then pressed and released
  // within one update: both complete in the update that sees the release.
  for (bool within_one_update : {false, true}) {
    MoveTo(150, 110);
    Press();
    if (!within_one_update) Release();
    Step();
    TGUIobject::UpdateAll("StartMenu", 0);
    EXPECT_EQ(b->Clicked, 0) << "not before the release is seen";
    Release();
    Step();
    TGUIobject::UpdateAll("StartMenu", 0);
    EXPECT_EQ(b->GetClicks(), 1);
    EXPECT_EQ(ActiveUid, b->uid) << "a tap takes the focus as a held press does";
    EXPECT_EQ(other->GetClicks(), 0);
    Step();
    TGUIobject::UpdateAll("StartMenu", 0);
    EXPECT_EQ(b->GetClicks(), 0) << "one tap, one click";
  }
  // A tap through the empty state still completes nothing.
  MoveTo(150, 210);
  Press();
  Release();
  for (int i = 0; i < 3; ++i) {
    Step();
    TGUIobject::UpdateAll("", 0);
  }
  EXPECT_EQ(other->Clicked, 0);
}

TEST_F(Registry, TapsOpenAndChooseFromAListWithoutClickingBeneath) {
  auto list = TGUIDropDown::Create(300, 100, 160, 0, 1, 0, "List", 1, "S");
  list->AddEntry("one", 1);
  list->AddEntry("two", 2);
  int changed_to = -1;
  list->OnChange_ = [&](int id) {
    changed_to = id;
    return 0;
  };
  auto beneath = Button(300, 140, "Beneath", "S");
  auto tap = [&](int x, int y) {
    MoveTo(x, y);
    Press();
    Release();
    for (int i = 0; i < 3; ++i) {
      Step();
      TGUIobject::UpdateAll("S", 0);
    }
  };
  tap(380, 110);
  ASSERT_EQ(ActiveUid, list->uid) << "a tap on the box opens the list";
  drawing::SetImageFont(list->UseFont);
  const int row = drawing::TextHeight("two");
  tap(380, 100 + 35 + row + row / 2);  // the second entry, over the button
  EXPECT_EQ(changed_to, 2);
  EXPECT_EQ(list->ListPosClicked, 1);
  EXPECT_EQ(ActiveUid, 0) << "the list closed";
  EXPECT_EQ(beneath->GetClicks(), 0) << "the list took the tap";
  EXPECT_EQ(beneath->MouseIsDown, 0) << "and the button beneath does not look pressed";
}

TEST_F(Registry, OnlyWidgetsOfTheStateAndClickableOnesTakePart) {
  auto menu = Button(100, 100, "A", "StartMenu");
  auto other = Button(100, 100, "B", "GameMenu");
  auto inert = Button(300, 100, "C", "StartMenu");
  inert->clickable = 0;
  auto backdrop = Button(500, 100, "D", "StartMenu");
  backdrop->typ = "background";
  ClickAt(150, 110, "StartMenu");
  EXPECT_EQ(menu->GetClicks(), 1);
  EXPECT_EQ(other->GetClicks(), 0);
  ClickAt(350, 110, "StartMenu");
  EXPECT_EQ(inert->GetClicks(), 0);
  EXPECT_EQ(inert->mouseover, 0);
  ClickAt(550, 110, "StartMenu");
  EXPECT_EQ(backdrop->GetClicks(), 0);
  EXPECT_EQ(backdrop->mouseover, 0);

  // A click not read before the pointer leaves is gone.
  ClickAt(150, 110, "StartMenu");
  MoveTo(400, 400);
  TGUIobject::UpdateAll("StartMenu", 0);
  EXPECT_EQ(menu->GetClicks(), 0);
}

TEST_F(Registry, TheEmptyStateUpdatesEveryoneButNeverCompletesAClick) {
  auto b = Button(100, 100, "_OK", "StartMenu");
  PressAndHold(150, 110, "");
  EXPECT_EQ(ActiveUid, b->uid) << "a press still takes the focus";
  Release();
  Step();
  TGUIobject::UpdateAll("", 0);
  EXPECT_EQ(b->Clicked, 0);
  EXPECT_EQ(b->backupvalue, "_OK") << "its caption was captured by the pass";
}

TEST_F(Registry, TheFocusedWidgetMovesBehindAllOthers) {
  auto a = Button(100, 100, "A", "S");
  auto b = Button(100, 200, "B", "S");
  auto c = Button(100, 300, "C", "S");
  ASSERT_EQ(GUIObjectList, (std::vector<TGUIobjectPtr>{a, b, c}));
  EXPECT_EQ(a->Compare(*b), 1);
  ClickAt(150, 110, "S");
  EXPECT_EQ(a->Compare(*a), -1);
  EXPECT_EQ(GUIObjectList, (std::vector<TGUIobjectPtr>{b, c, a}));
  ClickAt(150, 310, "S");
  EXPECT_EQ(GUIObjectList, (std::vector<TGUIobjectPtr>{b, a, c}));
  c->Remove();
  EXPECT_EQ(GUIObjectList, (std::vector<TGUIobjectPtr>{b, a}));
}

TEST_F(Registry, DisabledWidgetsAreSkippedButStillDisplaced) {
  auto b = Button(100, 100, "OK", "OptionMenu");
  auto elsewhere = Button(100, 100, "OK", "StartMenu");
  b->disable();
  ClickAt(150, 110, "OptionMenu");
  EXPECT_EQ(b->GetClicks(), 0);
  EXPECT_EQ(b->backupvalue, "x") << "not even its caption was touched";
  TGUIobject::DrawAll("OptionMenu", 0);
  EXPECT_EQ(LitPixels(), 0);

  TGUIobject::DisplaceAll("OptionMenu", 5, -100);
  EXPECT_EQ(b->x, 105);
  EXPECT_EQ(b->y, 0);
  EXPECT_EQ(elsewhere->y, 100);

  b->enable();
  TGUIobject::DrawAll("OptionMenu", 0);
  EXPECT_GT(LitPixels(), 0);
}

TEST_F(Registry, DrawAllMatchesTheStateExactlyAndRestoresFontAndViewport) {
  auto b = Button(100, 100, "OK", "StartMenu");
  auto list = TGUIDropDown::Create(300, 100, 160, 0, 1, 0, "List", 1, "StartMenu");
  list->AddEntry("one", 1);
  ActiveUid = list->uid;  // open: it draws with the viewport opened to the whole screen
  TGUIobject::DrawAll("", 0);
  EXPECT_EQ(LitPixels(), 0) << "no widget lives in the empty state";

  drawing::SetImageFont(drawing::DefaultImageFont());  // the widgets draw with none set
  drawing::SetViewport(10, 20, 30, 40);
  const auto before = drawing::GetImageFont();
  TGUIobject::DrawAll("StartMenu", 0);
  int vx, vy, vw, vh;
  drawing::GetViewport(vx, vy, vw, vh);
  EXPECT_EQ(std::vector<int>({vx, vy, vw, vh}), std::vector<int>({10, 20, 30, 40}));
  EXPECT_EQ(drawing::GetImageFont(), before);
  EXPECT_NE(before, nullptr);
}

TEST_F(Registry, CaptionsAreCapturedOnceAndTranslatedByKey) {
  LangFolder files;
  files.Load("english", "[x]\nAPPLY=Apply\nCANCEL=Cancel\n");
  files.Load("german", "[x]\nAPPLY=Anwenden\nCANCEL=Abbrechen\n");
  Localization::SetLanguage("english");

  auto apply = Button(100, 100, "_APPLY", "OptionMenu");
  auto cancel = Button(300, 100, "_CANCEL", "OptionMenu");
  auto plain = Button(500, 100, "Zahlen", "OptionMenu");
  auto blank = Button(100, 300, "", "OptionMenu");
  EXPECT_EQ(apply->value, "_APPLY");

  TGUIobject::UpdateAll("OptionMenu", 0);
  EXPECT_EQ(apply->value, "Apply");
  EXPECT_EQ(apply->backupvalue, "_APPLY");
  EXPECT_EQ(plain->value, "Zahlen");
  EXPECT_EQ(blank->value, "  ");

  Localization::SetLanguage("german");
  TGUIobject::DrawAll("OptionMenu", 0);
  EXPECT_EQ(apply->value, "Apply") << "shown captions change only when asked to";
  TGUIobject::UpdateAll("", 1);
  EXPECT_EQ(apply->value, "Anwenden");
  EXPECT_EQ(cancel->value, "Abbrechen");
  EXPECT_EQ(plain->value, "Zahlen");

  // A caption set later that is a key is translated by the next pass.
  auto later = Button(100, 400, "_CANCEL", "InfoBox");
  TGUIobject::DrawAll("InfoBox", 0);
  EXPECT_EQ(later->value, "Abbrechen");
}

TEST_F(Registry, UidsStayDistinct) {
  std::set<int> uids;
  for (int i = 0; i < 400; ++i) {
    auto b = Button(0, 0, "x", "S");
    EXPECT_GE(b->uid, 1);
    EXPECT_LE(b->uid, 10000);
    uids.insert(b->uid);
  }
  EXPECT_EQ(uids.size(), 400u);
}

TEST_F(Registry, WidgetsAreHitInGameCoordinatesWhateverTheWindowSize) {
  ASSERT_TRUE(drawing::Graphics(1600, 1200, 0));
  GameGraphics.Set(800, 600, 150, 0);
  auto b = Button(100, 100, "OK", "StartMenu");
  ClickAt(300, 240, "StartMenu");  // game (150, 120)
  EXPECT_EQ(b->clickedX, 150);
  EXPECT_EQ(b->clickedY, 120);
  EXPECT_EQ(b->GetClicks(), 1);
  ClickAt(150, 110, "StartMenu");  // game (75, 55): outside
  EXPECT_EQ(b->GetClicks(), 0);
}
