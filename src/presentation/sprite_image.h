// What a named sprite shows: an ordinary image with one or more frames, a
// large image made of tiles, or nothing.
#pragma once

#include <memory>

#include "drawing/image.h"
#include "presentation/big_image.h"

struct SpriteImage {
  drawing::ImagePtr plain;
  TBigImagePtr big;

  bool empty() const { return !plain && !big; }
  bool operator==(const SpriteImage& other) const { return plain == other.plain && big == other.big; }
};
