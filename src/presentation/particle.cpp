#include "presentation/particle.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "drawing/graphics.h"
#include "support/text_util.h"

namespace {

constexpr int kSineEntries = 100;

const std::array<float, kSineEntries>& SineTable() {
  static const std::array<float, kSineEntries> table = [] {
    std::array<float, kSineEntries> values{};
    for (int i = 0; i < kSineEntries; ++i) values[size_t(i)] = float(std::sin(i * std::numbers::pi / 180.0));
    return values;
  }();
  return table;
}

}  // namespace

float SineOfDegrees(int degrees) {
  if (degrees >= 0 && degrees < kSineEntries) return SineTable()[size_t(degrees)];
  // Only particles far below the screen get here; the table would end.
  return float(std::sin(double(degrees) * std::numbers::pi / 180.0));
}

void TParticle::SetUp(float at_x, float at_y, float move_x, float move_y, float spin, int life, float startSize,
                      float sizeIncrease, int r, int g, int b, float startAlpha, float alphaDecrease) {
  x = at_x;
  y = at_y;
  dx = move_x;
  dy = move_y;
  rotation = spin;
  lifetime = life;
  StartSize = startSize;
  CurrentSize = startSize;
  SizeIncrease = sizeIncrease;
  colR = r;
  colG = g;
  colB = b;
  alpha = startAlpha;
  AlphaDecrease = alphaDecrease;
}

TParticlePtr TParticle::Create(const TSpritesPtr& image, float x, float y, float dx, float dy, float rotation,
                               int lifetime, float startSize, float sizeIncrease, int colR, int colG, int colB,
                               float alpha, float alphaDecrease, int movetype) {
  SineTable();  // filled before the first particle moves
  auto particle = std::make_shared<TParticle>();
  particle->SetUp(x, y, dx, dy, rotation, lifetime, startSize, sizeIncrease, colR, colG, colB, alpha, alphaDecrease);
  particle->Image = image;
  particle->movetype = movetype;
  if (image) {
    particle->HandleX = float(image->frameW / 2);
    particle->HandleY = float(image->frameH / 2);
  }
  return particle;
}

void TParticle::StepRest() {
  y += dy;
  if (lifetime > std::numeric_limits<int>::min()) lifetime -= 1;
  CurrentSize *= SizeIncrease;
  CurrentRotation += rotation;
  alpha *= AlphaDecrease;
}

void TParticle::ApplyLook() const {
  drawing::SetAlpha(alpha);
  drawing::SetColor(colR, colG, colB);
  drawing::SetScale(CurrentSize, CurrentSize);
}

int TParticle::Update() {
  if (movetype == MOVE_SWAY) {
    // The sway starts once the particle has come down onto the screen.
    const float s = SineOfDegrees(TruncToInt(std::fabs(std::ceil(y / 600.0f))));
    x += dx + s / 2;
  } else if (movetype == MOVE_STRAIGHT) {
    x += dx;
  }
  StepRest();
  const bool left_screen = (x < 0 && dx <= 0) || (x > 800 && dx >= 0);
  return (left_screen || alpha <= 0 || lifetime <= 0) ? 0 : 1;
}

void TParticle::Draw() const {
  ApplyLook();
  if (!Image) return;
  if (Image->image.plain) drawing::SetImageHandle(Image->image.plain, HandleX, HandleY);
  DrawRotated([this] { Image->Draw(TruncToInt(x), TruncToInt(y), -1); });
}
