#include "drawing/desktop.h"

#include <SDL.h>

#include "drawing/graphics.h"

namespace drawing {

bool DesktopMode(int& width, int& height, int& depth, int& hertz) {
  width = height = depth = hertz = 0;
  if (GraphicsDriverName() == "Software") {
    // Headless runs stand for the largest display they list.
    width = 1920, height = 1080, depth = 32, hertz = 60;
    return true;
  }
  if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return false;
  width = mode.w;
  height = mode.h;
  depth = SDL_BITSPERPIXEL(mode.format) > 16 ? 32 : 16;
  hertz = mode.refresh_rate ? mode.refresh_rate : 60;
  return true;
}

}  // namespace drawing
