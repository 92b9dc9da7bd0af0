#include "shell/entry.h"

#include <cstdio>
#include <memory>

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "shell/placeholder_game.h"
#include "widgets/game_graphics.h"
#include "widgets/input_trackers.h"

namespace {

// The shell's pointer when "gfx/cursor.png" is missing: a plain arrow in
// each of the three frames.
drawing::ImagePtr FallbackCursor() {
  auto image = drawing::CreateImage(32, 32, 3, drawing::FILTEREDIMAGE);
  for (int f = 0; f < 3; ++f) {
    auto pix = drawing::LockImage(image, f);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x <= y / 2 + 1 && x < 12; ++x) {
        bool edge = x == 0 || x == y / 2 + 1 || y == 19;
        pix->WritePixel(x + 7, y, edge ? drawing::ARGB(255, 20, 20, 28) : drawing::ARGB(255, 250, 250, 250));
      }
    drawing::UnlockImage(image, f);
  }
  return image;
}

}  // namespace

int RunGame() {
  static bool started = false;
  if (started) return 0;
  started = true;

  for (int code = 0; code < 256; ++code) KeyWrapper.allowKey(code, 3, 600, 100);
  drawing::SetWindowTitle("Gridlet");
  drawing::SetGraphicsDriver(drawing::DRIVER_OPENGL);
  if (!drawing::Graphics(800, 600, 0, 60, 0)) {
    std::fprintf(stderr, "Graphics initiation error! The game will try to open in DirectX 7 with userdefined resolution mode.\n");
    return -1;
  }
  GameGraphics.Set(800, 600, 150, 0);
  drawing::SetBlend(drawing::ALPHABLEND);
  drawing::HideMouse();
  CursorImage = drawing::LoadAnimImage("gfx/cursor.png", 32, 32, 0, 3, drawing::FILTEREDIMAGE);
  if (!CursorImage) CursorImage = FallbackCursor();

  auto game = std::make_unique<TPlaceholderGame>();
  drawing::Cls();
  if (QuitGame != 1 && !drawing::AppTerminate()) game->GameLoop();
  drawing::EndGraphics();
  return 0;
}
