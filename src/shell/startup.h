// The start-up sequence: every global object, the settings, the graphics,
// the shared pictures and fonts, every widget and the theme, in a fixed
// order, ending in the logo state.
#pragma once

#include <string>

// Runs the sequence once in the current working folder; a second call does
// nothing. Raised errors (settings, graphics, theme) are not caught.
void StartUp();
// Loads the shared pictures, the fonts and the theme again for the screen
// now open: after a resolution change they are drawn at its pixel density.
void ReloadArtForScreen();
// Whether the pictures and fonts loaded are the ones for a fit scale.
bool ArtSuitsScale(double scale);
// The window title: name, version, build date and where to get it.
std::string WindowTitle();
