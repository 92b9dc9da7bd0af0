// Full-screen pictures and the pieces of the side panel.
#pragma once

#include "canvas.h"
#include "palette.h"

namespace baker {

enum class Decor { Base, Winter };

Canvas Backdrop(const Palette& p, Decor decor);       // plain backdrop, 800 x 600
Canvas PlayBackground(const Palette& p, Decor decor);  // side panel, board well, slots
Canvas BoardFrame(const Palette& p, Decor decor);      // frame and block lines, open cells
Canvas StartScreen(const Palette& p, Decor decor);     // title and backdrop behind the menus

Canvas TimePlate(const Palette& p);
Canvas HighscorePanel(const Palette& p);
Canvas GaugeBackground(const Palette& p, bool withTicks);
Canvas GaugeFront(const Palette& p);
Canvas MixItMark(const Palette& p);
Canvas LevelMark(const Palette& p);
Canvas FrameRectangle(const Palette& p);  // the 126 x 126 nine-region box
Canvas StarParticle();
Canvas SnowflakeParticle();

// The emblem shared by logo and start screen: a 3 x 3 grid of small stones.
void DrawEmblem(Canvas& c, const Palette& p, float x, float y, float tile, float gap);

}  // namespace baker
