// Pictures drawn for dense screens sit beside the 1x file as name@2x.png and
// name@3x.png. The loaders take the variant that suits the current fit scale
// and keep the 1x size as the image's size, so every position stays in game
// coordinates while the pixels behind them are the screen's own.
#pragma once

#include <string>
#include <vector>

#include "drawing/pixmap.h"

namespace drawing {

constexpr int kMaxPictureFactor = 3;

// "a/name.png" at 2 -> "a/name@2x.png"; unchanged at 1.
std::string PictureVariantPath(const std::string& path, int factor);

// Of the factors there are (1 always), the smallest at least `scale`, else
// the largest.
int ChoosePictureFactor(double scale, const std::vector<int>& available);

// The scale pictures are loaded for: the pixels the renderer draws per game
// unit while graphics are open (the fit scale on a window), else 1.
double PictureScale();
// The same for a fit of that scale (the renderer may draw at another one).
double PictureScaleForFit(double fit_scale);

struct ScaledPixmap {
  PixmapPtr pixmap;  // null when the 1x file cannot be read either
  int factor = 1;    // pixels per game unit
};
// The picture at the variant for `scale`. A variant that is not exactly
// factor times the 1x file's size is passed over for the 1x file, with one
// line on the log.
ScaledPixmap LoadScaledPixmap(const std::string& path, double scale);

}  // namespace drawing
