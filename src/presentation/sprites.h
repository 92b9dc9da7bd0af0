// A named sprite of a theme: an image (or large image), its own position,
// a horizontal drift, a frame layout and an optional caption anchor.
#pragma once

#include <memory>
#include <string>

#include "drawing/font.h"
#include "presentation/sprite_image.h"

class TSpritesPack;

class TSprites {
 public:
  std::string spritename;  // upper case
  std::string spritepath;  // as given, empty when there is none
  float textx = 0, texty = 0;
  float x = 0, y = 0;
  float dy = 0, dx = 0;
  SpriteImage image;
  int height = 0;
  int returnToStart = 0;  // wrap distance of a drifting sprite; 0 never wraps
  int visible = 1;
  int frameW = 0, frameH = 0;
  int frames = 1;
  int useframe = 0;
  int SpriteID = 0;

  // Own coordinates in UpdateAndDraw.
  static constexpr int kOwnCoordinate = -10000;
  // Height of the screen for the visibility test of plain images.
  static constexpr int kScreenHeight = 600;
  static constexpr int kScreenWidth = 800;

  // Build the sprite and append it to the pack. A frame size of 0 takes
  // the image's size.
  static std::shared_ptr<TSprites> Create(TSpritesPack& pack, const drawing::ImagePtr& image, const std::string& path,
                                          const std::string& name, float x, float y, float dx, float dy,
                                          int returnToStart, int frameW, int frameH, int frames, int useframe, int id,
                                          float textx, float texty);
  static std::shared_ptr<TSprites> CreateBigImage(TSpritesPack& pack, const drawing::ImagePtr& image,
                                                  const std::string& path, const std::string& name, float x, float y,
                                                  float dx, float dy, int returnToStart, int frameW, int frameH,
                                                  int frames, int useframe, int id, float textx, float texty);

  // x = y = -1 draws at the sprite's own position; frame -1 is useframe.
  // The caption is drawn even when the sprite is invisible; a given font
  // stays the current image font afterwards.
  void Draw(int x, int y, int frame, const std::string& text = "", const drawing::ImageFontPtr& font = nullptr) const;
  void DrawXadded(float addx, int frame) const;
  void Update(float a = 0, float b = 0);
  void UpdateWithReturn(float a = 0, float b = 0);
  void UpdateAndDraw(int x, int y);

 private:
  void WrapAround();
  static std::shared_ptr<TSprites> Build(TSpritesPack& pack, const drawing::ImagePtr& image, const std::string& path,
                                         const std::string& name, float x, float y, float dx, float dy,
                                         int returnToStart, int frameW, int frameH, int frames, int useframe, int id,
                                         float textx, float texty, bool big);
};
using TSpritesPtr = std::shared_ptr<TSprites>;
