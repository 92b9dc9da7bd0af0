// Internal: SDL scancodes to the game's virtual-key codes.
#pragma once

namespace drawing {

// The virtual-key code of a physical key (US positions), 0 when it has none.
int VirtualKeyFromScancode(int scancode);

}  // namespace drawing
