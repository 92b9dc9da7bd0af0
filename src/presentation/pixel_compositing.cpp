#include "presentation/pixel_compositing.h"

#include <algorithm>
#include <stdexcept>

#include "support/text_util.h"

namespace {

int BlendChannel(int source, int dest, float light, float a, float d, float total, int mode) {
  float value = source * light * a / total;
  if (mode == 1) {
    value += (d / total) * (dest * d / total);
  } else {
    value += dest * d / total;
  }
  // Light factors above 1 can push a channel past 255: saturate instead of wrapping.
  return std::clamp(TruncToInt(value), 0, 255);
}

}  // namespace

void CompositeImageFrame(const drawing::ImagePtr& image, int frame, drawing::Pixmap& target, int x, int y,
                         float alphaFactor, float lightFactor, int mode) {
  if (!image || frame < 0 || frame >= int(image->frames.size()) || !image->frames[size_t(frame)].pixmap) {
    throw std::runtime_error("image doesnt exist");
  }
  const drawing::Pixmap& source = *image->frames[size_t(frame)].pixmap;
  const int x0 = std::max(0, -x), y0 = std::max(0, -y);
  const int x1 = std::min(source.width(), target.width() - x);
  const int y1 = std::min(source.height(), target.height() - y);
  for (int sy = y0; sy < y1; ++sy) {
    const uint32_t* src = source.row(sy);
    uint32_t* dst = target.row(sy + y);
    for (int sx = x0; sx < x1; ++sx) {
      const uint32_t s = src[sx];
      const float a = drawing::ARGB_A(s) * alphaFactor;
      if (a == 0) continue;
      uint32_t& out = dst[sx + x];
      const float d = (a == 255.0f) ? 0.0f : float(drawing::ARGB_A(out));
      const int total = TruncToInt(a + d);
      if (total <= 0) continue;  // nothing visible results; avoids dividing by zero
      const float t = float(total);
      out = drawing::ARGB(std::min(total, 255),
                          BlendChannel(drawing::ARGB_R(s), drawing::ARGB_R(out), lightFactor, a, d, t, mode),
                          BlendChannel(drawing::ARGB_G(s), drawing::ARGB_G(out), lightFactor, a, d, t, mode),
                          BlendChannel(drawing::ARGB_B(s), drawing::ARGB_B(out), lightFactor, a, d, t, mode));
    }
  }
}
