// Drawing the play screen: side panel, stones in their four looks, the
// number picker, the level code and the result panel.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "engine/clock_math.h"
#include "engine/level_code.h"
#include "engine/logic_explain.h"
#include "engine/puzzle_setup.h"
#include "presentation/game_color.h"
#include "presentation/game_skin.h"
#include "presentation/particle_effect.h"
#include "presentation/text_effect.h"
#include "shell/game.h"
#include "shell/game_code.h"
#include "shell/highscore.h"
#include "shell/play_tips.h"
#include "shell/play_values.h"
#include "shell/score_line.h"
#include "shell/screen_drawing.h"
#include "shell/screen_widgets.h"
#include "shell/settings.h"
#include "support/functions.h"
#include "support/text_util.h"

namespace {

TStoneSkinPtr ActiveStones() { return CurrentSkin ? CurrentSkin->getActiveStoneSkin() : nullptr; }

int SlotOf(int digit) { return std::clamp(digit, 0, kSymbolSlots - 1); }

struct RGB {
  int r, g, b;
};

// Rank, score, a dot leader and the name ending at x + 142, one line per
// entry of the six best.
void DrawScoreLines(float x, float y, const std::function<void(const THighscoreItem&)>& colourFor) {
  if (!Highscores) return;
  for (int i = 0; i < 6; ++i) {
    const THighscoreItemPtr& item = Highscores->list[size_t(i)];
    if (!item) continue;
    colourFor(*item);
    const float ly = y + float(12 * i);
    drawing::SetImageFont(FontBold12);
    drawing::DrawText(std::to_string(i + 1) + ".", x, ly);
    drawing::SetImageFont(Font10);
    const std::string score = std::to_string(item->score);
    const ScoreLineLayout line = LayOutScoreLine(x, score, item->name, drawing::TextWidth);
    drawing::DrawText(score, line.scoreX, ly);
    drawing::DrawText(line.dots, line.dotsX, ly);
    drawing::DrawText(line.name, line.nameX, ly);
  }
  drawing::SetImageFont(FontBold12);
  drawing::SetColor(255, 255, 255);
}

std::string TwoDigits(int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

int TGame::GetStoneFrame(int symbol) const { return symbol - 1; }

// Cells the sweep has passed show the new mapping already; on the rows it
// runs right to left a cell changes one step after the swirl left it.
int TGame::GetStoneColor(int column, int row) const { return SymbolOf(column, row, PlayMaps.Map[column][row][0]); }

int TGame::SymbolOf(int column, int row, int cellDigit) const {
  const int digit = SlotOf(cellDigit);
  const int p = ReplaceStonesPosition;
  if (ReplaceStonesActive && p > 0) {
    const int sweepColumn = p % 9;
    const int sweepRow = p / 9;
    if (sweepRow > 8 || row < sweepRow) return ReplaceStonesPreview[size_t(digit)];
    if (sweepRow % 2 == 1) {
      if (column > 9 - sweepColumn && row <= sweepRow) return ReplaceStonesPreview[size_t(digit)];
    } else if (column < sweepColumn && row <= sweepRow) {
      return ReplaceStonesPreview[size_t(digit)];
    }
  }
  return ReplaceStones[size_t(digit)];
}

// The tint goes on the stone's background and overlay, never on the symbol.
void TGame::DrawStones(int frame, int x, int y, int r, int g, int b, const TGameColorPtr& color) {
  if (color) {
    r = color->r;
    g = color->g;
    b = color->b;
  }
  const TStoneSkinPtr stones = ActiveStones();
  if (!stones || !stones->BGImage || !stones->Image) return;
  drawing::SetColor(r, g, b);
  stones->BGImage->Draw(x, y, 0);
  drawing::SetColor(255, 255, 255);
  if (frame >= 0) stones->Image->Draw(x + 2 + StoneDisplaceX, y + 2 + StoneDisplaceY, frame);
  drawing::SetColor(r, g, b);
  stones->BGImage->Draw(x, y, 1);
  drawing::SetColor(255, 255, 255);
}

void TGame::DrawStonesInState(int state, const std::string& colourName) {
  const TGameColorPtr colour = TGameColor::GetGameColor(colourName);
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r)
      if (PlayMaps.Map[c][r][1] == state && PlayMaps.Map[c][r][0] >= 1)
        DrawStones(GetStoneFrame(GetStoneColor(c, r)), CellX[c][r], CellY[c][r], 0, 0, 0, colour);
}

void TGame::DrawStones_Preset() { DrawStonesInState(1, "STONES_PRESET"); }

void TGame::DrawStones_Proposed() { DrawStonesInState(2, "STONES_PROPOSED"); }

void TGame::DrawStones_Player() {
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const int* cell = PlayMaps.Map[c][r];
      if (cell[1] != 0 || cell[0] < 1 || (c == PickerColumn && r == PickerRow)) continue;
      const bool wrong = ShowWrongTurns && cell[0] != PlayMaps.SolutionMap[c][r][0];
      const RGB tint = wrong ? RGB{250, 120, 150} : RGB{255, 255, 255};
      DrawStones(GetStoneFrame(GetStoneColor(c, r)), CellX[c][r], CellY[c][r], tint.r, tint.g, tint.b, nullptr);
      if (wrong) DrawWrongStoneMark(float(CellX[c][r]), float(CellY[c][r]));
    }
}

