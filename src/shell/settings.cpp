// Reading, applying and writing "settings.xml" (TBaseGame's settings part).
#include "shell/settings.h"

#include "drawing/files.h"
#include "drawing/graphics.h"
#include "drawing/messages.h"
#include "presentation/game_skin.h"
#include "presentation/number_text.h"
#include "shell/base_game.h"
#include "support/localization.h"
#include "support/xml_document.h"
#include "support/xml_text_writer.h"

int ScreenWidth = 800;
int ScreenHeight = 600;
int Fullscreen = 0;
int DirectXMode = 0;
int ColorDepth = 0;
int GraphicsDepth = 0;
int RefreshRate = 60;
std::string PlayerName;
std::string Language = "german";
std::string SkinPath = "themes/base";

namespace {

const char kGraphicsError[] =
    "Graphics initiation error! The game will try to open in DirectX 7 with userdefined resolution mode.";

// The element's value anywhere below `settings`, or the fallback.
std::string TextOf(const xmlNode& settings, const std::string& name, const std::string& fallback) {
  const xmlNodePtr element = settings.FindChild(name, true, true);
  return element ? element->Value : fallback;
}

int NumberOf(const xmlNode& settings, const std::string& name, int fallback) {
  const xmlNodePtr element = settings.FindChild(name, true, true);
  return element ? ParseWholeNumber(element->Value) : fallback;
}

std::string Line(const std::string& name, const std::string& value) {
  return "  <" + name + ">" + value + "</" + name + ">\r\n";
}

}  // namespace

namespace {

SettingsValues ReadSettings(xmlDocument& document) {
  const xmlNodePtr settings = document.Root()->FindChild("settings", true, true);
  if (!settings) throw SettingsError("root not found");
  SettingsValues v;
  v.screenWidth = NumberOf(*settings, "screenwidth", 800);
  v.screenHeight = NumberOf(*settings, "screenheight", 600);
  v.fullscreen = NumberOf(*settings, "fullscreen", 0);
  v.directX = NumberOf(*settings, "directx", 0);
  v.colorDepth = NumberOf(*settings, "colordepth", 0);
  v.username = TextOf(*settings, "username", "Name");
  v.refreshRate = NumberOf(*settings, "refreshrate", 60);
  v.language = TextOf(*settings, "language", "german");
  v.skin = TextOf(*settings, "skin", "themes/base");
  if (v.colorDepth != 16 && v.colorDepth != 32) v.colorDepth = 0;
  if (v.colorDepth == 0) v.fullscreen = 0;
  return v;
}

}  // namespace

int TBaseGame::LoadConfig(const std::string& path) {
  const xmlDocumentPtr document = xmlDocument::Create(path, 0);
  if (document) drawing::Print("loaded settings.xml for checking wether to use fullscreen or not");
  const SettingsValues v = ReadSettings(*document);
  ScreenWidth = v.screenWidth;
  ScreenHeight = v.screenHeight;
  Fullscreen = v.fullscreen;
  DirectXMode = v.directX;
  ColorDepth = v.colorDepth;
  PlayerName = v.username;
  RefreshRate = v.refreshRate;
  Language = v.language;
  SkinPath = v.skin;
  GraphicsDepth = ColorDepth;
  return 0;
}

SettingsValues CurrentSettings() {
  SettingsValues v;
  v.screenWidth = ScreenWidth;
  v.screenHeight = ScreenHeight;
  v.fullscreen = Fullscreen;
  v.directX = DirectXMode;
  v.colorDepth = GraphicsDepth;
  v.refreshRate = RefreshRate;
  v.language = Localization::LanguageName();
  v.username = PlayerName;
  v.skin = CurrentSkin ? CurrentSkin->skinpath : SkinPath;
  return v;
}

std::optional<SettingsValues> SettingsInFile(const std::string& path) {
  try {
    return ReadSettings(*xmlDocument::Create(path, 0));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

bool TBaseGame::SaveConfigIfChanged(const std::string& path) {
  const std::optional<SettingsValues> stored = SettingsInFile(path);
  // Values are compared as the game reads them, not bytes: a file nobody
  // changed anything for stays exactly as its owner wrote it.
  if (stored && *stored == CurrentSettings()) return false;
  SaveConfig(path);
  return true;
}

int TBaseGame::SetConfig() {
  switch (DirectXMode) {
    case 1: drawing::SetGraphicsDriver(drawing::DRIVER_DIRECTX7, 2); break;
    case 2: drawing::SetGraphicsDriver(drawing::DRIVER_DIRECTX9, 2); break;
    case 3: drawing::SetGraphicsDriver(drawing::DRIVER_OPENGL, 2); break;
    default: break;  // the renderer in force stays
  }
  OpenConfiguredGraphics([](int width, int height, int depth, int hertz) {
    return drawing::Graphics(width, height, depth, hertz, 0);
  });
  return 0;
}

void OpenConfiguredGraphics(const std::function<bool(int, int, int, int)>& open) {
  if (open(ScreenWidth, ScreenHeight, GraphicsDepth, RefreshRate)) return;
  if (open(800, 600, 0, 60)) return;
  throw SettingsError(kGraphicsError);
}

std::string SettingsFileText() {
  const SettingsValues v = CurrentSettings();
  std::string text = "<?xml version = \"1.0\"?>\r\n<game>\r\n <settings>\r\n";
  text += Line("screenwidth", std::to_string(v.screenWidth));
  text += Line("screenheight", std::to_string(v.screenHeight));
  text += Line("fullscreen", std::to_string(v.fullscreen));
  text += Line("directx", std::to_string(v.directX));
  text += Line("colordepth", std::to_string(v.colorDepth));
  text += Line("refreshrate", std::to_string(v.refreshRate));
  text += Line("language", EscapeXmlText(v.language));
  text += Line("username", EscapeXmlText(v.username));
  text += Line("skin", EscapeXmlText(v.skin));
  text += " </settings>\r\n</game>\r\n";
  return text;
}

int TBaseGame::SaveConfig(const std::string& path) {
  // Written beside the old file and renamed over it: a crash or a full disk
  // leaves the previous settings, never half a file.
  if (!drawing::WriteFileAtomically(path, SettingsFileText())) drawing::Print("could not write " + path);
  drawing::Print("");
  return 0;
}
