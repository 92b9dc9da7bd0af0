#include "widgets/gui_frame.h"

#include "drawing/graphics.h"
#include "presentation/px_sprite_pack.h"

void DrawCell(const drawing::ImagePtr& strip, int cell, float x, float y) {
  if (!strip || cell < 0 || cell >= drawing::CountFrames(strip)) return;
  drawing::DrawImage(strip, x, y, cell);
}

void DrawCellClipped(const drawing::ImagePtr& strip, int cell, float x, float y, float clipX, float clipY, float clipW,
                     float clipH) {
  if (!strip || cell < 0 || cell >= drawing::CountFrames(strip) || clipW <= 0 || clipH <= 0) return;
  DrawImageArea(strip, x, y, clipX, clipY, clipW, clipH, 0, 0, cell);
}

namespace {

void DrawFrameRow(const drawing::ImagePtr& strip, int firstCell, int x, int rowY, int clipY, int width, int height) {
  const int cellW = strip->width;
  DrawCell(strip, firstCell, float(x), float(rowY));
  for (int i = 1; i <= (width - cellW) / cellW; ++i) {
    DrawCellClipped(strip, firstCell + 1, float(x + i * cellW), float(rowY), float(x), float(clipY),
                    float(width - cellW), float(height));
  }
  DrawCell(strip, firstCell + 2, float(x + width - cellW), float(rowY));
}

}  // namespace

void DrawThreePartFrame(const drawing::ImagePtr& strip, int state, int x, int y, int width, int height, int rows) {
  // A state set by the game may be anything; only cells of the strip exist.
  if (!strip || strip->width <= 0 || state < 0 || state >= drawing::CountFrames(strip)) return;
  DrawFrameRow(strip, state * 3, x, y, y, width, height);
  if (rows >= 2) DrawFrameRow(strip, state * 3 + 9, x, y + height - strip->height, y, width, height);
}
