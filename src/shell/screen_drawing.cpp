#include "shell/screen_drawing.h"

#include "drawing/graphics.h"
#include "drawing/text_runs.h"
#include "presentation/game_color.h"
#include "presentation/game_skin.h"
#include "presentation/px_sprite_pack.h"
#include "shell/play_values.h"
#include "support/functions.h"

TSpritesPtr Sprite(const std::string& name) {
  if (!CurrentSkin || !CurrentSkin->SpritesPack) return nullptr;
  return CurrentSkin->SpritesPack->GetSprite(name);
}

void DrawSprite(const std::string& name, const std::string& text, const drawing::ImageFontPtr& font) {
  if (TSpritesPtr sprite = Sprite(name)) sprite->Draw(-1, -1, -1, text, font);
}

void DrawFrameBox(float x, float y, float width, float height) {
  Functions::DrawGFXRect(TGameSkin::FramePack(), x, y, width, height);
}

void DrawOpaqueFrameBox(float x, float y, float width, float height) {
  DrawFrameBox(x, y, width, height);
  DrawFrameBox(x, y, width, height);
  drawing::CoverTextRuns(TruncToInt(x), TruncToInt(y), TruncToInt(x + width), TruncToInt(y + height));
}

void DrawTitle(const std::string& text, float centreX, float y) {
  drawing::SetImageFont(ImageFont);
  drawing::SetScale(0.65f, 0.55f);
  const int width = TruncToInt(double(drawing::TextWidth(text)) * 0.65);
  drawing::DrawText(text, centreX - float(width / 2), y);
  drawing::SetScale(1, 1);
}

void DrawShadowedText(const std::string& text, float x, float y, float dx, float dy, float shadowAlpha) {
  drawing::SetColor(0, 0, 0);
  drawing::SetAlpha(shadowAlpha);
  drawing::DrawText(text, x + dx, y + dy);
  drawing::SetColor(255, 255, 255);
  drawing::SetAlpha(1);
  drawing::DrawText(text, x, y);
}

void ResetDrawing() {
  drawing::SetAlpha(1);
  drawing::SetColor(255, 255, 255);
  drawing::SetScale(1, 1);
}

void SetMarkColour(const char* name, int r, int g, int b) {
  const TGameColorPtr colour = TGameColor::Find(name);
  if (colour) {
    drawing::SetColor(colour->r, colour->g, colour->b);
  } else {
    drawing::SetColor(r, g, b);
  }
}
