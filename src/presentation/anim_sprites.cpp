#include "presentation/anim_sprites.h"

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "engine/clock_math.h"

std::vector<std::shared_ptr<TAnimSprites>>& TAnimSprites::All() {
  static std::vector<std::shared_ptr<TAnimSprites>> all;
  return all;
}

std::shared_ptr<TAnimSprites> TAnimSprites::Create(const drawing::ImagePtr& image, int x, int y, int dx, int count,
                                                   int time, int returnIt) {
  auto sprite = std::make_shared<TAnimSprites>();
  sprite->x = x;
  sprite->y = y;
  sprite->dx = dx;
  sprite->image = image;
  sprite->animTime = time;
  sprite->AnimCount = count;
  sprite->animTimer = ClockAdd(drawing::MilliSecs(), time);
  All().push_back(sprite);
  return returnIt ? sprite : nullptr;
}

int TAnimSprites::GetAnimPos() {
  const int now = drawing::MilliSecs();
  if (ClockDifference(animTimer, now) < 0) {
    if (AnimActive) {
      AnimPos += AnimReverse ? -1 : 1;
      if (AnimPos < 0) AnimPos = 0;
      if (AnimPos == AnimCount) AnimPos = AnimCount - 1;
    }
    animTimer = ClockAdd(now, animTime);
    if (AnimPos >= AnimCount - 1) {
      if (RepeatTimes < 0) {
        AnimPos = 0;
      } else if (RepeatTimes > 0) {
        AnimPos = 0;
        RepeatTimes -= 1;
      }
      if (RepeatTimes == 0) AnimPos = AnimReverse ? 0 : AnimCount - 1;
    }
  }
  return AnimPos;
}

void TAnimSprites::Draw(int at_x, int at_y) const {
  if (!visible) return;
  if (at_x == kOwnCoordinate) at_x = x;
  if (at_y == kOwnCoordinate) at_y = y;
  if (AnimActive && image && AnimPos >= 0 && AnimPos < drawing::CountFrames(image)) {
    drawing::DrawImage(image, float(at_x), float(at_y), AnimPos);
  }
}

void TAnimSprites::Update() { AnimPos = GetAnimPos(); }

void TAnimSprites::Wrap() {
  if (returnToStart > 0 && int64_t(x) - returnToStart > 800) x = -returnToStart;
}

void TAnimSprites::UpdateWithReturn() {
  Update();
  x += dx;
  Wrap();
}

void TAnimSprites::UpdateAndDraw() {
  Update();
  x += dx;
  Draw(x, y);
  Wrap();
}
