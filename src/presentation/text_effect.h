// Floating texts: a particle that draws a string in an image font.
#pragma once

#include <memory>
#include <string>

#include "drawing/font.h"
#include "presentation/particle.h"
#include "presentation/walk_safe_list.h"

class TTextEffect : public TParticle {
 public:
  std::string textvalue;
  drawing::ImageFontPtr font;

  static WalkSafeList<TTextEffect>& All();
  // Appended to the global list of text effects, which keeps it alive.
  static std::shared_ptr<TTextEffect> CreateText(const std::string& text, const drawing::ImageFontPtr& font, float x,
                                                 float y, float dx, float dy, float rotation, int lifetime,
                                                 float startSize, float sizeIncrease, int colR, int colG, int colB,
                                                 float alpha, float alphaDecrease);

  // One step; at the end of its lifetime the text leaves the global list and 0 is returned.
  int Update();
  void Draw() const;
  static void UpdateAll();
  // Leaves the image font and alpha as they were.
  static void DrawAll();
};
using TTextEffectPtr = std::shared_ptr<TTextEffect>;
