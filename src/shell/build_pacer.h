// Keeps the screen and the ways out alive while a puzzle is built inside one
// update. The screen (where there is one to draw) is drawn, and the
// window's events are taken in, at most 30 times a second by the drawing
// layer's clock, so that drawing never costs more than the build; a
// headless run, whose clock stands still meanwhile, draws it once. Escape,
// the quit button and the window system's request to end stop the build.
#pragma once

#include <functional>

class TBuildPacer {
 public:
  // `draw` draws the screen and shows it (taking in the window's events);
  // without it only the events are taken in.
  explicit TBuildPacer(std::function<void()> draw = {});
  // Before every attempt of the build: false when it must stop.
  bool operator()(int attempt);

 private:
  std::function<void()> draw_;
  bool drawn_ = false;
  int drawnAt_ = 0;
};