void TGame::DrawStones_Marked() {
  if (PickerColumn < 0 || PickerRow < 0) return;
  const int* cell = PlayMaps.Map[PickerColumn][PickerRow];
  const TStoneSkinPtr stones = ActiveStones();
  if (cell[1] != 0 || !stones || !stones->BGImage || !stones->Image) return;
  const int x = CellX[PickerColumn][PickerRow], y = CellY[PickerColumn][PickerRow];
  drawing::SetAlpha(0.75f);
  TGameColor::SetGameColor("STONES_MARKED");
  stones->BGImage->Draw(x, y, 0);
  if (cell[0] >= 1) {
    drawing::SetColor(255, 255, 255);
    const int frame = GetStoneFrame(GetStoneColor(PickerColumn, PickerRow));
    if (frame >= 0) stones->Image->Draw(x + 2 + StoneDisplaceX, y + 2 + StoneDisplaceY, frame);
    TGameColor::SetGameColor("STONES_MARKED");
    stones->BGImage->Draw(x, y, 1);
  }
  ResetDrawing();
}

void TGame::DrawStones_ActiveField(int flag) {
  if (flag != 0 || PickerOpen) return;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const float x = float(CellX[c][r]), y = float(CellY[c][r]);
      if (PlayMaps.Map[c][r][1] != 0 || !PointerInBox(x, y, 50, 50)) continue;
      drawing::SetAlpha(0.5f);
      TGameColor::SetGameColor("ACTIVE_FIELD");
      drawing::DrawRect(x, y, 51, 51);
      ResetDrawing();
      break;  // one per column
    }
}

std::string PlayTimeText(int elapsedMs) {
  int64_t seconds = std::max(elapsedMs, 0) / 1000;
  const int64_t minutes = seconds / 60;
  seconds -= 60 * minutes;
  return TwoDigits(minutes) + ":" + TwoDigits(seconds);
}

void TGame::DrawPlayTime(float x, float y) {
  const std::string text = PlayTimeText(PlayedMs(drawing::MilliSecs()));
  drawing::SetImageFont(FontBold20);
  drawing::SetAlpha(0.3f);
  drawing::SetColor(0, 0, 0);
  drawing::DrawText(text, x + 2, y + 2);
  drawing::SetAlpha(0.8f);
  TGameColor::SetGameColor("TIME");
  drawing::DrawText(text, x, y);
  ResetDrawing();
  drawing::SetImageFont(FontBold12);
}

void TGame::DrawHighScore(float x, float y) {
  TGameColor::SetGameColor("HIGHSCORE");
  DrawScoreLines(x, y, [](const THighscoreItem&) {});
}

void TGame::Draw_BaseGame() {
  drawing::SetColor(255, 255, 255);
  if (ScreenWidth != 800) drawing::Cls();
  DrawSprite("background");
  drawing::SetViewport(0, 0, ScreenWidth, ScreenHeight);
  TParticleEffect::DrawAll(0);

  const int now = drawing::MilliSecs();
  if (MixItActivated) {
    DrawSprite("mixit_bg");
    const TSpritesPtr front = Sprite("mixit_front");
    const TSpritesPtr mark = Sprite("mixit_mark");
    if (front && mark && MixItTime != 0) {
      const float left = float(ClockDifference(MixItTimer, now)) / float(MixItTime);
      const float w = 100.0f * (1.0f - left);
      drawing::SetViewport(TruncToInt(front->x + 10), TruncToInt(front->y + 2), front->frameW - 20,
                           front->frameH - 5);
      mark->DrawXadded(w - float(mark->frameW), -1);
      drawing::SetViewport(0, 0, 800, 600);
    }
    DrawSprite("mixit_front", Text("MIXIT"), SmallImageFont);
  }
  DrawLevelBar();
  // Set once a puzzle stands; a game continued early after the clock began
  // has started "before" it, at a negative time.
  if (GameStartTime != 0) DrawPlayTime(99, 409);
  DrawSprite("time", Text("TIME"), SmallImageFont);
  DrawSprite("highscore", Text("HIGHSCORE"), SmallImageFont);
  DrawHighScore(33, 475);
  GameMenu.Draw();
}

int TGame::PlayedLevel() {
  // While a puzzle is being made the seed changes with every attempt.
  if (GameState == GAME_CREATINGGAME) return CurrentLevel;
  const std::pair<int, int> game{CurrentLevel, Sudoku->seed};
  if (Play.playedLevelOf != game || Play.playedLevel == 0) {
    Play.playedLevelOf = game;
    Play.playedLevel = AcceptedLevel(CurrentLevel, Sudoku->seed).value_or(CurrentLevel);
  }
  return Play.playedLevel;
}

