#include "shell/placeholder_game.h"

#include <cmath>

#include "drawing/graphics.h"
#include "widgets/game_graphics.h"

namespace {

// The board geometry of the play screen: 52-pixel cells, 4-pixel block gaps.
int CellPos(int base, int i) { return base + 52 * i + 4 * (i / 3); }

}  // namespace

TPlaceholderGame::TPlaceholderGame() {
  title_font_ = drawing::LoadImageFont("gfx/VeraBd.ttf", 28, drawing::SMOOTHFONT | drawing::BOLDFONT);
  text_font_ = drawing::LoadImageFont("gfx/Vera.ttf", 12, drawing::SMOOTHFONT);
}

void TPlaceholderGame::Update() {
  ++ticks_;
  CursorMode = 1;
  hover_col_ = hover_row_ = -1;
  int mx = GameGraphics.MouseX(), my = GameGraphics.MouseY();
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      int x = CellPos(250, c), y = CellPos(75, r);
      if (mx >= x && mx < x + 52 && my >= y && my < y + 52) {
        hover_col_ = c;
        hover_row_ = r;
        CursorMode = 0;
      }
    }
}

void TPlaceholderGame::Draw(int flag) {
  (void)flag;
  using namespace drawing;
  SetClsColor(24, 30, 44);
  Cls();
  SetBlend(ALPHABLEND);
  // A calm vertical gradient.
  for (int y = 0; y < 600; y += 4) {
    SetColor(30 + y / 30, 40 + y / 24, 62 + y / 16);
    DrawRect(0, float(y), 800, 4);
  }
  SetColor(240, 236, 226);
  SetAlpha(0.08f);
  DrawRect(240, 65, 52 * 9 + 8 + 20, 52 * 9 + 8 + 20);
  SetAlpha(1);
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      bool hover = c == hover_col_ && r == hover_row_;
      float pulse = hover ? 0.75f + 0.25f * float(std::sin(ticks_ * 0.15)) : 1.0f;
      if (hover) {
        SetColor(255, 200, 90);
      } else {
        SetColor(236, 232, 220);
      }
      SetAlpha(pulse);
      DrawRect(float(CellPos(250, c) + 1), float(CellPos(75, r) + 1), 50, 50);
    }
  SetAlpha(1);
  SetImageFont(title_font_);
  SetColor(250, 246, 235);
  DrawText("Gridlet", 40, 40);
  SetImageFont(text_font_);
  SetColor(200, 210, 230);
  DrawText("F12 saves a screenshot.", 40, 100);
  DrawText("Escape ends the program.", 40, 118);
  SetColor(255, 255, 255);
}
