// Internal: the graphics context shared by the drawing-layer sources.
#pragma once

#include <memory>

#include "drawing/graphics.h"
#include "drawing/renderer.h"

namespace drawing {

struct DrawState {
  int r = 255, g = 255, b = 255;
  float alpha = 1;
  int cls_r = 0, cls_g = 0, cls_b = 0;
  float line_width = 1;
  float rotation = 0, scale_x = 1, scale_y = 1;
  // Transform rows: x' = x*ix + y*iy, y' = x*jx + y*jy.
  float ix = 1, iy = 0, jx = 0, jy = 1;
  int vp_x = 0, vp_y = 0, vp_w = 0, vp_h = 0;
  float origin_x = 0, origin_y = 0;
  float handle_x = 0, handle_y = 0;
  int blend = ALPHABLEND;
  ImageFontPtr font;
};

struct GraphicsContext {
  std::unique_ptr<Renderer> renderer;
  bool open = false;
  int width = 0, height = 0, depth = 0, hertz = 0;
  int logical_w = 0, logical_h = 0;
  DisplayFit fit;
  DrawState state;
};

GraphicsContext& Context();
// Makes sure the frame has a texture of the current renderer.
Texture* FrameTexture(ImageFrame& frame, int flags);
// Draws a frame's source rectangle (in game units of `density` texels) to
// the local quad corners (x0, y0)-(x1, y1), transformed and moved to (tx, ty).
void DrawFrame(ImageFrame& frame, int flags, int density, float x0, float y0, float x1, float y1, float tx, float ty, float sx,
               float sy, float sw, float sh);

}  // namespace drawing
