// What the play screen draws over the stones: notes in a 3 x 3 layout with
// the stone set's own symbols, the highlighted digit, repeated digits and
// the keyboard's selection frame; then the controls under the board.
#include <algorithm>
#include <string>

#include "drawing/graphics.h"
#include "presentation/game_color.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"

namespace {

constexpr int kStoneSize = 50;
constexpr int kNotePitch = 16;  // a third of a stone, so digit d has its own place
// A note's small stone fills its place; its symbol, drawn inset by 2 pixels
// on a full stone, is stretched to the small stone's whole size.
constexpr float kNoteScale = float(kNotePitch) / float(kStoneSize);
constexpr float kNoteSymbolScale = float(kNotePitch) / float(kStoneSize - 4);

// A frame of the given thickness just inside the box.
void DrawFrame(float x, float y, float size, float thickness) {
  drawing::DrawRect(x, y, size, thickness);
  drawing::DrawRect(x, y + size - thickness, size, thickness);
  drawing::DrawRect(x, y + thickness, thickness, size - 2 * thickness);
  drawing::DrawRect(x + size - thickness, y + thickness, thickness, size - 2 * thickness);
}

// A frame of dashes just inside the box: a conflict reads as broken even
// to a player who cannot tell its colour from the selection's.
void DrawDashedFrame(float x, float y, float size, float thickness) {
  constexpr float kDash = 6, kGap = 4;
  for (float along = 0; along < size; along += kDash + kGap) {
    const float len = std::min(kDash, size - along);
    drawing::DrawRect(x + along, y, len, thickness);
    drawing::DrawRect(x + along, y + size - thickness, len, thickness);
    drawing::DrawRect(x, y + along, thickness, len);
    drawing::DrawRect(x + size - thickness, y + along, thickness, len);
  }
}

// Only the four corners of a frame, as brackets: the keyboard's selection.
void DrawCornerBrackets(float x, float y, float size, float thickness) {
  const float arm = size * 0.3f;
  const float far = size - thickness;
  for (const float cx : {x, x + far})
    for (const float cy : {y, y + far}) {
      const float hx = cx == x ? x : x + size - arm;  // the arm along the row
      const float vy = cy == y ? y : y + size - arm;  // the arm along the column
      drawing::DrawRect(hx, cy, arm, thickness);
      drawing::DrawRect(cx, vy, thickness, arm);
    }
}

// A note as the number of its symbol, centred in its place, so notes read
// alike in every stone set (and follow a Mix It shuffle like the symbols).
void DrawNumeralNote(int symbol, float x, float y) {
  const std::string text = std::to_string(symbol);
  const drawing::ImageFontPtr previous = drawing::GetImageFont();
  drawing::SetImageFont(FontBold12);
  const float tx = x + float(kNotePitch - drawing::TextWidth(text)) / 2;
  const float ty = y + float(kNotePitch - drawing::TextHeight(text)) / 2;
  SetMarkColour("NOTES", 240, 244, 250);
  drawing::DrawText(text, tx, ty);
  ResetDrawing();
  drawing::SetImageFont(previous);
}

}  // namespace

// A wrong stone's top right corner is struck off: a dark triangle with a
// light edge, seen in any colour and on any stone.
void DrawWrongStoneMark(float x, float y) {
  constexpr float kCorner = 18;
  const float right = x + kStoneSize - 3, top = y + 3;
  drawing::SetColor(40, 8, 20);
  drawing::SetAlpha(0.9f);
  drawing::DrawPoly({right - kCorner, top, right, top, right, top + kCorner});
  drawing::SetColor(255, 255, 255);
  drawing::SetLineWidth(2);
  drawing::DrawLine(right - kCorner, top, right, top + kCorner);
  drawing::SetLineWidth(1);
  ResetDrawing();
}

void TGame::DrawPlayMarks() {
  const TStoneSkinPtr stones = CurrentSkin ? CurrentSkin->getActiveStoneSkin() : nullptr;
  const TPlayBoard& board = Play.board;
  int highlight = 0;
  if (Preferences.highlight) {
    if (HoverColumn >= 0) highlight = PlayMaps.Map[HoverColumn][HoverRow][0];
    if (highlight == 0 && Play.keyboardUsed) highlight = PlayMaps.Map[board.SelectedColumn()][board.SelectedRow()][0];
  }
  const auto conflicts = board.Conflicts();

  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const float x = float(CellX[c][r]), y = float(CellY[c][r]);
      const PlayCell cell = board.Cell(c, r);
      if (highlight != 0 && cell.digit == highlight) {
        SetMarkColour("HIGHLIGHT", 255, 236, 150);
        drawing::SetAlpha(0.3f);
        drawing::DrawRect(x, y, kStoneSize, kStoneSize);
        drawing::SetAlpha(0.9f);
        DrawFrame(x, y, kStoneSize, 2);
        ResetDrawing();
      }
      if (Preferences.showConflicts && conflicts[size_t(c)][size_t(r)]) {
        SetMarkColour("CONFLICT", 235, 70, 70);
        drawing::SetAlpha(0.9f);
        DrawDashedFrame(x + 3, y + 3, kStoneSize - 6, 3);
        ResetDrawing();
      }
      if (cell.digit != 0 || cell.notes == 0 || !stones || !stones->Image) continue;
      for (int d = 1; d <= 9; ++d) {
        if ((cell.notes & NoteBit(d)) == 0) continue;
        const float nx = x + 2 + float((d - 1) % 3 * kNotePitch);
        const float ny = y + 2 + float((d - 1) / 3 * kNotePitch);
        if (d == highlight) {
          SetMarkColour("HIGHLIGHT", 255, 236, 150);
          drawing::DrawRect(nx - 1, ny - 1, kNotePitch + 1, kNotePitch + 1);
          ResetDrawing();
        }
        const int symbol = SymbolOf(c, r, d);
        if (Preferences.numeralNotes) {
          DrawNumeralNote(symbol, nx, ny);
          continue;
        }
        // A small stone: the symbols are drawn for the stone's background.
        const int frame = GetStoneFrame(symbol);
        drawing::SetScale(kNoteScale, kNoteScale);
        if (stones->BGImage) stones->BGImage->Draw(int(nx), int(ny), 0);
        if (frame >= 0) {
          drawing::SetScale(kNoteSymbolScale, kNoteSymbolScale);
          stones->Image->Draw(int(nx + float(StoneDisplaceX) * kNoteSymbolScale),
                              int(ny + float(StoneDisplaceY) * kNoteSymbolScale), frame);
          drawing::SetScale(kNoteScale, kNoteScale);
        }
        if (stones->BGImage) stones->BGImage->Draw(int(nx), int(ny), 1);
        drawing::SetScale(1, 1);
      }
    }

  if (Play.keyboardUsed) {
    const float x = float(CellX[board.SelectedColumn()][board.SelectedRow()]);
    const float y = float(CellY[board.SelectedColumn()][board.SelectedRow()]);
    SetMarkColour("SELECTION", 120, 200, 255);
    DrawCornerBrackets(x - 1, y - 1, kStoneSize + 2, board.notesMode ? 2 : 3);
    ResetDrawing();
  }
  DrawCoach();
  DrawPlayControls(Play);
}