void TGame::DrawLevelBar() {
  if (Play.graded && GameState != GAME_CREATINGGAME) {
    // A graded game has no level: its grade stands where the level bar was.
    const auto texts = [](std::string_view key) { return Text(std::string(key)); };
    DrawSprite("level_front", Text("GRADE"), SmallImageFont);
    // Centred in the groove the level mark runs in.
    const TSpritesPtr front = Sprite("level_front");
    const TSpritesPtr mark = Sprite("level_mark");
    const float left = mark ? mark->x : 80, right = front ? front->x + float(front->frameW) : 190;
    const float y = front ? front->y + 9 : 347;
    const std::string grade = logic::GradeText(Play.graded->grade, texts);
    drawing::SetImageFont(FontBold12);
    TGameColor::SetGameColor("HIGHSCORE");
    drawing::DrawText(grade, (left + right - float(drawing::TextWidth(grade))) / 2, y);
    ResetDrawing();
    drawing::SetImageFont(SmallImageFont);
    return;
  }
  const int level = PlayedLevel();
  DrawSprite("level_bg");
  if (const TSpritesPtr mark = Sprite("level_mark")) mark->DrawXadded(float(level) * 95.0f / 9.0f, -1);
  DrawSprite("level_front", Text("LEVEL") + " " + std::to_string(level), SmallImageFont);
}

void TGame::Draw_Running(int flag) {
  (void)flag;
  Draw_BaseGame();
  DrawStones_Preset();
  DrawStones_Proposed();
  DrawStones_ActiveField(0);
  DrawSprite("field");
  DrawStones_Marked();
  DrawStones_Player();
  DrawPlayMarks();
  TParticleEffect::DrawAll(1);
  TGUIobject::DrawAll("InGame", 0);
  // Messages float over the board and the side panel, never under them.
  TTextEffect::DrawAll();
  if (PickerOpen) DrawPicker();
  DrawLevelCode();
  DrawSaveFailure();
  DrawGrade();
  if (GameFinished) DrawResultPanel();
  DrawSideButtonTip();
}

void TGame::DrawPicker() {
  DrawFrameBox(float(PickerX), float(PickerY), 200, 240);
  for (int i = 0; i < 9; ++i) {
    const int bx = PickerX + 19 + (i % 3) * 55;
    const int by = PickerY + 20 + (i / 3) * 55;
    const bool pointed = PointerInBox(float(bx), float(by), 50, 50);
    const int symbol = ReplaceStonesPreview[size_t(i + 1)];
    DrawStones(GetStoneFrame(symbol), bx, by, 255, 255, pointed ? 110 : 255, nullptr);
  }
  TGUIobject::DrawAll("SelectionMenu", 0);
}

void TGame::DrawLevelCode() {
  const int stoneSet = CurrentSkin ? CurrentSkin->ActiveStoneSkin : 0;
  const std::string text = "LevelCode:" + FormGameCode(CurrentLevel, stoneSet, Sudoku->seed, Play.graded);
  drawing::SetImageFont(FontBold12);
  DrawShadowedText(text, 20, 570, 2, 2, 0.3f);
  drawing::SetImageFont(SmallImageFont);
}

void TGame::DrawResultPanel() {
  for (int i = 1; i <= 4; ++i) {
    drawing::SetAlpha(0.2f * float(i + 1));
    const float x = float(150 + 30 * i), y = float(50 + 20 * i);
    DrawFrameBox(x, y, 800 - 2 * x, 600 - 2 * y);
  }
  ResetDrawing();
  const std::string key = GameScore != 0 ? "YOUSOLVEDTHEGRIDLET" : "THEGRIDLETWASSOLVEDFORYOU";
  const std::string message = ReplaceAll(Text(key), "\\n", "\r \r");
  Functions::BlockText(message, 285, 185, 220, 100, 1, SmallImageFont, 255, 255, 255, 0);
  const std::string score = GameScore != 0 ? std::to_string(GameScore) : Text("NONE");
  Functions::BlockText(Text("SCORE") + ": " + score, 285, 270, 220, 100, 1, SmallImageFont, 255, 255, 255, 0);
  drawing::DrawText(Text("HIGHSCORE") + ":", 350, 310);
  DrawScoreLines(330, 335, [](const THighscoreItem& item) {
    // Light on the dark box, the player's own lines in gold.
    const bool mine = item.score == GameScore && item.name == PlayerName;
    drawing::SetColor(255, mine ? 226 : 255, mine ? 130 : 255);
  });
  ResetDrawing();
  drawing::SetImageFont(FontBold12);
}

void TGameMenu::Draw() {
  TGUIobject::DrawAll("InGame", 0);
  drawing::DrawImage(BlankImage, 15, 178, 0);
}
