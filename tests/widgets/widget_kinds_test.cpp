// Button, slider, text input and drop-down behaviour through the registry.
#include <vector>

#include "../drawing/temp_dir.h"

#include "widget_fixture.h"
#include "widgets/gui_button.h"
#include "widgets/gui_dropdown.h"
#include "widgets/gui_input.h"
#include "widgets/gui_slider.h"

using WidgetKinds = WidgetTest;

TEST_F(WidgetKinds, ButtonsFitTheirCaptionAndGrayedOnesNeverClick) {
  auto fitted = TGUIButton::Create(10, 10, -1, 0, 1, 0, 1, "Start the game", "S", nullptr);
  EXPECT_EQ(fitted->width, drawing::TextWidth("Start the game") + 8);
  EXPECT_EQ(fitted->typ, "button");

  auto gray = TGUIButton::Create(100, 100, 120, 0, 1, 1, 1, "Help", "S", nullptr);
  ClickAt(150, 110, "S");
  EXPECT_EQ(gray->Clicked, 1) << "the registry completed the click";
  EXPECT_EQ(gray->GetClicks(), 0);
  EXPECT_EQ(gray->Clicked, 0);
  ClickAt(150, 110, "S");
  TGUIobject::DrawAll("S", 0);
  EXPECT_EQ(gray->on, 2);
  EXPECT_EQ(gray->Clicked, 0) << "drawing a grayed-out button clears the click too";
}

TEST_F(WidgetKinds, SliderMapsThePointerToValues) {
  auto none = TGUISlider::Create(0, 300, 100, 0, 11, 1, "", 0, "S");
  EXPECT_EQ(none, nullptr) << "returned only when asked for";
  auto slider = TGUISlider::Create(100, 100, 100, 0, 11, 1, "Level", 1, "S");
  EXPECT_EQ(slider->Steps(), 11);
  EXPECT_EQ(slider->height, GUI_SLIDER_CELL_H);

  auto dragTo = [&](int px) {
    MoveTo(px, 110);
    Step();
    TGUIobject::UpdateAll("S", 0);
    TGUIobject::DrawAll("S", 0);
    return slider->actvalue;
  };
  MoveTo(105, 110);
  Press();
  Step();
  TGUIobject::UpdateAll("S", 0);
  EXPECT_EQ(dragTo(147), 5);
  EXPECT_EQ(slider->on, 1);
  EXPECT_EQ(dragTo(101), 0);
  EXPECT_EQ(dragTo(199), 11);
  slider->EnableAddValue(1);
  EXPECT_EQ(slider->GetValue(), 12);
  Release();
  EXPECT_EQ(dragTo(130), 11) << "without the button held the value stays";
  EXPECT_EQ(slider->on, 0);

  // Values below the range are clamped to its start.
  auto narrow = TGUISlider::Create(100, 300, 100, 2, 6, 1, "", 1, "T");
  EXPECT_EQ(narrow->Steps(), 4);
  PressAndHold(101, 310, "T");
  TGUIobject::DrawAll("T", 0);
  EXPECT_EQ(narrow->actvalue, 2);
}

