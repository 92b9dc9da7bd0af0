// What a theme load changes in the widgets: their pictures, their font and
// the captions of the game menu's stone-set buttons. Installed with
// SetThemeHost at start-up; the shell may derive from it to keep its own
// font globals in step.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "presentation/theme_host.h"
#include "widgets/gui_button.h"

class TWidgetThemeHost : public ThemeHost {
 public:
  // The buttons that show stone set n (1 to 4) in slot n - 1.
  std::array<std::weak_ptr<TGUIButton>, 4> StoneSetButtons;

  // A missing picture keeps the one in use.
  void SetWidgetImages(const drawing::ImagePtr& button, const drawing::ImagePtr& slider,
                       const drawing::ImagePtr& input, const drawing::ImagePtr& dropdown) override;
  void SetStoneSetCaption(int n, const std::string& caption) override;
  // The small font becomes every registered widget's font and the default of
  // widgets created later.
  void SetGameFonts(const drawing::ImageFontPtr& smallFont, const drawing::ImageFontPtr& font) override;
};
