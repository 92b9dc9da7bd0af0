// Compositing an image frame onto a pixmap, used to rebuild one picture from
// the tiles of a large image.
#pragma once

#include "drawing/image.h"
#include "drawing/pixmap.h"

// Composites frame `frame` of the image onto target with its top-left at
// (x, y). alphaFactor scales the source alpha, lightFactor the source colour;
// mode 1 weights the destination by its own coverage once more. Source pixels
// with alpha 0 leave the target alone. Throws std::runtime_error("image doesnt
// exist") when no image (or no such frame) is given.
void CompositeImageFrame(const drawing::ImagePtr& image, int frame, drawing::Pixmap& target, int x, int y,
                         float alphaFactor, float lightFactor, int mode);
