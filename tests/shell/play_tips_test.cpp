// The side buttons that cost something tell so while pointed at, in every
// language, and say nothing once greyed at the end.
#include "game_fixture.h"
#include "shell/play_tips.h"

TEST_F(GameTest, CostlySideButtonsShowTheirPriceWhilePointedAt) {
  StartLevelOne();
  struct Case {
    InGameCommand button;
    const char* key;
  };
  const Case cases[] = {{kHint, "HINT_TIP"}, {kShowWrong, "SHOWWRONG_TIP"}, {kSolve, "SOLVE_TIP"},
                        {kClearBoard, "CLEARBOARD_TIP"}, {kNewGame, nullptr}, {kSettings, nullptr}};
  for (const Case& c : cases) {
    const TGUIButton& button = *Widgets.inGame[size_t(c.button)];
    PointAt(button.x + button.width / 2, button.y + button.height / 2);
    Step();
    const std::optional<PlayTip> tip = SideButtonTip();
    if (!c.key) {
      EXPECT_FALSE(tip) << "button " << c.button;
      continue;
    }
    ASSERT_TRUE(tip) << c.key;
    EXPECT_EQ(tip->key, c.key);
    EXPECT_GE(tip->x, float(button.x + button.width)) << "the tip covers its button";
    for (const char* language : {"english", "german"}) {
      Localization::SetLanguage(language);
      EXPECT_NE(Localization::GetString(c.key, ""), "") << c.key << " in " << language;
    }
    Localization::SetLanguage("english");
  }
  EXPECT_EQ(Text("SOLVE_TIP"), "Solve ends the game without a score");
  PointAt(600, 300);
  Step();
  EXPECT_FALSE(SideButtonTip()) << "a tip without a pointer";

  Click(*Widgets.inGame[kSolve]);
  const TGUIButton& hint = *Widgets.inGame[kHint];
  PointAt(hint.x + hint.width / 2, hint.y + hint.height / 2);
  Step();
  EXPECT_FALSE(SideButtonTip()) << "a greyed button still tells its price";
}
