// The desktop's own display mode: the size a full screen can take without
// changing the display's mode.
#pragma once

namespace drawing {

// False (and zeros) when no display can be asked.
bool DesktopMode(int& width, int& height, int& depth, int& hertz);

}  // namespace drawing
