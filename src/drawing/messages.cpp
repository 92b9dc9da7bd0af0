#include "drawing/messages.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
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

// A signal to end the program that came while a box was open; once one came,
// no box opens again.
volatile std::sig_atomic_t g_end_signal = 0;
// The thread that waits for the open box.
volatile pid_t g_box_waiter = 0;

// SDL shows a box through a program of the desktop's or a process of its own,
// a child of the waiting thread, and waits for it however often the program
// is asked to end. Ending that child ends the wait. Only calls that are safe
// in a signal handler.
extern "C" void EndBoxOnSignal(int signal) {
  g_end_signal = signal;
  const int interrupted_errno = errno;  // the waiting thread looks at it
  char path[64];
  size_t at = 0;
  for (const char* c = "/proc/self/task/"; *c; ++c) path[at++] = *c;
  char digits[16];
  int n = 0;
  for (pid_t t = g_box_waiter; t > 0 && n < 15; t /= 10) digits[n++] = char('0' + t % 10);
  while (n > 0) path[at++] = digits[--n];
  for (const char* c = "/children"; *c; ++c) path[at++] = *c;
  path[at] = '\0';
  if (int fd = open(path, O_RDONLY | O_CLOEXEC); fd >= 0) {
    char list[512];
    const ssize_t got = read(fd, list, sizeof list);
    close(fd);
    pid_t child = 0;
    for (ssize_t i = 0; i <= got; ++i) {
      if (i < got && list[i] >= '0' && list[i] <= '9') {
        child = child * 10 + (list[i] - '0');
      } else {
        if (child > 0) kill(child, SIGKILL);
        child = 0;
      }
    }
  }
  errno = interrupted_errno;
}

// The box, or false at once when none can be shown. SIGTERM or SIGINT while
// it is open closes it, then takes its usual effect (SDL's handler asks the
// main loop to end).
bool ShowBoxUntilEndSignal(Uint32 kind, const std::string& text) {
  struct sigaction ending {}, old_term{}, old_int{};
  ending.sa_handler = EndBoxOnSignal;
  sigemptyset(&ending.sa_mask);
  g_box_waiter = gettid();
  sigaction(SIGTERM, &ending, &old_term);
  sigaction(SIGINT, &ending, &old_int);
  const bool shown = SDL_ShowSimpleMessageBox(kind, "Gridlet", text.c_str(), nullptr) == 0;
  sigaction(SIGTERM, &old_term, nullptr);
  sigaction(SIGINT, &old_int, nullptr);
  if (g_end_signal) {
    std::raise(g_end_signal);
    return false;
  }
  return shown;
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
  if (g_display_available && !g_end_signal) {
    Uint32 kind = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    if (ShowBoxUntilEndSignal(kind, text)) return;
  }
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

}  // namespace drawing
