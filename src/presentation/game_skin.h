// Themes: a folder under "themes/" with a "config.xml" naming every picture
// of the game's screens, the two bitmap fonts, up to four stone sets, the
// named colours and one ambient effect. "themes/base" is both the default
// theme and the fallback for pictures a theme lacks.
#pragma once

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "drawing/font.h"
#include "drawing/image.h"
#include "presentation/game_color.h"
#include "presentation/sprites_pack.h"
#include "presentation/stone_skin.h"

class xmlDocument;
class xmlNode;
class TPX_SpritePack;

// Raised when a theme cannot be loaded; what() is the message alone.
class ThemeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TGameSkin {
 public:
  static constexpr const char* kBaseTheme = "themes/base";

  std::string title = "Default Skin";
  std::string author = "x", version = "x", date_from = "x", date_update = "x", author_url = "x";
  std::string skinpath = "themes/base/";
  TSpritesPackPtr SpritesPack;
  std::array<TStoneSkinPtr, 4> StoneSkin{};  // slot n - 1 holds STONESn
  int ActiveStoneSkin = 0;                   // 1-based; 0 before the first choice
  int SkinID = 0;
  drawing::ImageFontPtr ImageFont, SmallImageFont;
  TGameColorPtr Color;

  int effect1_enabled = 0;
  drawing::ImagePtr effect1_image;
  std::string effect1_type;
  int effect1_amount = 0;
  int effect1_time = 0;  // 0 to kMaxEffectTime
  int effect1_timer = 0;
  int effect1_particlelifetime = 250;

  // Spawns further apart than a minute would hardly ever be seen; the cap
  // keeps the spawn clock and the group lifetimes far from the int limit.
  static constexpr int kMaxEffectTime = 60000;

  // A new theme with defaults and an empty sprite pack, appended to the theme list.
  static std::shared_ptr<TGameSkin> Create(const std::string& path);
  // Every folder under "themes" holding a "config.xml" becomes a theme (info only).
  static void LoadThemeList();
  static std::vector<std::shared_ptr<TGameSkin>>& ThemeList();
  // Makes the first listed theme with that id current; nothing is loaded.
  static void SetSkinByID(int id);
  // Widget pictures and the nine-part frame pack from the current theme.
  static void RefreshImages();
  // Switches the game to another theme, loading it completely. The stone
  // set in use stays when the new theme has it, else it becomes set 1.
  static void ChangeToSkin(int id);
  // The pack drawn as framed boxes, rebuilt by RefreshImages.
  static std::shared_ptr<TPX_SpritePack>& FramePack();

  TStoneSkinPtr getActiveStoneSkin() const;
  void SetActiveStoneSkin(int n);
  // Whether stone set n (1 to 4) is there with its pictures.
  bool HasStoneSet(int n) const;
  std::string ReplaceVariables(const std::string& text) const;

  // Reads skinpath + "/config.xml". Throws ThemeError for a missing root,
  // "info" or "settings" and for a font that does not load, xmlError for a
  // file that cannot be read.
  void LoadConfig(int infoOnly);
  // The same for a document already read.
  void LoadConfigDocument(const xmlDocument& document, int infoOnly);

  TSpritesPtr XML_LoadSprite(const std::shared_ptr<xmlNode>& node, const std::string& name,
                             const std::string& defaultFile, int defaultFrames, int defaultFrameW, int defaultFrameH,
                             bool big, bool reuse);
  void XML_LoadEffect(const std::shared_ptr<xmlNode>& node, const std::string& name);
  void XML_LoadStones(const std::shared_ptr<xmlNode>& node, const std::string& name);
  static void XML_LoadColorAttributes(const std::shared_ptr<xmlNode>& node, int& r, int& g, int& b);
  void XML_LoadColors(const std::shared_ptr<xmlNode>& node);

 private:
  void LoadSettingsElement(const std::shared_ptr<xmlNode>& element);
};
using TGameSkinPtr = std::shared_ptr<TGameSkin>;

// The active theme, read by the screens.
extern TGameSkinPtr CurrentSkin;
