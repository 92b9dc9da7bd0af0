// The helpers of Functions that draw or read the pointer.
#include <algorithm>
#include <string_view>

#include "drawing/input.h"
#include "support/functions.h"

namespace {

float AlignedX(float x, int width, int text_width, int align) {
  switch (align) {
    case 0: return x;
    case 1: return x + float((width - text_width) / 2);
    case 2: return x + float(width - text_width);
    default: return 0;
  }
}

bool Fits(std::string_view text, int width) { return drawing::TextWidth(std::string(text)) < width; }

struct LineBreak {
  size_t length;    // characters drawn on this line
  size_t consumed;  // characters used up, a skipped blank or CR included
};

// Where the line starting at `rest` ends: at the first carriage return, else
// after the last blank or hyphen that leaves a line narrower than the box;
// a word that is wider than the box on its own is cut at its last character
// that fits. Every line uses up at least one character.
LineBreak NextLine(std::string_view rest, int width) {
  size_t limit = rest.find('\r');
  if (limit == std::string_view::npos) {
    if (Fits(rest, width)) return {rest.size(), rest.size()};
    limit = rest.size();
  } else if (Fits(rest.substr(0, limit), width)) {
    return {limit, limit + 1};
  }
  for (size_t i = limit; i-- > 0;) {
    if (rest[i] == ' ' && i > 0 && Fits(rest.substr(0, i), width)) return {i, i + 1};
    if (rest[i] == '-' && Fits(rest.substr(0, i + 1), width)) return {i + 1, i + 1};  // the hyphen stays
  }
  size_t n = 1;
  while (n < limit && Fits(rest.substr(0, n + 1), width)) ++n;
  return {n, n};
}

void DrawSingleLine(const std::string& text, float x, float y, int width, int align) {
  if (drawing::TextWidth(text) < width) {
    drawing::DrawText(text, AlignedX(x, width, drawing::TextWidth(text), align), y);
    return;
  }
  std::string rest = text;
  while (!rest.empty() && drawing::TextWidth(rest) >= width) rest.pop_back();
  const float at = AlignedX(x, width, drawing::TextWidth(rest), align);
  drawing::DrawText(rest.substr(0, rest.size() - std::min<size_t>(2, rest.size())) + "..", at, y);
}

void DrawWrapped(const std::string& text, float x, float y, int width, int height, int align) {
  int remaining = height;
  size_t start = 0;
  while (start < text.size()) {
    const std::string_view rest = std::string_view(text).substr(start);
    const LineBreak next = NextLine(rest, width);
    const std::string line(rest.substr(0, next.length));
    const bool more_follows = start + next.consumed < text.size();
    const int line_height = drawing::TextHeight(line);
    const float line_y = y + float(height - remaining);
    if (2 * line_height > remaining && more_follows) {
      // Only this line fits, but more would follow.
      const std::string shortened = line.substr(0, line.size() - std::min<size_t>(3, line.size()));
      drawing::DrawText(shortened + " ...", AlignedX(x, width, drawing::TextWidth(shortened), align), line_y);
      return;
    }
    if (line_height < remaining) drawing::DrawText(line, AlignedX(x, width, drawing::TextWidth(line), align), line_y);
    remaining -= line_height;
    start += next.consumed;
  }
}

}  // namespace

int Functions::BlockText(const std::string& text, float x, float y, int width, int height, int align,
                         const drawing::ImageFontPtr& font, int r, int g, int b, int singleLine) {
  const drawing::ImageFontPtr old_font = drawing::GetImageFont();
  int old_r, old_g, old_b;
  drawing::GetColor(old_r, old_g, old_b);
  if (font) drawing::SetImageFont(font);
  drawing::SetColor(r, g, b);
  if (singleLine != 0) {
    DrawSingleLine(text, x, y, width, align);
  } else {
    DrawWrapped(text, x, y, width, height, align);
  }
  drawing::SetColor(old_r, old_g, old_b);
  drawing::SetImageFont(old_font);
  return 0;
}

int Functions::MouseIsInRect(float x, float y, float width, float height) {
  const float mx = float(drawing::MouseX());
  const float my = float(drawing::MouseY());
  return (mx >= x && mx <= x + width && my >= y && my <= y + height) ? 1 : 0;
}
