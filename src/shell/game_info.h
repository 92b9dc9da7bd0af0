// What the window title, the info box and the installation say about the
// game itself. The build reads the version, the date and the application id
// from here for the package, the menu entry and the software-centre data.
#pragma once

inline constexpr const char* kVersionLabel = "1.0";
inline constexpr const char* kBuildDateLabel = "2024-06-20";
inline constexpr const char* kAuthorText = "The Gridlet team";
inline constexpr const char* kWebAddress = "https://gridlet.example.org";
// The web address turned around, as desktops name applications: the menu
// entry, the software-centre data, the icons and the window's class.
inline constexpr const char* kApplicationId = "org.example.gridlet.Gridlet";