TEST_F(WidgetKinds, EveryValueIsReachableAndItsKnobStaysOnTheTrack) {
  // The game menu's level slider and a wider one with a longer range.
  struct {
    int width, minvalue, maxvalue;
  } sliders[] = {{155, 0, 8}, {300, 2, 20}};
  for (const auto& s : sliders) {
    GUIObjectList.clear();
    auto slider = TGUISlider::Create(100, 100, s.width, s.minvalue, s.maxvalue, 1, "", 1, "S");
    double before = -1e9;
    for (int v = s.minvalue; v <= s.maxvalue; ++v) {
      slider->actvalue = v;
      const double knob = slider->Drag();  // not held: where the value puts it
      // The knob's cell is drawn 5 pixels left of the knob position.
      EXPECT_GE(knob - 5, -5) << v;
      EXPECT_LE(knob - 5 + GUI_SLIDER_CELL_W, s.width) << "value " << v << " of " << s.maxvalue;
      EXPECT_GT(knob, before) << v;
      before = knob;
    }
    // A click at either end gives the range's ends, and so does a drag to the right end.
    for (const auto& [px, expected] : {std::pair{101, s.minvalue}, std::pair{100 + s.width - 2, s.maxvalue}}) {
      slider->actvalue = (s.minvalue + s.maxvalue) / 2;
      PressAndHold(px, 110, "S");
      TGUIobject::DrawAll("S", 0);
      Release();
      Step();
      TGUIobject::UpdateAll("S", 0);
      EXPECT_EQ(slider->actvalue, expected) << "click at " << px;
    }
    slider->actvalue = s.minvalue;
    PressAndHold(105, 110, "S");
    MoveTo(100 + s.width - 2, 110);
    Step();
    TGUIobject::UpdateAll("S", 0);
    TGUIobject::DrawAll("S", 0);
    EXPECT_EQ(slider->actvalue, s.maxvalue);
    // The keyboard steps one value at a time and stops at the ends.
    slider->StepBy(1);
    EXPECT_EQ(slider->actvalue, s.maxvalue);
    slider->StepBy(-1);
    EXPECT_EQ(slider->actvalue, s.maxvalue - 1);
    Release();
    Step();
    TGUIobject::UpdateAll("S", 0);
  }
}

TEST_F(WidgetKinds, SlidersWithoutARangeOrBeyondItStaySafe) {
  auto flat = TGUISlider::Create(100, 100, 100, 3, 4, 1, "", 1, "S");
  auto tiny = TGUISlider::Create(100, 200, 5, 0, 11, 1, "", 1, "S");
  EXPECT_EQ(flat->Steps(), 1);
  EXPECT_EQ(tiny->Travel(), 0);
  for (int y : {110, 210}) {
    PressAndHold(103, y, "S");
    TGUIobject::DrawAll("S", 0);
    Release();
    Step();
  }
  EXPECT_EQ(flat->actvalue, 3);
  EXPECT_EQ(tiny->actvalue, 0);

  // A value set far beyond the range is drawn (off to the right) and kept.
  GUIResources.slider = drawing::CreateImage(GUI_SLIDER_CELL_W, GUI_SLIDER_CELL_H, 8, 0);
  auto far = TGUISlider::Create(100, 300, 100, 0, 11, 1, "", 1, "S");
  far->actvalue = 2000000000;
  TGUIobject::DrawAll("S", 0);
  EXPECT_EQ(far->actvalue, 2000000000);
}

TEST_F(WidgetKinds, InputTypesWhileFocusedUpToItsLimitAndLetsGoOnEnter) {
  auto narrow = TGUIinput::Create(0, 0, 10, 50, 1, "", 8, 1, "S");
  EXPECT_EQ(narrow->width, 40);
  auto input = TGUIinput::Create(100, 100, 200, 50, 1, "ab", 8, 1, "S");
  // A key as a keyboard sends it: its press and the character it types,
  // each update running the registry as the screens do.
  auto typeKey = [&](int key, const std::string& text) {
    drawing::Input().PressKey(key);
    drawing::Input().TypeText(text);
    Step();
    TGUIobject::UpdateAll("S", 0);
    drawing::Input().ReleaseKey(key);
    Step();
    TGUIobject::UpdateAll("S", 0);
    TGUIobject::DrawAll("S", 0);
  };
  typeKey('C', "c");
  EXPECT_EQ(input->value, "ab") << "not focused yet";
  ClickAt(150, 120, "S");
  ASSERT_EQ(ActiveUid, input->uid);
  for (char c = 'c'; c <= 'l'; ++c) typeKey(c - 32, std::string(1, c));
  EXPECT_EQ(input->value, "abcdefgh");
  typeKey(8, "");
  EXPECT_EQ(input->value, "abcdefg");
  drawing::Input().PressKey(13);
  Step();
  TGUIobject::UpdateAll("S", 0);
  EXPECT_EQ(input->EnterPressed, 1);
  EXPECT_EQ(ActiveUid, input->uid) << "the focus goes with the next update";
  drawing::Input().ReleaseKey(13);
  Step();
  TGUIobject::UpdateAll("S", 0);
  EXPECT_EQ(ActiveUid, 0);
  EXPECT_EQ(input->EnterPressed, 0);
  typeKey('Z', "z");
  EXPECT_EQ(input->value, "abcdefg");

  input->grayedout = 1;
  ClickAt(150, 120, "S");
  typeKey('Z', "z");
  EXPECT_EQ(input->value, "abcdefg") << "a grayed-out input takes no typing";
}

