// Per-frame cost of the presentation's heaviest work on the software
// renderer: 1000 snow particles updated and drawn, and a full-screen large
// image drawn. The game draws at most 30 frames a second, so one frame has
// a budget of 33 ms; each benchmark reports its share of that budget.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "drawing/graphics.h"
#include "drawing/image.h"
#include "presentation/big_image.h"
#include "presentation/game_skin.h"
#include "presentation/particle_effect.h"

namespace {

constexpr double kFrameBudgetMs = 1000.0 / 30.0;

// Process time per frame as a percentage of the frame budget.
class BudgetMeter {
 public:
  BudgetMeter() : start_(std::clock()) {}
  void Report(benchmark::State& state) const {
    const double ms = 1000.0 * double(std::clock() - start_) / CLOCKS_PER_SEC;
    state.counters["budget_pct"] = ms / double(std::max<int64_t>(state.iterations(), 1)) / kFrameBudgetMs * 100.0;
  }

 private:
  std::clock_t start_;
};

void OpenGraphics() {
  drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE);
  drawing::Graphics(800, 600, 0);
  drawing::SetBlend(drawing::ALPHABLEND);
}

// A theme whose "particle1" is a soft 16 x 16 flake.
void UseParticleTheme() {
  CurrentSkin = TGameSkin::Create("themes/bench");
  drawing::PixmapPtr flake = drawing::Pixmap::Create(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const int d = (x - 8) * (x - 8) + (y - 8) * (y - 8);
      flake->WritePixel(x, y, d < 64 ? drawing::ARGB(255 - d * 3, 255, 255, 255) : 0);
    }
  CurrentSkin->SpritesPack->AddSprite(drawing::LoadImageFromPixmap(*flake, drawing::FILTEREDIMAGE), "", "particle1",
                                      0, 0, 0, 0, 0, 0, -1, 0, 0);
}

// Two groups of 500 particles each, as the play screen makes them, refilled
// whenever the update rules have dropped them. They sway but do not fall, so
// every one of them stays on the screen and is drawn in every frame.
void KeepSnowFalling() {
  if (!TParticleEffect::All().Empty()) return;
  auto effect = TParticleEffect::Create(500, 0);
  for (int group = 0; group < 2; ++group) {
    auto snow = TParticleEffect::Create(100000, 0);
    for (int i = 0; i < 500; ++i) {
      snow->Particles.Append(TParticle::Create(CurrentSkin->SpritesPack->GetSprite("particle1"), float(50 + i % 700),
                                               float(i % 600), 0.3f, 0.0f, 2, 100000, 1.0f, 1.0f, 255, 255, 255, 1.0f,
                                               1.0f, TParticle::MOVE_SWAY));
    }
    effect->SubEffects.Append(snow);
  }
  effect->lifetime = 100000;
}

void BM_SnowThousandParticles(benchmark::State& state) {
  OpenGraphics();
  UseParticleTheme();
  TParticleEffect::All().Clear();
  const BudgetMeter meter;
  for (auto _ : state) {
    KeepSnowFalling();
    TParticleEffect::UpdateAll(0);
    drawing::Cls();
    TParticleEffect::DrawAll(0);
  }
  meter.Report(state);
  TParticleEffect::All().Clear();
  drawing::EndGraphics();
}
BENCHMARK(BM_SnowThousandParticles)->Unit(benchmark::kMillisecond);

void BM_FullScreenLargeImage(benchmark::State& state) {
  OpenGraphics();
  drawing::PixmapPtr picture = drawing::Pixmap::Create(800, 600);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) picture->WritePixel(x, y, drawing::ARGB(255, x & 255, y & 255, (x + y) & 255));
  auto big = TBigImage::create(picture);
  const BudgetMeter meter;
  for (auto _ : state) {
    drawing::Cls();
    benchmark::DoNotOptimize(big->render(0, 0, 1));
  }
  meter.Report(state);
  drawing::EndGraphics();
}
BENCHMARK(BM_FullScreenLargeImage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
