#include "drawing/picture_variants.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/files.h"
#include "drawing/graphics.h"
#include "drawing/messages.h"
#include "drawing/renderer.h"

namespace drawing {

namespace {

uint32_t BigEndian(const uint8_t* bytes) {
  return (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | uint32_t(bytes[3]);
}

// The size a PNG's header gives, without reading its pixels.
bool PngSize(const std::string& path, int& width, int& height) {
  StreamPtr stream = Stream::Open(path, true, false);
  if (!stream) return false;
  const std::vector<uint8_t> header = stream->ReadBytes(24);
  stream->Close();
  static constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (header.size() < 24 || !std::equal(kSignature.begin(), kSignature.end(), header.begin())) return false;
  const uint32_t w = BigEndian(header.data() + 16), h = BigEndian(header.data() + 20);
  if (w == 0 || h == 0 || w > 1u << 20 || h > 1u << 20) return false;
  width = int(w);
  height = int(h);
  return true;
}

}  // namespace

std::string PictureVariantPath(const std::string& path, int factor) {
  if (factor == 1) return path;
  const size_t slash = path.find_last_of("/\\");
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = path.size();
  return path.substr(0, dot) + "@" + std::to_string(factor) + "x" + path.substr(dot);
}

int ChoosePictureFactor(double scale, const std::vector<int>& available) {
  // A fit a hair above a whole number (rounding of the window size) still
  // takes that number's pictures.
  constexpr double kSlack = 1e-3;
  int best_above = 0, largest = 1;
  for (int f : available) {
    largest = std::max(largest, f);
    if (double(f) + kSlack >= scale && (best_above == 0 || f < best_above)) best_above = f;
  }
  return best_above ? best_above : largest;
}

double PictureScaleForFit(double fit_scale) {
  const Renderer* r = CurrentRenderer();
  return GraphicsOpen() && r ? r->PixelsPerGameUnit(fit_scale) : 1.0;
}

double PictureScale() { return PictureScaleForFit(CurrentFit().scale); }

ScaledPixmap LoadScaledPixmap(const std::string& path, double scale) {
  // At 1x nothing beside the file is looked at: the game reads what it read
  // before there were variants.
  if (!(scale > 1.0)) return {LoadPixmap(path), 1};
  std::vector<int> available = {1};
  for (int f = 2; f <= kMaxPictureFactor; ++f)
    if (FileType(PictureVariantPath(path, f)) == FILETYPE_FILE) available.push_back(f);
  const int factor = ChoosePictureFactor(scale, available);
  if (factor == 1) return {LoadPixmap(path), 1};
  int w = 0, h = 0, vw = 0, vh = 0;
  const std::string variant = PictureVariantPath(path, factor);
  if (PngSize(path, w, h) && PngSize(variant, vw, vh) && vw == w * factor && vh == h * factor) {
    if (PixmapPtr pixmap = LoadPixmap(variant); pixmap && pixmap->width() == vw && pixmap->height() == vh)
      return {pixmap, factor};
  }
  Print(variant + ": not " + std::to_string(factor) + " times the size of " + path + ", which is used instead");
  return {LoadPixmap(path), 1};
}

}  // namespace drawing
