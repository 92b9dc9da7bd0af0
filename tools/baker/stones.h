// Stones: the background strip (frame 0 under the face, frame 1 over it) and
// the four sets of nine faces. Faces differ by shape first and colour second,
// so that colour-blind players tell them apart as easily as everyone else.
#pragma once

#include "canvas.h"
#include "palette.h"

namespace baker {

constexpr int kStoneSize = 50;  // background frames, drawn at the cell corner
constexpr int kFaceSize = 46;   // faces, drawn two pixels in
constexpr int kFaces = 9;

Canvas StoneBackground(const Palette& p);
Canvas NumberFaces(const Palette& p);
Canvas PersonFaces(const Palette& p);
Canvas ShapeFaces(const Palette& p);
Canvas ChristmasFaces(const Palette& p);

// One stone as the game composes it: frame 0 tinted, the face, frame 1 tinted.
Canvas ComposeStone(const Canvas& background, const Canvas& faces, int face, Rgba tint);

}  // namespace baker
