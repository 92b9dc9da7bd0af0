#include "drawing/messages.h"

#include <SDL.h>

#include <cstdio>

#include "drawing/graphics.h"

namespace drawing {

namespace {
std::function<void(const std::string&, bool)> g_notify_hook;
std::function<void(const std::string&)> g_print_hook;
}  // namespace

void SetNotifyHook(std::function<void(const std::string&, bool)> hook) { g_notify_hook = std::move(hook); }
void SetPrintHook(std::function<void(const std::string&)> hook) { g_print_hook = std::move(hook); }

void Print(const std::string& text) {
  if (g_print_hook) {
    g_print_hook(text);
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void Notify(const std::string& text, bool serious) {
  if (g_notify_hook) {
    g_notify_hook(text, serious);
    return;
  }
  // A message box needs a display; the software renderer means there is none.
  bool have_display = GraphicsOpen() && GraphicsDriverName() != "Software";
  if (have_display) {
    Uint32 kind = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    if (SDL_ShowSimpleMessageBox(kind, "Gridlet", text.c_str(), nullptr) == 0) return;
  }
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

}  // namespace drawing
