#include "shell/startup.h"

#include <memory>

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "drawing/picture_variants.h"
#include "engine/random.h"
#include "presentation/game_skin.h"
#include "presentation/image_fonts.h"
#include "presentation/theme_host.h"
#include "shell/game.h"
#include "shell/game_host.h"
#include "shell/game_info.h"
#include "shell/highscore.h"
#include "shell/play_values.h"
#include "shell/preferences.h"
#include "shell/screen_widgets.h"
#include "shell/settings.h"
#include "support/localization.h"
#include "widgets/game_graphics.h"
#include "widgets/gui_resources.h"
#include "widgets/input_trackers.h"
#include "widgets/option_lists.h"
#include "widgets/widget_theme_host.h"

std::shared_ptr<THighscore> Highscores;

namespace {

// Theme loads also renew the game's own two image fonts.
class TShellThemeHost : public TWidgetThemeHost {
 public:
  void SetGameFonts(const drawing::ImageFontPtr& smallFont, const drawing::ImageFontPtr& font) override {
    TWidgetThemeHost::SetGameFonts(smallFont, font);
    if (smallFont) SmallImageFont = smallFont;
    if (font) ImageFont = font;
  }
};

void LoadSharedPictures() {
  LogoImage = drawing::LoadImage("gfx/pxlogo.png", 0);
  LogoEffectImage = drawing::LoadImage("gfx/pxlogo_effect.png", 0);
  BlankImage = drawing::LoadImage("gfx/blank.png", 0);
  CursorImage = drawing::LoadAnimImage("gfx/cursor.png", 32, 32, 0, 3, drawing::FILTEREDIMAGE);
  ImageFont = LoadVantoImageFont("themes/base/imagefont.png", 4, 0);
  SmallImageFont = LoadVantoImageFont("themes/base/smallimagefont.png", 4, 0);
  GUIResources.smallFont = SmallImageFont;
}

void LoadTrueTypeFonts() {
  const int smooth = drawing::SMOOTHFONT;
  const int bold = drawing::SMOOTHFONT | drawing::BOLDFONT;
  Font10 = drawing::LoadImageFont("gfx/Vera.ttf", 10, smooth);
  Font12 = drawing::LoadImageFont("gfx/Vera.ttf", 12, smooth);
  FontBold12 = drawing::LoadImageFont("gfx/VeraBd.ttf", 12, bold);
  FontBold14 = drawing::LoadImageFont("gfx/VeraBd.ttf", 14, bold);
  FontBold16 = drawing::LoadImageFont("gfx/VeraBd.ttf", 16, bold);
  FontBold20 = drawing::LoadImageFont("gfx/VeraBd.ttf", 20, bold);
  GUIResources.textFont = Font12;
}

void LoadStartUpTheme(TShellThemeHost& host) {
  TGameSkin& skin = *CurrentSkin;
  skin.LoadConfig(0);
  if (skin.SmallImageFont) SmallImageFont = skin.SmallImageFont;
  if (skin.ImageFont) ImageFont = skin.ImageFont;
  host.SetGameFonts(SmallImageFont, ImageFont);
  TGameSkin::RefreshImages();
  skin.SetActiveStoneSkin(1);
  const TStoneSkinPtr stones = skin.getActiveStoneSkin();
  Game->MaxColors = stones ? stones->MaxColors : 0;
}

}  // namespace

bool ArtSuitsScale(double scale) {
  return !FontBold14 || FontBold14->Density() == drawing::ChoosePictureFactor(scale, {1, 2, 3});
}

void ReloadArtForScreen() {
  LoadSharedPictures();
  LoadTrueTypeFonts();
  if (!CurrentSkin) return;
  TGameSkin& skin = *CurrentSkin;
  const int stones = skin.ActiveStoneSkin;
  skin.LoadConfig(0);
  if (skin.SmallImageFont) SmallImageFont = skin.SmallImageFont;
  if (skin.ImageFont) ImageFont = skin.ImageFont;
  if (ThemeHost* host = CurrentThemeHost()) host->SetGameFonts(SmallImageFont, ImageFont);
  TGameSkin::RefreshImages();
  skin.SetActiveStoneSkin(stones);
}

std::string WindowTitle() {
  return std::string("Gridlet ") + kVersionLabel + " [" + kBuildDateLabel + "]" + std::string(16, ' ') +
         "get the latest version: " + kWebAddress;
}

void StartUp() {
  static bool started = false;
  if (started) return;
  started = true;

  RegisterPrismFontLoader();
  auto themeHost = std::make_shared<TShellThemeHost>();
  SetThemeHost(themeHost);
  SetSudokuHost(std::make_shared<TGameSudokuHost>());
  LoadBaseWidgetImages("themes/base");

  for (int code = 0; code < 256; ++code) KeyWrapper.allowKey(code, 3, 600, 100);
  drawing::SetWindowTitle(WindowTitle());
  drawing::SetApplicationId(kApplicationId);
  ScanLanguages("lang");
  Localization::SetLanguage("german");
  Localization::SetLanguageName("german");

  Game = TGame::Create();
  Highscores = THighscore::Create();
  GameGraphics.FillResolutionList();
  Game->LoadConfig();
  Game->Preferences = LoadPreferences(kPreferencesFile);
  Localization::SetLanguage(Language);
  // Kept even without a language file, so that a save writes it back; the
  // texts stay in the language that has one.
  Localization::SetLanguageName(Language);
  CurrentSkin = TGameSkin::Create(SkinPath);
  Game->SetConfig();
  // The 800 x 600 game area is fitted into whatever mode opened.
  GameGraphics.Set(800, 600, 150, 0);
  drawing::SetBlend(drawing::ALPHABLEND);
  drawing::HideMouse();

  LoadSharedPictures();
  SeedRnd(drawing::MilliSecs());
  LoadTrueTypeFonts();
  CreateScreenWidgets();
  CreatePlayControls(Game->Play);
  for (int n = 0; n < 4; ++n) themeHost->StoneSetButtons[size_t(n)] = Widgets.stoneSets[size_t(n)];

  LoadStartUpTheme(*themeHost);
  TGameSkin::LoadThemeList();
  FillThemeList();
  FillCellPositions();
  Game->OfferSavedGame();
  Game->Play.continueButton->enabled = Game->Play.saveOffered ? 1 : 0;
  drawing::SetImageFont(FontBold14);
  drawing::Cls();
  GameState = GAME_LOGO;
}
