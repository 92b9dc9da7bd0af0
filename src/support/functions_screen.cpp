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

// The length of the longest start of `text`, at most `limit` characters,
// that is narrower than `width`. Widths only grow as characters are added,
// so one pass over the characters that fit finds it, however long the text.
size_t LongestFit(std::string_view text, size_t limit, int width) {
  return drawing::TextFitLength(text.substr(0, limit), width);
}

struct LineBreak {
  size_t length;    // characters drawn on this line
  size_t consumed;  // characters used up, a skipped blank or CR included
};

// Where the line starting at `rest` ends: at the first carriage return, else
// after the last blank or hyphen that leaves a line narrower than the box;
// a word that is wider than the box on its own is cut at its last character
// that fits. Every line uses up at least one character.
LineBreak NextLine(std::string_view rest, int width) {
  const size_t cr = rest.find('\r');
  const size_t limit = cr == std::string_view::npos ? rest.size() : cr;
  const size_t fit = LongestFit(rest, limit, width);
  if (fit == limit) return {limit, cr == std::string_view::npos ? limit : limit + 1};
  for (size_t i = fit + 1; i-- > 0;) {
    if (rest[i] == ' ' && i > 0) return {i, i + 1};
    if (rest[i] == '-' && i < fit) return {i + 1, i + 1};  // the hyphen stays
  }
  const size_t cut = std::max<size_t>(fit, 1);
  return {cut, cut};
}

void DrawSingleLine(const std::string& text, float x, float y, int width, int align) {
  if (Fits(text, width)) {
    drawing::DrawText(text, AlignedX(x, width, drawing::TextWidth(text), align), y);
    return;
  }
  const std::string rest = text.substr(0, LongestFit(text, text.size(), width));
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
