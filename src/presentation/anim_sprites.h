// A sprite that plays the frames of an image on the millisecond clock.
#pragma once

#include <memory>
#include <vector>

#include "drawing/image.h"

class TAnimSprites {
 public:
  int x = 0, y = 0, dx = 0;
  drawing::ImagePtr image;
  int animTime = 0;   // milliseconds per frame
  int animTimer = 0;  // clock value at which the next frame is due
  int AnimPos = 0;
  int AnimCount = 0;
  int AnimActive = 1;
  int returnToStart = 0;
  int visible = 1;
  int RepeatTimes = -1;  // -1 loops for ever; a positive value counts the loops left
  int AnimReverse = 0;

  static constexpr int kOwnCoordinate = -10000;

  // Every animated sprite ever created; the list keeps them alive.
  static std::vector<std::shared_ptr<TAnimSprites>>& All();

  // Returns the sprite only when returnIt is non-zero; it is listed either way.
  static std::shared_ptr<TAnimSprites> Create(const drawing::ImagePtr& image, int x, int y, int dx, int count,
                                              int time, int returnIt);

  int GetAnimPos();
  void Draw(int x, int y) const;
  void Update();
  void UpdateWithReturn();
  void UpdateAndDraw();

 private:
  void Wrap();
};
