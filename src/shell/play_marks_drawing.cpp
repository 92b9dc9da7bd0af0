// What the play screen draws over the stones: notes in a 3 x 3 layout with
// the stone set's own symbols, the highlighted digit, repeated digits and
// the keyboard's selection frame; then the controls under the board.
#include <algorithm>

#include "drawing/graphics.h"
#include "presentation/game_color.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"

namespace {

constexpr int kStoneSize = 50;
constexpr int kNotePitch = 16;  // a third of a stone, so digit d has its own place
constexpr float kNoteScale = 0.3f;  // a 50-pixel stone becomes 15 pixels

void SetMarkColour(const char* name, int r, int g, int b) {
  // Themes made before these colours existed fall back to ours.
  const TGameColorPtr colour = TGameColor::Find(name);
  if (colour) {
    drawing::SetColor(colour->r, colour->g, colour->b);
  } else {
    drawing::SetColor(r, g, b);
  }
}

// A frame of the given thickness just inside the box.
void DrawFrame(float x, float y, float size, float thickness) {
  drawing::DrawRect(x, y, size, thickness);
  drawing::DrawRect(x, y + size - thickness, size, thickness);
  drawing::DrawRect(x, y + thickness, thickness, size - 2 * thickness);
  drawing::DrawRect(x + size - thickness, y + thickness, thickness, size - 2 * thickness);
}

}  // namespace

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
        DrawFrame(x + 3, y + 3, kStoneSize - 6, 3);
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
        // A small stone: the symbols are drawn for the stone's background.
        const int frame = GetStoneFrame(SymbolOf(c, r, d));
        drawing::SetScale(kNoteScale, kNoteScale);
        if (stones->BGImage) stones->BGImage->Draw(int(nx), int(ny), 0);
        if (frame >= 0) {
          stones->Image->Draw(int(nx + (2 + float(StoneDisplaceX)) * kNoteScale),
                              int(ny + (2 + float(StoneDisplaceY)) * kNoteScale), frame);
        }
        if (stones->BGImage) stones->BGImage->Draw(int(nx), int(ny), 1);
        drawing::SetScale(1, 1);
      }
    }

  if (Play.keyboardUsed) {
    const float x = float(CellX[board.SelectedColumn()][board.SelectedRow()]);
    const float y = float(CellY[board.SelectedColumn()][board.SelectedRow()]);
    SetMarkColour("SELECTION", 120, 200, 255);
    DrawFrame(x - 1, y - 1, kStoneSize + 2, board.notesMode ? 2 : 3);
    ResetDrawing();
  }
  DrawPlayControls(Play);
}
