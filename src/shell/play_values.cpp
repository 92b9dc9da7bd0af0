#include "shell/play_values.h"

#include <cstdint>

#include "engine/clock_math.h"
#include "support/localization.h"
#include "widgets/game_graphics.h"

int CurrentLevel = 1;
int StoneSetFactor = 1;
int GameStartTime = 0;
int GameFinished = 0;
int GameScore = 0;
int ShowWrongTurns = 0;
int HoverColumn = -1, HoverRow = -1;
int PickerOpen = 0;
int PickerColumn = -1, PickerRow = -1;
int PickerX = 0, PickerY = 0;
int StoneDisplaceX = 0, StoneDisplaceY = 0;
int PreviewOffset = 0;
int PreviewTimer = 0;
std::string LevelCodeMessage;

int CellX[10][10] = {};
int CellY[10][10] = {};

TPlayMaps PlayMaps;

drawing::ImagePtr LogoImage, LogoEffectImage, BlankImage;
drawing::ImageFontPtr ImageFont, SmallImageFont;
drawing::ImageFontPtr Font10, Font12, FontBold12, FontBold14, FontBold16, FontBold20;

void FillCellPositions() {
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      // 52-pixel cells with a 4-pixel gap between the 3 x 3 blocks.
      CellX[c][r] = 250 + 52 * c + 4 * (c / 3);
      CellY[c][r] = 75 + 52 * r + 4 * (r / 3);
    }
}

bool PointerInBox(float x, float y, float width, float height) {
  const float mx = float(GameGraphics.MouseX());
  const float my = float(GameGraphics.MouseY());
  return mx >= x && mx <= x + width && my >= y && my <= y + height;
}

namespace {
// From the end of a game until the next one starts the clock shows the
// moment it stopped (ms).
bool ClockStopped = false;
int ClockStoppedAt = 0;
}  // namespace

int PlayedMs(int now) {
  const int until = ClockStopped ? ClockStoppedAt : now;
  return ClockDifference(until, GameStartTime);
}

void StopPlayClock(int now) {
  if (ClockStopped) return;
  ClockStopped = true;
  ClockStoppedAt = now;
}

void RestartPlayClock() { ClockStopped = false; }

int LaterMs(int now, int ms) { return ClockAdd(now, ms); }

std::string Text(const std::string& key) { return Localization::GetString(key, ""); }
