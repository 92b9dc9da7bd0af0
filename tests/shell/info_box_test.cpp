// The info box over the play screen owns every click inside it: nothing
// reaches the board or a picker hidden below.
#include "game_fixture.h"

namespace {

void MakeEmpty(int column, int row) { PlayMaps.Map[column][row][0] = PlayMaps.Map[column][row][1] = 0; }

}  // namespace

TEST_F(GameTest, ClicksInsideTheInfoBoxNeverReachTheBoard) {
  StartLevelOne();
  // (2, 4) lies under the box's text, (2, 7) under its close button.
  MakeEmpty(2, 4);
  MakeEmpty(2, 7);
  MakeEmpty(3, 0);  // above the box
  Click(*Widgets.help);
  ASSERT_EQ(GameState, GAME_INFOBOX);

  ClickCell(2, 4);
  EXPECT_EQ(PlayMaps.Map[2][4][0], 0) << "a left click on the box cycled the cell below";
  ClickCell(2, 4, 2);
  EXPECT_EQ(PickerOpen, 0) << "a right click on the box opened a picker";
  ClickCell(3, 0);
  EXPECT_EQ(PlayMaps.Map[3][0][0], 1) << "the board outside the box still plays";

  const TGUIButton& close = *Widgets.infoClose;
  ASSERT_GE(CellX[2][7] + 26, close.x);
  ASSERT_LE(CellY[2][7] + 26, close.y + close.height);
  ClickCell(2, 7);  // the close button's click is the button's alone
  EXPECT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(PlayMaps.Map[2][7][0], 0);

  ClickCell(2, 4);
  EXPECT_EQ(PlayMaps.Map[2][4][0], 1) << "with the box closed the cell plays again";
}

TEST_F(GameTest, APickerUnderTheInfoBoxTakesNoChoice) {
  StartLevelOne();
  MakeEmpty(2, 3);
  ClickCell(2, 3, 2);
  ASSERT_EQ(PickerOpen, 1);
  const int x = PickerX, y = PickerY;
  Click(*Widgets.help);
  ASSERT_EQ(GameState, GAME_INFOBOX);
  // The picker's "5" lies inside the box.
  const int px = x + 20 + 55 + 25, py = y + 20 + 55 + 25;
  ASSERT_TRUE(px > 200 && px < 600 && py > 200 && py < 520);
  Click(px, py);
  EXPECT_EQ(PlayMaps.Map[2][3][0], 0);
  EXPECT_EQ(PickerOpen, 1);
  Click(*Widgets.infoClose);
  Click(px, py);
  EXPECT_EQ(PlayMaps.Map[2][3][0], 5) << "the picker chooses again once the box is gone";
}
