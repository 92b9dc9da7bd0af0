// Render-to-texture: drawing into an image instead of the back buffer.
//
// The drawing layer has no render-target hook, so a target is realised the
// same way on every renderer: the area of the target's size at the top-left
// of the game area is saved, drawing goes there, and at the end the drawn
// pixels are copied into the image's frame and the saved pixels are put back.
// The target therefore can be no larger than the graphics.
#pragma once

#include <string>

#include "drawing/image.h"

class tRender {
 public:
  // Failure codes of CreateFrame, reported by name in the log.
  enum FrameError { FRAME_OK = 0, INVALIDOBJECT, INVALIDPARAMS, INVALIDSURFACETYPE, NOTFOUND, SURFACELOST };

  static void Initialise();
  static bool IsDirectX7() { return directx7_; }
  static drawing::ImagePtr Create(int width, int height, int flags);
  static drawing::ImagePtr CreateFrame(int driver, int width, int height, int flags);
  static void ViewportSet(int x, int y, int width, int height, int flag);
  // False (and nothing changes) without graphics, without an image, or for
  // an image larger than the graphics.
  static bool TextureRender_Begin(const drawing::ImagePtr& image, int flag);
  // Clears the render target (or the viewport when none is active) to 0xRRGGBB.
  static void Cls(int rgb);
  static void SetMipMap(const drawing::ImagePtr& image, int level);
  static int Pow2Size(int n);
  static void TextureRender_End();
  static void BackBufferRender_Begin();
  static void BackBufferRender_End();
  static std::string ErrorName(int code);

 private:
  static inline bool directx7_ = false;
};
