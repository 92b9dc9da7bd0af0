// The X server's errors about the game's own window. A window destroyed
// from outside (another client, a window manager's kill) makes the next
// drawing request fail; Xlib's default answer ends the program at once,
// before the game is saved. Here a failed request only asks the game to
// close, and a lost connection saves through the game's handler first.
#pragma once

namespace drawing {

// Takes over Xlib's error handlers once SDL's X11 video is up; idempotent,
// nothing without X11.
void WatchXErrors();
// An X request for the window failed since the watch began.
bool XWindowLost();

}  // namespace drawing
