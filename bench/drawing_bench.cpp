// Frame cost of the drawing layer: 500 textured, tinted, alpha-blended
// quads plus 200 glyphs in an 800 x 600 frame, on the software renderer and
// (when a display is available) on OpenGL; and the main loop's idle CPU.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <string>

#include "drawing/font.h"
#include "drawing/graphics.h"
#include "drawing/input.h"
#include "shell/base_game.h"

namespace {

constexpr double kFrameBudgetMs = 1000.0 / 30.0;

drawing::ImagePtr StoneLikeImage() {
  auto pix = drawing::Pixmap::Create(52, 52);
  for (int y = 0; y < 52; ++y)
    for (int x = 0; x < 52; ++x) {
      int dx = x - 26, dy = y - 26;
      int a = dx * dx + dy * dy < 24 * 24 ? 230 : 40;
      pix->WritePixel(x, y, drawing::ARGB(a, 200 + x, 180 + y, 120));
    }
  return drawing::LoadImageFromPixmap(*pix, drawing::FILTEREDIMAGE);
}

drawing::ImageFontPtr TextFont() {
  auto font = drawing::LoadImageFont("/usr/share/fonts/truetype/ttf-bitstream-vera/Vera.ttf", 12, drawing::SMOOTHFONT);
  return font ? font : drawing::DefaultImageFont();
}

void DrawScene(const drawing::ImagePtr& image, const drawing::ImageFontPtr& font) {
  using namespace drawing;
  SetBlend(ALPHABLEND);
  Cls();
  for (int i = 0; i < 500; ++i) {
    SetColor(150 + i % 100, 200 - i % 50, 255 - i % 90);
    SetAlpha(0.5f + float(i % 5) / 10.0f);
    DrawImage(image, float((i * 37) % 748), float((i * 53) % 548));
  }
  SetAlpha(1);
  SetColor(255, 255, 255);
  SetImageFont(font);
  const std::string line = "The quick brown fox jumps over the lazy";  // 40 glyphs
  for (int row = 0; row < 5; ++row) DrawText(line, 20, float(20 + row * 16));
  Flip(0);
}

void RunFrames(benchmark::State& state, int driver) {
  drawing::SetGraphicsDriver(driver);
  if (!drawing::Graphics(800, 600, 0)) {
    state.SkipWithError("graphics cannot be opened here (no display?)");
    return;
  }
  auto image = StoneLikeImage();
  auto font = TextFont();
  DrawScene(image, font);  // textures and glyphs made once, as in the game
  for (auto _ : state) {
    DrawScene(image, font);
    // Make the GPU finish the frame, so its cost is counted.
    if (driver == drawing::DRIVER_OPENGL) benchmark::DoNotOptimize(drawing::GrabPixmap(0, 0, 1, 1));
  }
  drawing::EndGraphics();
}

void BM_Frame500QuadsAnd200Glyphs_Software(benchmark::State& state) { RunFrames(state, drawing::DRIVER_SOFTWARE); }
void BM_Frame500QuadsAnd200Glyphs_OpenGL(benchmark::State& state) { RunFrames(state, drawing::DRIVER_OPENGL); }

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A game that does nothing: what the loop costs while it mostly waits.
class IdleGame : public TBaseGame {
 public:
  std::chrono::steady_clock::time_point end;
  void Update() override {
    if (std::chrono::steady_clock::now() >= end) QuitGame = 1;
  }
  void Draw(int) override {}
};

void BM_LoopIdleCpuShare(benchmark::State& state) {
  drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE);
  drawing::Graphics(800, 600, 0);
  for (auto _ : state) {
    IdleGame game;
    QuitGame = 0;
    TBaseGame::ResetLoopTiming();
    auto start = std::chrono::steady_clock::now();
    game.end = start + std::chrono::seconds(2);
    double cpu0 = CpuSeconds();
    game.GameLoop();
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["cpu_share_percent"] = 100.0 * (CpuSeconds() - cpu0) / wall;
  }
  drawing::EndGraphics();
}

}  // namespace

BENCHMARK(BM_Frame500QuadsAnd200Glyphs_Software)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frame500QuadsAnd200Glyphs_OpenGL)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoopIdleCpuShare)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("Frame budget: %.1f ms (30 frames per second)\n", kFrameBudgetMs);
  return 0;
}
