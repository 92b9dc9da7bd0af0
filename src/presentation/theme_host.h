// What a theme hands to the widgets and the game menu, which live in
// subsystems built on top of this one. They register an implementation;
// without one, theme changes touch only the theme itself.
#pragma once

#include <memory>
#include <string>

#include "drawing/font.h"
#include "drawing/image.h"

class ThemeHost {
 public:
  virtual ~ThemeHost() = default;
  // The pictures of buttons, sliders, text inputs and drop-down lists.
  virtual void SetWidgetImages(const drawing::ImagePtr& button, const drawing::ImagePtr& slider,
                               const drawing::ImagePtr& input, const drawing::ImagePtr& dropdown) = 0;
  // Caption of the game menu's button for stone set n (1 to 4).
  virtual void SetStoneSetCaption(int n, const std::string& caption) = 0;
  // The game's two global image fonts; every widget takes the small one.
  virtual void SetGameFonts(const drawing::ImageFontPtr& smallFont, const drawing::ImageFontPtr& font) = 0;
};

void SetThemeHost(std::shared_ptr<ThemeHost> host);
ThemeHost* CurrentThemeHost();
