// Typing into a text input: characters as the layout typed them, in order,
// with Backspace and Enter among them and repeating while held.
#include "widget_fixture.h"
#include "widgets/gui_input.h"

namespace {

class TextEntry : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    field_ = TGUIinput::Create(0, 0, 200, 30, 1, "", 20, 1, "S");
  }
  // One update, then what the field makes of `text` with this update's typing.
  std::string Update(const std::string& text) {
    Step();
    return field_->Input2Value(text);
  }
  void Tap(int key) {
    drawing::Input().PressKey(key);
    drawing::Input().ReleaseKey(key);
  }
  TGUIinputPtr field_;
};

}  // namespace

TEST_F(TextEntry, CharactersComeAsTheLayoutTypedThem) {
  drawing::Input().TypeText("J\xFCrgen O'Neil @=+ \xDF\x80");
  EXPECT_EQ(Update(""), "J\xFCrgen O'Neil @=+ \xDF\x80");
  EXPECT_EQ(field_->Input2Value("x"), "x") << "taken once per update";
  drawing::Input().TypeText("y");
  Step();
  EXPECT_EQ(Update("a"), "a") << "an update nobody typed in loses its text, later fields do not get it";
}

TEST_F(TextEntry, BackspaceAndEnterActWhereTheyWereTyped) {
  // "a", Backspace, "b" faster than one update: the Backspace takes the "a".
  drawing::Input().TypeText("a");
  Tap(drawing::KEY_BACKSPACE);
  drawing::Input().TypeText("b");
  EXPECT_EQ(Update("x"), "xb");
  Step();  // the Backspace goes up
  Tap(drawing::KEY_BACKSPACE);
  EXPECT_EQ(Update(""), "") << "nothing to remove is no fault";
  EXPECT_EQ(field_->EnterPressed, 0);
  Step();
  Tap(drawing::KEY_ENTER);
  EXPECT_EQ(Update("ab"), "ab");
  EXPECT_EQ(field_->EnterPressed, 1);
}

TEST_F(TextEntry, HeldBackspaceRepeatsEveryHundredMilliseconds) {
  drawing::Input().PressKey(drawing::KEY_BACKSPACE);
  std::string text = "abcdefghijklmnop";
  std::vector<size_t> lengths;
  for (int update = 0; update < 20; ++update) {  // 17 ms each
    text = Update(text);
    lengths.push_back(text.size());
  }
  drawing::Input().ReleaseKey(drawing::KEY_BACKSPACE);
  // One at the press, then one each time 100 ms have passed (at 102, 204, 306 ms).
  EXPECT_EQ(lengths.front(), 15u);
  EXPECT_EQ(lengths[5], 15u);
  EXPECT_EQ(lengths[6], 14u);
  EXPECT_EQ(lengths.back(), 12u);
  text = Update(text);
  text = Update(text);
  EXPECT_EQ(text.size(), 12u) << "released: no more";
}

TEST_F(TextEntry, AnEmptiedFieldTypesWithoutItsPlaceholderBlanks) {
  field_->value = "Bo";
  ActiveUid = field_->uid;
  Tap(drawing::KEY_BACKSPACE);
  Step();
  Tap(drawing::KEY_BACKSPACE);
  TGUIobject::UpdateAll("S", 0);
  Step();
  TGUIobject::UpdateAll("S", 0);
  ASSERT_EQ(field_->Typed(), "");
  // Without the focus an empty widget shows its two blanks.
  ActiveUid = 0;
  TGUIobject::UpdateAll("S", 0);
  ASSERT_EQ(field_->value, TGUIobject::kEmptyCaption);
  EXPECT_EQ(field_->Typed(), "") << "the blanks are no name";
  ActiveUid = field_->uid;
  drawing::Input().TypeText("al");
  Step();
  TGUIobject::UpdateAll("S", 0);
  EXPECT_EQ(field_->value, "al");
  EXPECT_EQ(field_->Typed(), "al");
  ActiveUid = 0;
}
