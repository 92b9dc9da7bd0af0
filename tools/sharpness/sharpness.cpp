// Compares a screenshot of a dense screen with the 1x shot of the same
// screen, for the window tests:
//   sharpness DENSE.png ONE.png X Y W H [X Y W H ...]
// prints "LAYOUT DENSE_DETAIL STRETCHED_DETAIL":
//   LAYOUT            mean absolute difference (0..255, over RGB) between the
//                     dense shot averaged down to the 1x size and the 1x shot
//   DENSE_DETAIL      mean absolute Laplacian of the dense shot's grey values
//                     in the regions (given in 1x coordinates)
//   STRETCHED_DETAIL  the same of the 1x shot stretched bilinearly to the
//                     dense size, as a window would show 1x pictures
// The dense shot must be a whole multiple of the 1x shot's size.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "drawing/pixmap.h"

namespace {

struct Grey {
  int w = 0, h = 0;
  std::vector<double> v;
  double at(int x, int y) const { return v[size_t(y) * size_t(w) + size_t(x)]; }
};

double Luma(uint32_t p) {
  return 0.299 * double((p >> 16) & 255) + 0.587 * double((p >> 8) & 255) + 0.114 * double(p & 255);
}

Grey GreyOf(const drawing::Pixmap& pix) {
  Grey g{pix.width(), pix.height(), {}};
  g.v.resize(size_t(g.w) * size_t(g.h));
  for (int y = 0; y < g.h; ++y)
    for (int x = 0; x < g.w; ++x) g.v[size_t(y) * size_t(g.w) + size_t(x)] = Luma(pix.ReadPixel(x, y));
  return g;
}

// Bilinear, sampling at pixel centres.
Grey Stretched(const Grey& g, int k) {
  Grey out{g.w * k, g.h * k, {}};
  out.v.resize(size_t(out.w) * size_t(out.h));
  for (int y = 0; y < out.h; ++y)
    for (int x = 0; x < out.w; ++x) {
      double sx = (x + 0.5) / k - 0.5, sy = (y + 0.5) / k - 0.5;
      int x0 = int(std::floor(sx)), y0 = int(std::floor(sy));
      double fx = sx - x0, fy = sy - y0;
      auto c = [&](int xx, int yy) { return g.at(std::clamp(xx, 0, g.w - 1), std::clamp(yy, 0, g.h - 1)); };
      out.v[size_t(y) * size_t(out.w) + size_t(x)] =
          (c(x0, y0) * (1 - fx) + c(x0 + 1, y0) * fx) * (1 - fy) + (c(x0, y0 + 1) * (1 - fx) + c(x0 + 1, y0 + 1) * fx) * fy;
    }
  return out;
}

double Laplacian(const Grey& g, int x0, int y0, int w, int h) {
  double sum = 0;
  long n = 0;
  for (int y = std::max(1, y0); y < std::min(g.h - 1, y0 + h); ++y)
    for (int x = std::max(1, x0); x < std::min(g.w - 1, x0 + w); ++x) {
      sum += std::fabs(4 * g.at(x, y) - g.at(x - 1, y) - g.at(x + 1, y) - g.at(x, y - 1) - g.at(x, y + 1));
      ++n;
    }
  return n ? sum / double(n) : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 7 || (argc - 3) % 4 != 0) {
    std::fprintf(stderr, "usage: sharpness DENSE.png ONE.png X Y W H [X Y W H ...]\n");
    return 2;
  }
  auto dense = drawing::LoadPixmap(argv[1]);
  auto one = drawing::LoadPixmap(argv[2]);
  if (!dense || !one) {
    std::fprintf(stderr, "sharpness: cannot read the pictures\n");
    return 1;
  }
  const int k = dense->width() / one->width();
  if (k < 1 || dense->width() != one->width() * k || dense->height() != one->height() * k) {
    std::fprintf(stderr, "sharpness: %dx%d is no whole multiple of %dx%d\n", dense->width(), dense->height(),
                 one->width(), one->height());
    return 1;
  }
  double diff = 0;
  for (int y = 0; y < one->height(); ++y)
    for (int x = 0; x < one->width(); ++x) {
      double r = 0, g = 0, b = 0;
      for (int dy = 0; dy < k; ++dy)
        for (int dx = 0; dx < k; ++dx) {
          uint32_t p = dense->ReadPixel(x * k + dx, y * k + dy);
          r += double((p >> 16) & 255), g += double((p >> 8) & 255), b += double(p & 255);
        }
      const double n = double(k * k);
      uint32_t q = one->ReadPixel(x, y);
      diff += std::fabs(r / n - double((q >> 16) & 255)) + std::fabs(g / n - double((q >> 8) & 255)) +
              std::fabs(b / n - double(q & 255));
    }
  diff /= 3.0 * double(one->width()) * double(one->height());
  const Grey denseGrey = GreyOf(*dense);
  const Grey stretched = Stretched(GreyOf(*one), k);
  double denseDetail = 0, stretchedDetail = 0;
  int regions = 0;
  for (int i = 3; i + 3 < argc; i += 4, ++regions) {
    const int x = std::atoi(argv[i]) * k, y = std::atoi(argv[i + 1]) * k;
    const int w = std::atoi(argv[i + 2]) * k, h = std::atoi(argv[i + 3]) * k;
    denseDetail += Laplacian(denseGrey, x, y, w, h);
    stretchedDetail += Laplacian(stretched, x, y, w, h);
  }
  std::printf("%.3f %.3f %.3f\n", diff, denseDetail / regions, stretchedDetail / regions);
  return 0;
}
