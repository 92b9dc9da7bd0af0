// How well things stand out on screen, by the WCAG 2 formulas: relative
// luminance of sRGB colours, contrast ratios, and the contrast of rendered
// text against what lies behind it.
#pragma once

#include <cstdint>

#include "drawing/pixmap.h"

// 0 for black to 1 for white.
double RelativeLuminance(int r, int g, int b);
double RelativeLuminance(uint32_t argb);
// (lighter + 0.05) / (darker + 0.05), from 1 (none) to 21 (black on white).
double ContrastRatio(double luminance1, double luminance2);

// The text in the box [x0, x1) x [y0, y1) of a frame against the same frame
// drawn without its text: each pixel the text changed is compared with the
// pixel behind it, and the text counts by its strongest tenth (the 90th
// percentile), so that anti-aliased edges and shadows do not drag it down.
// 0 when the text changed no pixel there.
double TextContrast(const drawing::Pixmap& withText, const drawing::Pixmap& behind, int x0, int y0, int x1, int y1);

// The mean relative luminance of a region (pixels outside count as black).
double MeanLuminance(const drawing::Pixmap& picture, int x, int y, int w, int h);
