// The interface every renderer implements. The graphics front end keeps the
// drawing state and turns each call into triangles in game coordinates; a
// renderer maps them to its target through the fit mapping and clips them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "drawing/graphics.h"
#include "drawing/pixmap.h"

namespace drawing {

class Texture {
 public:
  virtual ~Texture() = default;
  int width = 0;
  int height = 0;
  int flags = 0;
};

// One vertex: position in game coordinates, texture position in texels.
struct Vertex {
  float x, y, u, v;
};

struct Paint {
  int r = 255, g = 255, b = 255;  // tint, 0..255
  float alpha = 1;                 // already clamped to 0..1
  int blend = ALPHABLEND;
};

class Renderer {
 public:
  virtual ~Renderer() = default;
  virtual std::string Name() const = 0;
  // Opens the window or screen; false when the mode cannot be had.
  virtual bool Open(int width, int height, int depth, int hertz, int flags) = 0;
  virtual void Close() = 0;
  virtual std::vector<DisplayMode> Modes() = 0;
  // The back buffer's size in pixels where it differs from the size asked
  // for in points (high-DPI desktops); false where they are the same.
  virtual bool PixelSize(int& width, int& height) {
    (void)width, (void)height;
    return false;
  }
  virtual void SetTitle(const std::string& title) { (void)title; }
  virtual void ShowPointer(bool show) { (void)show; }

  // Pixels drawn per game unit under a fit of that scale: the fit scale
  // where quads are drawn at the window's pixels.
  virtual double PixelsPerGameUnit(double fit_scale) const { return fit_scale; }
  // The logical area and its fit into the back buffer.
  virtual void SetFit(const DisplayFit& fit, int logical_w, int logical_h) = 0;

  virtual std::shared_ptr<Texture> CreateTexture(const Pixmap& pixmap, int flags) = 0;
  virtual void UpdateTexture(Texture& texture, const Pixmap& pixmap) = 0;

  // Clip rectangle in game coordinates (already cut to the logical area).
  virtual void SetClip(int x, int y, int w, int h) = 0;
  virtual void Clear(int r, int g, int b) = 0;
  // count is a multiple of 3; texture may be null for flat shapes.
  virtual void DrawTriangles(const Vertex* vertices, int count, Texture* texture, const Paint& paint) = 0;
  virtual void Present() = 0;

  // Back-buffer pixels in window pixels.
  virtual PixmapPtr Grab(int x, int y, int w, int h) = 0;
  virtual void PutPixels(const Pixmap& pixmap, int x, int y) = 0;
  // The last presented frame of the logical area at scale 1, where the
  // renderer keeps one (the software renderer does); else null.
  virtual PixmapPtr LastFrame() { return nullptr; }
};

std::unique_ptr<Renderer> CreateSoftwareRenderer();
// Bytes of the software renderer's textures alive now (the OpenGL renderer
// makes textures of the same sizes), for measuring what the art costs.
int64_t SoftwareTextureBytes();
std::unique_ptr<Renderer> CreateOpenGLRenderer();

// The renderer in force; null before Graphics.
Renderer* CurrentRenderer();
// Bumped whenever graphics are (re)opened, so stale textures are remade.
int RendererGeneration();

}  // namespace drawing
