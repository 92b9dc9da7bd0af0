#include "presentation/text_effect.h"

#include <limits>

#include "drawing/graphics.h"

WalkSafeList<TTextEffect>& TTextEffect::All() {
  static WalkSafeList<TTextEffect> all;
  return all;
}

TTextEffectPtr TTextEffect::CreateText(const std::string& text, const drawing::ImageFontPtr& font, float x, float y,
                                       float dx, float dy, float rotation, int lifetime, float startSize,
                                       float sizeIncrease, int colR, int colG, int colB, float alpha,
                                       float alphaDecrease) {
  auto effect = std::make_shared<TTextEffect>();
  effect->textvalue = text;
  effect->font = font;
  effect->x = x;
  effect->y = y;
  effect->dx = dx;
  effect->dy = dy;
  effect->rotation = rotation;
  effect->lifetime = lifetime;
  effect->StartSize = startSize;
  effect->CurrentSize = startSize;
  effect->SizeIncrease = sizeIncrease;
  effect->colR = colR;
  effect->colG = colG;
  effect->colB = colB;
  effect->alpha = alpha;
  effect->AlphaDecrease = alphaDecrease;
  All().Append(effect);
  return effect;
}

int TTextEffect::Update() {
  x += dx;
  y += dy;
  if (lifetime > std::numeric_limits<int>::min()) lifetime -= 1;
  CurrentSize *= SizeIncrease;
  CurrentRotation += rotation;
  alpha *= AlphaDecrease;
  if (lifetime <= 0) {
    All().Remove(this);
    return 0;
  }
  return 1;
}

void TTextEffect::Draw() const {
  drawing::SetAlpha(alpha);
  drawing::SetColor(colR, colG, colB);
  drawing::SetScale(CurrentSize, CurrentSize);
  drawing::SetImageFont(font);
  if (CurrentRotation != 0) {
    drawing::SetRotation(CurrentRotation);
    drawing::DrawText(textvalue, x, y);
    drawing::SetRotation(0);
  } else {
    drawing::DrawText(textvalue, x, y);
  }
  drawing::SetScale(1, 1);
}

void TTextEffect::UpdateAll() {
  All().Walk([](const TTextEffectPtr& effect, size_t) { effect->Update(); });
}

void TTextEffect::DrawAll() {
  const float alpha = drawing::GetAlpha();
  const drawing::ImageFontPtr font = drawing::GetImageFont();
  All().Walk([](const TTextEffectPtr& effect, size_t) { effect->Draw(); });
  drawing::SetImageFont(font);
  drawing::SetAlpha(alpha);
}
