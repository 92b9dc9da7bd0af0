#include "drawing/x_errors.h"

#include <SDL.h>
#include <dlfcn.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "drawing/input.h"
#include "drawing/messages.h"

#if __has_include(<X11/Xlib.h>)
#include <X11/Xlib.h>
#define GRIDLET_HAS_X11 1
#endif

namespace drawing {

namespace {

std::atomic<bool> g_window_lost{false};
std::atomic<void (*)()> g_display_lost_handler{nullptr};

#ifdef GRIDLET_HAS_X11
void ReportXRequestFailed() {
  if (!g_window_lost.exchange(true)) Print("the window is gone; closing");
}

[[noreturn]] void ReportXConnectionLost() {
  Print("the connection to the display is lost; saving and closing");
  if (void (*handler)() = g_display_lost_handler.load()) handler();
  std::fflush(stdout);
  // Static destructors and atexit handlers would talk to the dead display.
  _exit(0);
}

// Xlib is SDL's and loaded by it; looked up at run time so the game needs
// no X library of its own and runs where SDL uses another video driver.
using ErrorHandler = int (*)(Display*, XErrorEvent*);
using IOErrorHandler = int (*)(Display*);
using SetErrorHandlerFn = ErrorHandler (*)(ErrorHandler);
using SetIOErrorHandlerFn = IOErrorHandler (*)(IOErrorHandler);

int OnXError(Display*, XErrorEvent*) {
  ReportXRequestFailed();
  return 0;
}

int OnXIOError(Display*) { ReportXConnectionLost(); }

bool UsesX11() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver && SDL_strcmp(driver, "x11") == 0;
}
#endif

}  // namespace

void WatchXErrors() {
#ifdef GRIDLET_HAS_X11
  static bool watching = false;
  if (watching || !UsesX11()) return;
  void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
  if (!xlib) return;
  auto setError = reinterpret_cast<SetErrorHandlerFn>(dlsym(xlib, "XSetErrorHandler"));
  auto setIOError = reinterpret_cast<SetIOErrorHandlerFn>(dlsym(xlib, "XSetIOErrorHandler"));
  if (setError) setError(OnXError);
  if (setIOError) setIOError(OnXIOError);
  watching = setError || setIOError;
  // Xlib stays loaded as long as SDL uses it.
  dlclose(xlib);
#endif
}

bool XWindowLost() { return g_window_lost.load(); }

void SetDisplayLostHandler(void (*handler)()) { g_display_lost_handler.store(handler); }

}  // namespace drawing
