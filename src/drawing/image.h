// Images: frames of equal size, each a pixmap with a renderer texture made
// from it on demand, plus a handle point and flags.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "drawing/pixmap.h"

namespace drawing {

// Image flags.
constexpr int MASKEDIMAGE = 1;     // pixels of the mask colour become transparent
constexpr int FILTEREDIMAGE = 2;   // smooth (bilinear) sampling
constexpr int MIPMAPPEDIMAGE = 4;  // mipmaps where the renderer can
constexpr int DEFAULT_IMAGE_FLAGS = -1;  // masked and filtered

class Texture;  // renderer-side picture, see renderer.h

struct ImageFrame {
  PixmapPtr pixmap;
  std::shared_ptr<Texture> texture;  // made by the renderer when first drawn
  int texture_owner = 0;             // renderer generation that made it
  bool dirty = true;                 // pixels changed since the texture was made
};

class Image {
 public:
  int width = 0;  // in game units; frames hold density times as many pixels
  int height = 0;
  int density = 1;  // pixels per game unit: 2 or 3 for a dense screen's picture
  int flags = 0;
  float handle_x = 0;
  float handle_y = 0;
  uint32_t mask_rgb = 0;  // mask colour (RGB), black by default
  std::vector<ImageFrame> frames;
};
using ImagePtr = std::shared_ptr<Image>;

// Resolves -1 to the default flags (masked and filtered).
int ResolveImageFlags(int flags);

// The file loaders take the picture's variant for the current fit scale
// (see picture_variants.h); the image keeps the 1x file's size.
ImagePtr LoadImage(const std::string& path, int flags = DEFAULT_IMAGE_FLAGS);
// Like LoadImage, with the masked flag turning this colour (not black) transparent.
ImagePtr LoadImageMasked(const std::string& path, int flags, int mask_r, int mask_g, int mask_b);
// Cuts the picture into cells left to right, then top to bottom, and takes
// cellCount of them from firstCell on. No image when the file cannot be read,
// a cell size is 0 or less, or the picture has fewer cells than asked for.
ImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount,
                       int flags = DEFAULT_IMAGE_FLAGS);
// Images made from pixmaps already in memory (copies are taken), with
// `density` pixels per game unit: the image is the pixmap's size divided by
// it, cells are given in game units.
ImagePtr LoadImageFromPixmap(const Pixmap& pixmap, int flags = DEFAULT_IMAGE_FLAGS, int density = 1);
ImagePtr LoadAnimImageFromPixmap(const Pixmap& pixmap, int cellWidth, int cellHeight, int firstCell, int cellCount,
                                 int flags = DEFAULT_IMAGE_FLAGS, int density = 1);

ImagePtr CreateImage(int width, int height, int frames = 1, int flags = DEFAULT_IMAGE_FLAGS);
// The frame's pixmap for reading and writing; UnlockImage makes the change visible.
PixmapPtr LockImage(const ImagePtr& image, int frame = 0);
void UnlockImage(const ImagePtr& image, int frame = 0);
// Copies the back-buffer area at (x, y) of the image's size into the frame.
void GrabImage(const ImagePtr& image, int x, int y, int frame = 0);

int ImageWidth(const ImagePtr& image);
int ImageHeight(const ImagePtr& image);
int CountFrames(const ImagePtr& image);
void SetImageHandle(const ImagePtr& image, float x, float y);
void MidHandleImage(const ImagePtr& image);
void AutoMidHandle(bool on);

}  // namespace drawing
