#include "presentation/contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

double Linear(int channel) {
  const double c = double(channel) / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// A pixel the text left alone can still differ by a rounding step.
bool Changed(uint32_t a, uint32_t b) {
  constexpr int kNoise = 4;
  return std::abs(drawing::ARGB_R(a) - drawing::ARGB_R(b)) > kNoise ||
         std::abs(drawing::ARGB_G(a) - drawing::ARGB_G(b)) > kNoise ||
         std::abs(drawing::ARGB_B(a) - drawing::ARGB_B(b)) > kNoise;
}

}  // namespace

double RelativeLuminance(int r, int g, int b) { return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b); }

double RelativeLuminance(uint32_t argb) {
  return RelativeLuminance(drawing::ARGB_R(argb), drawing::ARGB_G(argb), drawing::ARGB_B(argb));
}

double ContrastRatio(double luminance1, double luminance2) {
  const double lighter = std::max(luminance1, luminance2), darker = std::min(luminance1, luminance2);
  return (lighter + 0.05) / (darker + 0.05);
}

double TextContrast(const drawing::Pixmap& withText, const drawing::Pixmap& behind, int x0, int y0, int x1, int y1) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min({x1, withText.width(), behind.width()});
  y1 = std::min({y1, withText.height(), behind.height()});
  std::vector<double> ratios;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const uint32_t text = withText.ReadPixel(x, y), back = behind.ReadPixel(x, y);
      if (Changed(text, back)) ratios.push_back(ContrastRatio(RelativeLuminance(text), RelativeLuminance(back)));
    }
  if (ratios.empty()) return 0;
  const auto nth = ratios.begin() + std::ptrdiff_t(double(ratios.size() - 1) * 0.9);
  std::nth_element(ratios.begin(), nth, ratios.end());
  return *nth;
}

double MeanLuminance(const drawing::Pixmap& picture, int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return 0;
  double sum = 0;
  for (int py = y; py < y + h; ++py)
    for (int px = x; px < x + w; ++px) sum += RelativeLuminance(picture.ReadPixel(px, py));
  return sum / (double(w) * double(h));
}
