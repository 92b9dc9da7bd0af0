// The values the screens share: the play screen's state, the board
// geometry, the player's maps and the pictures and fonts loaded at start-up.
#pragma once

#include <string>

#include "drawing/font.h"
#include "drawing/image.h"
#include "engine/sudoku_host.h"

// Play screen.
extern int CurrentLevel;     // 1 to 9
extern int StoneSetFactor;   // 1, or 3 for the second stone set
extern int GameStartTime;    // ms; 0 until the first puzzle is set up
extern int GameFinished;     // the board is complete or was solved for the player
extern int GameScore;        // of the finished game, 0 when none was taken
extern int ShowWrongTurns;
extern int HoverColumn, HoverRow;  // -1 when the pointer is over no cell
extern int PickerOpen;
extern int PickerColumn, PickerRow;  // -1 when none
extern int PickerX, PickerY;         // top-left of the number picker

// The symbol offset of the stone set a game was started with.
extern int StoneDisplaceX, StoneDisplaceY;

// Game menu: which three symbols the preview shows, and when it moves on.
extern int PreviewOffset;
extern int PreviewTimer;

// Language key of the message in the repeat-game box; empty for none.
extern std::string LevelCodeMessage;

// Top-left corner of each board cell, indexed [column][row] (0 to 8 used).
extern int CellX[10][10];
extern int CellY[10][10];
void FillCellPositions();

// Map, SolutionMap and BackupMap of the player.
extern TPlayMaps PlayMaps;

extern drawing::ImagePtr LogoImage, LogoEffectImage, BlankImage;
extern drawing::ImageFontPtr ImageFont, SmallImageFont;
extern drawing::ImageFontPtr Font10, Font12, FontBold12, FontBold14, FontBold16, FontBold20;

// The pointer in game coordinates inside the box, edges included.
bool PointerInBox(float x, float y, float width, float height);
// Milliseconds later, wrapping like the clock instead of overflowing.
int LaterMs(int now, int ms);
// The play time of the game at clock value `now`: up to its end once it has
// finished, the time its score was taken for.
int PlayedMs(int now);
// Stops the play clock at `now` unless it stands already; a new puzzle's
// start time sets it going again.
void StopPlayClock(int now);
// Sets the play clock going again (a new game's start time was set).
void RestartPlayClock();
// Minutes and seconds played, each at least two digits: "62:05".
std::string PlayTimeText(int elapsedMs);
// The text of a language key.
std::string Text(const std::string& key);
