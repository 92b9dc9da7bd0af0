// Drawing steps the screens share: theme sprites by name, framed boxes,
// titles and labels with a shadow.
#pragma once

#include <string>

#include "drawing/font.h"
#include "presentation/sprites.h"

// The current theme's sprite of that name (any letter case), or none.
TSpritesPtr Sprite(const std::string& name);
// Draws the sprite at its own position, with an optional caption.
void DrawSprite(const std::string& name, const std::string& text = "", const drawing::ImageFontPtr& font = nullptr);
// A framed box from the theme's frame pictures.
void DrawFrameBox(float x, float y, float width, float height);
// The same box drawn twice, so that a theme's slightly see-through frame
// hides what lies under a dialog (the text under it no longer counts as shown).
void DrawOpaqueFrameBox(float x, float y, float width, float height);
// A menu title in ImageFont at scale (0.65, 0.55), centred on centreX.
void DrawTitle(const std::string& text, float centreX, float y);
// Text drawn in black at shadowAlpha, offset by (dx, dy), then in white.
void DrawShadowedText(const std::string& text, float x, float y, float dx, float dy, float shadowAlpha);
// The theme's colour of that name; themes made before it existed get r, g, b.
void SetMarkColour(const char* name, int r, int g, int b);
// Restores the drawing colour, alpha and scale the screens expect.
void ResetDrawing();
