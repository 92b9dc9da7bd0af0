// The settings kept in "settings.xml": display mode, renderer, language,
// player name and theme. The values here are the ones before loading.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

extern int ScreenWidth;    // 800
extern int ScreenHeight;   // 600
extern int Fullscreen;     // 0 or 1
extern int DirectXMode;    // renderer: 1 DirectX 7, 2 DirectX 9, 3 OpenGL, else the one in force
extern int ColorDepth;     // 0, 16 or 32 as read
extern int GraphicsDepth;  // depth the graphics are opened with: 0 window, 16 or 32 full screen
extern int RefreshRate;    // 60
extern std::string PlayerName;  // ""
extern std::string Language;    // "german"
extern std::string SkinPath;    // "themes/base"

// Raised for a settings file without a settings element and for graphics
// that cannot be opened at all; nothing catches it but the program entry.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Opens the configured mode through `open` (width, height, depth, hertz), else
// an 800 x 600 window at 60 Hz; raises SettingsError when neither opens.
void OpenConfiguredGraphics(const std::function<bool(int, int, int, int)>& open);

// The fourteen lines SaveConfig writes for the current settings, with the
// text values escaped so that any name reads back unchanged.
std::string SettingsFileText();

// The values "settings.xml" stands for, as the game holds them after
// loading: a depth other than 16 or 32 reads as 0, and 0 means windowed.
struct SettingsValues {
  int screenWidth = 800, screenHeight = 600, fullscreen = 0, directX = 0, colorDepth = 0, refreshRate = 60;
  std::string language, username, skin;
  bool operator==(const SettingsValues&) const = default;
};

// What a save would write now.
SettingsValues CurrentSettings();
// What the file holds; none when it is missing, unreadable or has no
// settings element.
std::optional<SettingsValues> SettingsInFile(const std::string& path);