TEST_F(WidgetKinds, TapsFocusAnInputAndSetASlider) {
  auto input = TGUIinput::Create(100, 100, 200, 50, 1, "", 8, 1, "S");
  auto slider = TGUISlider::Create(100, 300, 100, 0, 11, 1, "", 1, "S");
  auto tap = [&](int x, int y) {
    MoveTo(x, y);
    Press();
    Release();
    for (int i = 0; i < 3; ++i) {
      Step();
      TGUIobject::UpdateAll("S", 0);
    }
  };
  tap(150, 120);
  EXPECT_EQ(ActiveUid, input->uid);
  tap(147, 310);  // no frame drawn in between
  EXPECT_EQ(slider->actvalue, 5);
  EXPECT_NE(ActiveUid, input->uid);
}

TEST_F(WidgetKinds, InputTextLongerThanTheLimitIsCut) {
  auto input = TGUIinput::Create(100, 100, 200, 50, 1, "a very long player name", 8, 1, "S");
  TGUIobject::DrawAll("S", 0);
  EXPECT_EQ(input->value, "a very l");
}

TEST_F(WidgetKinds, DropDownEntriesAndSelection) {
  auto empty = TGUIDropDown::Create(0, 0, 160, 0, 1, 0, "", 1, "S");
  EXPECT_EQ(empty->ListPosEntryID, -1);
  EXPECT_EQ(empty->ListPosClicked, -1);
  empty->AddEntry("800x600", 3);
  empty->AddEntry("1024x768", 5);
  EXPECT_EQ(empty->value, "800x600");
  EXPECT_EQ(empty->ListPosEntryID, 3);
  empty->SetActiveEntry(1);
  EXPECT_EQ(empty->value, "1024x768");
  EXPECT_EQ(empty->ListPosClicked, 1);
  EXPECT_EQ(empty->ListPosEntryID, 3) << "selecting by position keeps the entry id";

  auto captioned = TGUIDropDown::Create(0, 100, 160, 0, 1, 0, "_MODE", 0, "S");
  EXPECT_EQ(captioned, nullptr);
  auto& list = static_cast<TGUIDropDown&>(*GUIObjectList.back());
  list.AddEntry("OpenGL", 0);
  EXPECT_EQ(list.value, "_MODE");
  EXPECT_EQ(list.height, 2 * GUI_DROPDOWN_CELL_H);
  EXPECT_EQ(list.buttonheight, list.height);
}

namespace {

class OpenList : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    list_ = TGUIDropDown::Create(200, 100, 160, 0, 1, 0, "Pick", 1, "S");
    for (auto [text, id] : {std::pair{"Alpha", 10}, {"Beta", 20}, {"Gamma", 30}}) list_->AddEntry(text, id);
    list_->OnChange_ = [this](int id) {
      changes_.push_back(id);
      return 0;
    };
    // A button lying under the second entry of the open list.
    beneath_ = TGUIButton::Create(200, 140, 160, 0, 1, 0, 1, "Beneath", "S", nullptr);
    rowH_ = drawing::TextHeight("Beta");
  }
  void Open() {
    ClickAt(280, 110, "S");
    ASSERT_EQ(ActiveUid, list_->uid);
    ASSERT_EQ(list_->on, 1);
  }
  // Pressed and held at the point for three updates, then released.
  void PressAndRelease(int x, int y) {
    MoveTo(x, y);
    Press();
    for (int i = 0; i < 3; ++i) {
      Step();
      TGUIobject::UpdateAll("S", 0);
    }
    Release();
    Step();
    TGUIobject::UpdateAll("S", 0);
    Step();
  }
  TGUIDropDownPtr list_;
  TGUIButtonPtr beneath_;
  std::vector<int> changes_;
  int rowH_ = 0;
};

}  // namespace

