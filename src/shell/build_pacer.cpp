#include "shell/build_pacer.h"

#include <utility>

#include "drawing/input.h"
#include "engine/clock_math.h"
#include "shell/base_game.h"

namespace {

constexpr int kEscapeKey = 27;
constexpr int kFramesPerSecond = 30;

}  // namespace

TBuildPacer::TBuildPacer(std::function<void()> draw) : draw_(std::move(draw)) {}

bool TBuildPacer::operator()(int attempt) {
  (void)attempt;
  const int now = drawing::MilliSecs();
  if (!drawn_ || ClockDifference(now, drawnAt_) * kFramesPerSecond >= 1000) {
    drawn_ = true;
    drawnAt_ = now;
    if (draw_) {
      draw_();
    } else {
      drawing::PollSystem();
    }
  }
  if (drawing::KeyHit(kEscapeKey)) QuitGame = 1;
  return !TBaseGame::EndRequested();
}
