#include "drawing/messages.h"

#include <SDL.h>

#include <cstdio>


namespace drawing {

namespace {
std::function<void(const std::string&, bool)> g_notify_hook;
std::function<void(const std::string&)> g_print_hook;
bool g_display_available = false;
}  // namespace

void SetDisplayAvailable(bool available) { g_display_available = available; }

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
  if (g_display_available) {
    Uint32 kind = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    if (SDL_ShowSimpleMessageBox(kind, "Gridlet", text.c_str(), nullptr) == 0) return;
  }
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

}  // namespace drawing
