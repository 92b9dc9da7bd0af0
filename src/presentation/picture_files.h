// Picture loading for data that comes from theme folders: a picture whose
// header announces an unreasonable size is refused before any pixel memory
// is allocated, and rectangles read from data files are cut safely.
#pragma once

#include <cstdint>
#include <string>

#include "drawing/image.h"
#include "drawing/pixmap.h"

// Generous for an 800 x 600 game, small enough that a hostile header
// cannot make the loaders allocate gigabytes.
constexpr int kMaxPictureSide = 8192;
constexpr int64_t kMaxPicturePixels = int64_t(4096) * 4096;
// Each frame costs a pixmap and a texture of its own: tiny cells of a large
// picture must not turn into millions of them.
constexpr int kMaxAnimFrames = 4096;

// True for a PNG whose header gives a size within the limits above.
bool PictureWithinLimits(const std::string& path);

drawing::PixmapPtr LoadPictureChecked(const std::string& path);
drawing::ImagePtr LoadImageChecked(const std::string& path, int flags);
// No image for more than kMaxAnimFrames frames.
drawing::ImagePtr LoadAnimImageChecked(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                                       int cellCount, int flags);

// The rectangle of the pixmap cut to its edges, for any int arguments;
// null when nothing remains.
drawing::PixmapPtr CutRect(const drawing::Pixmap& pixmap, int x, int y, int w, int h);

// Makes pixels of the mask colour fully transparent, as the masked image
// flag does for images.
void ApplyMask(drawing::Pixmap& pixmap, uint32_t mask_rgb);