TEST_F(OpenList, AClickOnAnEntrySelectsItAndIsConsumed) {
  Open();
  EXPECT_EQ(list_->GetClicks(), 1) << "opening it was a click on the box";
  const int secondRowMiddle = 100 + 35 + rowH_ + rowH_ / 2;
  ASSERT_GT(secondRowMiddle, beneath_->y);
  ASSERT_LT(secondRowMiddle, beneath_->y + beneath_->height);
  PressAndRelease(220, secondRowMiddle);
  EXPECT_EQ(changes_, std::vector<int>{20});
  EXPECT_EQ(list_->ListPosClicked, 1);
  EXPECT_EQ(list_->ListPosEntryID, 20);
  EXPECT_EQ(list_->value, "Beta");
  EXPECT_EQ(ActiveUid, 0);
  EXPECT_EQ(list_->on, 0);
  EXPECT_EQ(beneath_->GetClicks(), 0) << "the widget beneath never saw the click";
  EXPECT_EQ(list_->GetClicks(), 0);
}

TEST_F(OpenList, AClickOutsideTheEntriesOnlyClosesIt) {
  auto far = TGUIButton::Create(500, 500, 100, 0, 1, 0, 1, "Far", "S", nullptr);
  Open();
  list_->GetClicks();
  PressAndRelease(550, 510);
  EXPECT_TRUE(changes_.empty());
  EXPECT_EQ(list_->ListPosClicked, -1);
  EXPECT_EQ(list_->value, "Pick");
  EXPECT_EQ(ActiveUid, 0);
  EXPECT_EQ(far->GetClicks(), 0);
  // Left of the entries' rows counts as outside too.
  Open();
  PressAndRelease(204, 100 + 35 + rowH_ / 2);
  EXPECT_TRUE(changes_.empty());
  EXPECT_EQ(ActiveUid, 0);
}

TEST_F(OpenList, AChangeHandlerMayRunARegistryPass) {
  list_->OnChange_ = [this](int id) {
    changes_.push_back(id);
    TGUIobject::UpdateAll("", 1);
    return 0;
  };
  Open();
  PressAndRelease(220, 100 + 35 + rowH_ / 2);
  EXPECT_EQ(changes_, std::vector<int>{10}) << "the nested pass did not pick again";
  EXPECT_EQ(list_->value, "Alpha");
}

TEST_F(OpenList, AGrayedOutListNeitherOpensNorClicks) {
  list_->grayedout = 1;
  ClickAt(280, 110, "S");
  EXPECT_EQ(ActiveUid, 0);
  EXPECT_EQ(list_->GetClicks(), 0);
  PressAndRelease(220, 100 + 35 + rowH_ / 2);
  EXPECT_TRUE(changes_.empty());
  TGUIobject::DrawAll("S", 0);
  EXPECT_EQ(list_->on, 2);
}

TEST_F(WidgetKinds, TheBaseStripsLoadWithTheirCellSizes) {
  TempDir theme;
  auto sheet = drawing::Pixmap::Create(22 * 6, 18 * 3);
  ASSERT_TRUE(drawing::SavePixmapPNG(*sheet, theme / "gui_button.png"));
  sheet = drawing::Pixmap::Create(54 * 24, 19);
  ASSERT_TRUE(drawing::SavePixmapPNG(*sheet, theme / "gui_dropdown.png"));
  sheet = drawing::Pixmap::Create(54 * 5, 35);  // one cell short
  ASSERT_TRUE(drawing::SavePixmapPNG(*sheet, theme / "gui_input.png"));
  LoadBaseWidgetImages(theme.str());
  ASSERT_TRUE(GUIResources.button);
  EXPECT_EQ(drawing::CountFrames(GUIResources.button), 18);
  EXPECT_EQ(GUIResources.button->width, 22);
  ASSERT_TRUE(GUIResources.dropdown);
  EXPECT_EQ(drawing::CountFrames(GUIResources.dropdown), 24);
  EXPECT_EQ(GUIResources.input, nullptr);
  EXPECT_EQ(GUIResources.slider, nullptr);
  // Without its strip a slider still has the built-in height.
  auto slider = TGUISlider::Create(0, 0, 100, 0, 11, 1, "", 1, "S");
  EXPECT_EQ(slider->height, GUI_SLIDER_CELL_H);
  TGUIobject::DrawAll("S", 0);
}
