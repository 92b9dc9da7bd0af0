// The keyboard table of the text inputs.
#include "widget_fixture.h"
#include "widgets/gui_input.h"

namespace {

constexpr int kShift = 160, kRightShift = 161, kAlt = 164;

class TextEntry : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    field_ = TGUIinput::Create(0, 0, 200, 30, 1, "", 20, 1, "S");
  }
  // Holds the modifiers, then the keys, so that the keys fire in the
  // update after they went down; returns what the table makes of `text`.
  std::string Type(const std::string& text, std::initializer_list<int> keys, std::initializer_list<int> modifiers = {}) {
    for (int m : modifiers) drawing::Input().PressKey(m);
    Step();
    Step();
    for (int k : keys) drawing::Input().PressKey(k);
    Step();
    Step();
    std::string result = field_->Input2Value(text);
    for (int k : keys) drawing::Input().ReleaseKey(k);
    for (int m : modifiers) drawing::Input().ReleaseKey(m);
    Step();
    Step();
    clock_->now += 1000;  // past every key's repeat time
    return result;
  }
  TGUIinputPtr field_;
};

}  // namespace

TEST_F(TextEntry, LettersFollowShiftAndTwoLettersFollowAlt) {
  EXPECT_EQ(Type("", {'A'}), "a");
  EXPECT_EQ(Type("", {'Z'}, {kShift}), "Z");
  EXPECT_EQ(Type("", {'Q'}, {kRightShift}), "Q");
  EXPECT_EQ(Type("x", {'E'}, {kAlt}), "x\x80");
  EXPECT_EQ(Type("x", {'Q'}, {kAlt, kShift}), "x@") << "Alt is asked before Shift";
  EXPECT_EQ(Type("x", {'A'}, {kAlt}), "xa") << "other letters ignore Alt";
}

TEST_F(TextEntry, TheGermanRowOfDigitsAndSigns) {
  EXPECT_EQ(Type("ab", {'7'}, {kShift}), "ab/");
  EXPECT_EQ(Type("", {'0'}, {kShift}), "=");
  EXPECT_EQ(Type("", {'2'}, {kShift}), "\"");
  EXPECT_EQ(Type("", {'3'}, {kShift}), "\xA7");
  EXPECT_EQ(Type("", {'5'}), "5");
  EXPECT_EQ(Type("", {192}), "\xF6");
  EXPECT_EQ(Type("", {222}, {kShift}), "\xC4");
  EXPECT_EQ(Type("", {186}), "\xFC");
  EXPECT_EQ(Type("", {219}), "\xDF");
  EXPECT_EQ(Type("", {219}, {kShift}), "?");
  EXPECT_EQ(Type("", {219}, {kAlt}), "\\");
  EXPECT_EQ(Type("", {219}, {kAlt, kShift}), "?") << "Shift is asked before Alt here";
  EXPECT_EQ(Type("", {221}), "\xB4");
  EXPECT_EQ(Type("", {226}, {kShift}), ">");
  EXPECT_EQ(Type("", {189}, {kShift}), "_");
  EXPECT_EQ(Type("", {190}), ".");
}

TEST_F(TextEntry, KeypadSpaceBackspaceAndEnter) {
  EXPECT_EQ(Type("", {96}), "0");
  EXPECT_EQ(Type("", {105}, {kShift}), "9") << "the keypad ignores Shift";
  EXPECT_EQ(Type("", {106}), "*");
  EXPECT_EQ(Type("", {110}), ",");
  EXPECT_EQ(Type("a", {32}), "a ");
  EXPECT_EQ(Type("ab", {8}), "a");
  EXPECT_EQ(Type("", {8}), "");
  EXPECT_EQ(field_->EnterPressed, 0);
  EXPECT_EQ(Type("ab", {13}), "ab");
  EXPECT_EQ(field_->EnterPressed, 1);
}

TEST_F(TextEntry, KeysFiringTogetherAppendInTableOrder) {
  // Letters, then digits, then Backspace (which takes the digit back).
  EXPECT_EQ(Type("", {'1', 'B', 'A', 8}), "ab");
  EXPECT_EQ(Type("", {'1', 'B', 'A', 32}), "ab1 ");
}

TEST_F(TextEntry, AKeyTypesOnlyFromItsSecondUpdate) {
  drawing::Input().PressKey('A');
  Step();
  EXPECT_EQ(field_->Input2Value(""), "") << "the first update of a press only marks it";
  Step();
  EXPECT_EQ(field_->Input2Value(""), "a");
  EXPECT_EQ(field_->Input2Value(""), "") << "a second ask in the same update does not repeat";
}

TEST_F(TextEntry, AnEmptiedFieldTypesWithoutItsPlaceholderBlanks) {
  // One key through the focused field as a drawn frame takes it.
  auto typeKey = [this](int key) {
    drawing::Input().PressKey(key);
    Step();
    Step();
    field_->TakeTyping();
    drawing::Input().ReleaseKey(key);
    Step();
    Step();
    clock_->now += 1000;
  };
  field_->value = "Bo";
  ActiveUid = field_->uid;
  typeKey(8);
  typeKey(8);
  ASSERT_EQ(field_->Typed(), "");
  TGUIobject::UpdateAll("S", 0);  // an empty widget shows its two blanks
  ASSERT_EQ(field_->value, TGUIobject::kEmptyCaption);
  EXPECT_EQ(field_->Typed(), "") << "the blanks are no name";
  typeKey('A');
  typeKey('L');
  EXPECT_EQ(field_->value, "al");
  EXPECT_EQ(field_->Typed(), "al");
  ActiveUid = 0;
}
