// Mix It as the player meets it: keys name the pictures the stones show
// after a shuffle, and a finished board keeps the pictures it ended with.
#include <bit>
#include <vector>

#include "game_fixture.h"
#include "presentation/text_effect.h"

namespace {

class MixItTest : public GameTest {
 protected:
  void TearDown() override {
    Game->MixItActivated = 0;
    Game->ReplaceStonesActive = 0;
    Game->InitStones();
    GameTest::TearDown();
  }
  static void StartWithMixIt() {
    GameState = GAME_GAMEMENU;
    Widgets.difficulty->actvalue = 0;
    Widgets.lists.mixIt->ListPosClicked = 1;  // every minute
    Click(*Widgets.gameStart);
    Widgets.lists.mixIt->ListPosClicked = -1;
    ASSERT_EQ(GameState, GAME_RUNNING);
    ASSERT_EQ(Game->MixItActivated, 1);
    Step();  // the first play update schedules the shuffle a minute on
  }
  // A minute on: the shuffle is due in the next update.
  static void MinuteLater() {
    GameClock::now += 60000;
    Step();
  }
  static void ShuffleAndSweep() {
    MinuteLater();
    ASSERT_EQ(Game->ReplaceStonesActive, 1);
    for (int i = 0; i < 400 && Game->ReplaceStonesActive; ++i) Step();
    ASSERT_EQ(Game->ReplaceStonesActive, 0);
  }
  static void Key(int key, std::initializer_list<int> held = {}) {
    for (int h : held) drawing::Input().PressKey(h);
    drawing::Input().PressKey(key);
    Step();
    drawing::Input().ReleaseKey(key);
    for (int h : held) drawing::Input().ReleaseKey(h);
    Step(2);
  }
  static void SelectWithArrows(int column, int row) {
    TPlayBoard& board = Game->Play.board;
    while (board.SelectedColumn() < column) Key(drawing::KEY_RIGHT);
    while (board.SelectedColumn() > column) Key(drawing::KEY_LEFT);
    while (board.SelectedRow() < row) Key(drawing::KEY_DOWN);
    while (board.SelectedRow() > row) Key(drawing::KEY_UP);
  }
};

TEST_F(MixItTest, DigitKeysEnterThePictureTheyNameAfterAShuffle) {
  StartWithMixIt();
  ASSERT_EQ(CurrentSkin->ActiveStoneSkin, 1) << "the Numbers set: picture k shows the number k";
  // Shuffles until the picture "5" stands on another digit.
  for (int i = 0; i < 20 && Game->ReplaceStones[5] == 5; ++i) ShuffleAndSweep();
  ASSERT_NE(Game->ReplaceStones[5], 5);

  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  SelectWithArrows(c, r);
  for (const int picture : {5, 1, 9}) {
    Key('0' + picture);
    EXPECT_EQ(Game->SymbolOf(c, r, PlayMaps.Map[c][r][0]), picture) << "key " << picture;
  }
  Key(96 + 5);  // keypad 5
  EXPECT_EQ(Game->SymbolOf(c, r, PlayMaps.Map[c][r][0]), 5);
  EXPECT_NE(PlayMaps.Map[c][r][0], 5) << "the digit behind the picture";

  Key('0');
  const int shift = drawing::KEY_LSHIFT;
  Key('5', {shift});
  const NoteSet notes = Game->Play.board.Cell(c, r).notes;
  ASSERT_EQ(std::popcount(unsigned(notes)), 1);
  const int noted = std::countr_zero(unsigned(notes)) + 1;
  EXPECT_EQ(Game->SymbolOf(c, r, noted), 5) << "the note shows the picture its key names";
  Key('5', {shift});
  EXPECT_EQ(Game->Play.board.Cell(c, r).notes, 0);
}

TEST_F(MixItTest, AFinishedBoardIsNeitherShuffledNorSweptAnyMore) {
  StartWithMixIt();
  MinuteLater();
  ASSERT_EQ(Game->ReplaceStonesActive, 1);
  Click(*Widgets.inGame[kSolve]);
  ASSERT_EQ(GameFinished, 1);
  Step();
  EXPECT_EQ(Game->ReplaceStonesActive, 0) << "the sweep the end caught lands at once";
  auto pictures = [](const std::array<int, kSymbolSlots>& mapping) {
    return std::vector<int>(mapping.begin() + 1, mapping.begin() + 10);
  };
  EXPECT_EQ(pictures(Game->ReplaceStones), pictures(Game->ReplaceStonesPreview));

  const auto shown = pictures(Game->ReplaceStones);
  const size_t texts = TTextEffect::All().Size();
  for (int minute = 0; minute < 3; ++minute) {
    MinuteLater();
    Step(5);
    EXPECT_EQ(Game->ReplaceStonesActive, 0);
    EXPECT_EQ(pictures(Game->ReplaceStones), shown);
    EXPECT_EQ(pictures(Game->ReplaceStonesPreview), shown);
  }
  EXPECT_LE(TTextEffect::All().Size(), texts) << "no Mix It words after the end";
}

}  // namespace
