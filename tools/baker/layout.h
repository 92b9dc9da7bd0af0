// Screen positions the pictures are drawn for. The game places the board,
// the in-game buttons, the clock, the highscore list and the level code at
// fixed coordinates; the theme configuration places the rest, and its
// numbers must match these (the baker's tests compare them).
#pragma once

namespace baker::layout {

struct Rect {
  int x, y, w, h;
};

constexpr int kScreenW = 800, kScreenH = 600;
constexpr int kCellX[9] = {250, 302, 354, 410, 462, 514, 570, 622, 674};
constexpr int kCellY[9] = {75, 127, 179, 235, 287, 339, 395, 447, 499};
constexpr int kCell = 52;

constexpr Rect kBoardWell{244, 69, 486, 486};
constexpr Rect kBoardFrame{234, 59, 506, 506};
constexpr Rect kSidePanel{8, 12, 196, 580};

constexpr int kButtonX = 17, kButtonY = 29, kButtonStep = 34, kButtonW = 178, kButtonH = 36;
constexpr Rect kHelpButton{748, 557, 44, 36};

// Gauges: background, front and mark sprites; the front's plate carries the caption.
constexpr Rect kMixIt{16, 292, 180, 30};
constexpr int kMixItMarkX = 86, kMixItMarkY = 299;  // a 100 x 16 fill bar
constexpr Rect kLevel{16, 338, 180, 30};
constexpr int kLevelMarkX = 80, kLevelMarkY = 342;  // a 12 x 22 pointer
constexpr int kGaugePlateW = 72;                     // caption plate at the left end
constexpr int kGaugeTrackX0 = 70, kGaugeTrackX1 = 174, kGaugeTrackY0 = 6, kGaugeTrackY1 = 24;
constexpr int kCaptionX = 9, kCaptionY = 7;

constexpr Rect kTimePlate{16, 405, 76, 30};
constexpr Rect kClockSlot{94, 402, 102, 36};
constexpr int kClockX = 99, kClockY = 409;
constexpr Rect kHighscore{16, 448, 180, 114};
constexpr int kHighscoreCaptionX = 12, kHighscoreCaptionY = 4;
constexpr int kHighscoreListX = 33, kHighscoreListY = 475;
constexpr int kLevelCodeX = 20, kLevelCodeY = 570;

// Start menu buttons.
constexpr int kStartButtonX = 250, kStartButtonY = 300, kStartButtonStep = 40, kStartButtonW = 300;

}  // namespace baker::layout
