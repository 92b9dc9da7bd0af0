#include "drawing/messages.h"

#include <SDL.h>

#include <cstdio>
#include <mutex>


namespace drawing {

namespace {
std::function<void(const std::string&, bool)> g_notify_hook;
std::function<void(const std::string&)> g_print_hook;
bool g_display_available = false;

// The background writer logs its failures from its own thread.
std::mutex& PrintMutex() {
  static std::mutex mutex;
  return mutex;
}
}  // namespace

void SetDisplayAvailable(bool available) { g_display_available = available; }

void SetNotifyHook(std::function<void(const std::string&, bool)> hook) { g_notify_hook = std::move(hook); }
void SetPrintHook(std::function<void(const std::string&)> hook) {
  std::lock_guard lock(PrintMutex());
  g_print_hook = std::move(hook);
}

void Print(const std::string& text) {
  std::lock_guard lock(PrintMutex());
  if (g_print_hook) {
    g_print_hook(text);
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::string LogValue(const std::string& value) {
  std::string shown = value.substr(0, kLoggedValueChars);
  for (char& c : shown)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  if (value.size() > kLoggedValueChars) shown += "... (" + std::to_string(value.size()) + " bytes)";
  return shown;
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
