#include "presentation/text_effect.h"

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
  effect->SetUp(x, y, dx, dy, rotation, lifetime, startSize, sizeIncrease, colR, colG, colB, alpha, alphaDecrease);
  All().Append(effect);
  return effect;
}

int TTextEffect::Update() {
  x += dx;
  StepRest();
  if (lifetime <= 0) {
    All().Remove(this);
    return 0;
  }
  return 1;
}

void TTextEffect::Draw() const {
  ApplyLook();
  drawing::SetImageFont(font);
  DrawRotated([this] { drawing::DrawText(textvalue, x, y); });
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
