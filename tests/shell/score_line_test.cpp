// Highscore lines with the game's own small font: a name never reaches its
// score and the dot leader never runs into the name, however long either is.
#include "game_fixture.h"
#include "shell/score_line.h"

namespace {

int Font10Width(const std::string& text) {
  drawing::SetImageFont(Font10);
  return drawing::TextWidth(text);
}

}  // namespace

TEST_F(GameTest, HighscoreLinesKeepScoreDotsAndNameApart) {
  struct Case {
    std::string score, name;
    bool cut;
  };
  const Case cases[] = {
      {"150", "Create", false},
      {"25", "Have fun!", false},
      {"0", "", false},
      {"99999", "WWWWWWWWWWWWWWWWWWWW", true},
      {"12345", "Maximilian Mustermann", true},
      {"2147483647", "Bob", false},
      {"7", std::string(255, 'M'), true},
  };
  for (const float x : {33.0f, 330.0f}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.score + " " + c.name.substr(0, 24));
      const ScoreLineLayout line = LayOutScoreLine(x, c.score, c.name, Font10Width);
      const float scoreEnd = line.scoreX + float(Font10Width(c.score));
      EXPECT_EQ(line.scoreX, x + kScoreLineScore);
      EXPECT_EQ(line.nameX + float(Font10Width(line.name)), x + kScoreLineNameEnd) << "names end at one edge";
      if (!line.name.empty()) {
        EXPECT_GE(line.nameX, scoreEnd + kScoreLineGap) << "the name reaches the score";
      }
      if (!line.dots.empty()) {
        EXPECT_GE(line.dotsX, scoreEnd + kScoreLineGap) << "the dots start on the score";
        EXPECT_LE(line.dotsX + float(Font10Width(line.dots)), line.nameX - kScoreLineGap) << "the dots run into the name";
      }
      if (c.cut) {
        ASSERT_GE(line.name.size(), 4u);
        EXPECT_EQ(line.name.substr(line.name.size() - 3), "...");
        EXPECT_EQ(c.name.compare(0, line.name.size() - 3, line.name, 0, line.name.size() - 3), 0)
            << "a cut name keeps its start";
      } else {
        EXPECT_EQ(line.name, c.name);
      }
    }
  }
  // Short names of the default table keep a visible leader.
  EXPECT_GE(LayOutScoreLine(33, "150", "Create", Font10Width).dots.size(), 9u);
}
