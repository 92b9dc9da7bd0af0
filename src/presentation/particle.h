// One particle of an effect: a sprite's image drawn at its own position,
// size, spin, tint and fading.
#pragma once

#include <memory>

#include "drawing/graphics.h"
#include "presentation/sprites.h"

class TParticle {
 public:
  float x = 0, y = 0;  // centre of the image
  float dx = 0, dy = 0;
  int lifetime = 0;
  int colR = 0, colG = 0, colB = 0;
  float alpha = 0;  // above 1 draws as 1 until fading brings it below
  float AlphaDecrease = 0;
  float rotation = 0;  // degrees added per update
  int movetype = 0;    // 0 straight, 1 swaying sideways
  float CurrentRotation = 0;
  float HandleX = 0, HandleY = 0;
  float StartSize = 1, CurrentSize = 1, SizeIncrease = 1;
  TSpritesPtr Image;

  static constexpr int MOVE_STRAIGHT = 0;
  static constexpr int MOVE_SWAY = 1;

  // Not put in any list.
  static std::shared_ptr<TParticle> Create(const TSpritesPtr& image, float x, float y, float dx, float dy,
                                           float rotation, int lifetime, float startSize, float sizeIncrease,
                                           int colR, int colG, int colB, float alpha, float alphaDecrease,
                                           int movetype);

  // One step; 1 while alive, 0 once dead.
  int Update();
  // Leaves colour, alpha and scale as it set them.
  void Draw() const;

 protected:
  // The settings a particle and a floating text share.
  void SetUp(float x, float y, float dx, float dy, float rotation, int lifetime, float startSize, float sizeIncrease,
             int colR, int colG, int colB, float alpha, float alphaDecrease);
  // Everything of one step but the horizontal movement.
  void StepRest();
  // Alpha, colour and scale of the drawing state for this particle.
  void ApplyLook() const;
  // Calls draw with the particle's rotation set, if it has one.
  template <class DrawCall>
  void DrawRotated(DrawCall&& draw) const;
};

template <class DrawCall>
void TParticle::DrawRotated(DrawCall&& draw) const {
  if (CurrentRotation != 0) {
    drawing::SetRotation(CurrentRotation);
    draw();
    drawing::SetRotation(0);
  } else {
    draw();
  }
}
using TParticlePtr = std::shared_ptr<TParticle>;

// Sine of a whole number of degrees, from a table of 0 to 99 degrees.
float SineOfDegrees(int degrees);
