// What the window title and the info box say about the game itself.
#pragma once

inline constexpr const char* kVersionLabel = "1.0";
inline constexpr const char* kBuildDateLabel = "2024-06-20";
inline constexpr const char* kAuthorText = "The Gridlet team";
inline constexpr const char* kWebAddress = "https://gridlet.example.org";
