#include "vanto.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "shapes.h"
#include "text.h"

namespace baker {

namespace {

constexpr int kColumns = 16;

void PutInt(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t GetInt(const std::vector<uint8_t>& in, size_t pos) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= uint32_t(in[pos + size_t(i)]) << (8 * i);
  return v;
}

// One glyph in its cell: shadow, outline, then the gradient fill.
Canvas RenderCell(const TypeFace& face, char32_t c, const VantoStyle& style, int cell, int margin, int lineHeight) {
  Mask glyph(cell, cell);
  float baseline = float(margin) + std::round(face.ascender());
  face.DrawChar(glyph, c, float(margin), baseline);
  Canvas out(cell, cell);
  Mask body = glyph;
  if (style.outline > 0) {
    // Dilation by blurring and boosting the coverage keeps the outline round.
    body = glyph.Blurred(style.outline * 0.55f).Scaled(4.0f).Plus(glyph);
  }
  if (style.shadowColour.a > 0) out.Shadow(body, style.shadowX, style.shadowY, style.shadowBlur, style.shadowColour);
  if (style.outline > 0) out.Fill(body, style.outlineColour);
  out.Fill(glyph, VerticalGradient(float(margin), float(margin + lineHeight), style.fillTop, style.fillBottom));
  return out;
}

bool TouchesBorder(const Canvas& c) {
  const int n = c.pixelWidth();
  for (int i = 0; i < n; ++i)
    if (c.Get(i, 0).a > 0.004f || c.Get(i, n - 1).a > 0.004f || c.Get(0, i).a > 0.004f ||
        c.Get(n - 1, i).a > 0.004f)
      return true;
  return false;
}

}  // namespace

VantoFont BakeVantoFont(const VantoStyle& style) {
  // The layout (cell size, glyph offsets, advances) is settled at 1x, so a
  // denser sheet is the same font with more pixels in every cell.
  const int scale = BakeScale();
  ScaleScope layoutScope(1);
  auto face = std::make_shared<TypeFace>(style.fontPath, style.pixelSize);
  face->SetFallback(std::make_shared<TypeFace>(DejaVuBoldPath(), style.pixelSize));
  VantoFont font;
  int lineHeight = int(std::ceil(face->ascender() + face->descender()));

  std::vector<char32_t> chars;
  std::vector<int> codes;
  float widest = 0;
  for (int code = 32; code <= 254; ++code) {
    char32_t c = GameCharToUnicode(code);
    if (!c) continue;
    chars.push_back(c);
    codes.push_back(code);
    widest = std::max(widest, face->Advance(c));
  }
  // Render every glyph into a roomy cell first, then cut all cells to the
  // smallest square that holds every glyph with its outline and shadow.
  const int roomy = 2 * int(std::ceil(std::max(float(lineHeight), widest))) + 16;
  const int origin = roomy / 4;
  std::vector<Canvas> glyphs;
  int left = roomy, top = roomy, right = 0, bottom = 0;
  for (char32_t c : chars) {
    glyphs.push_back(RenderCell(*face, c, style, roomy, origin, lineHeight));
    const Canvas& g = glyphs.back();
    for (int y = 0; y < roomy; ++y)
      for (int x = 0; x < roomy; ++x)
        if (g.Get(x, y).a > 0.002f) {
          left = std::min(left, x), right = std::max(right, x);
          top = std::min(top, y), bottom = std::max(bottom, y);
        }
  }
  if (TouchesBorder(glyphs.front())) throw std::runtime_error("glyph cell too small");
  // Keep the pen's cell corner inside the cell even for an empty line top.
  left = std::min(left, origin) - 1;
  top = std::min(top, origin) - 1;
  int cell = std::max(right - left, bottom - top) + 2;
  cell += cell % 2;
  int rows = (int(chars.size()) + kColumns - 1) / kColumns;
  std::shared_ptr<TypeFace> denseFace;
  if (scale > 1) {
    ScaleScope dense(scale);
    denseFace = std::make_shared<TypeFace>(style.fontPath, style.pixelSize);
    denseFace->SetFallback(std::make_shared<TypeFace>(DejaVuBoldPath(), style.pixelSize));
  }
  ScaleScope sheetScope(scale);
  font.sheet = Canvas(cell * kColumns, cell * rows);
  // The data file speaks in the sheet's pixels.
  font.cellSize = cell * scale;
  font.fontHeight = lineHeight * scale;
  font.spaceWidth = (int(std::lround(face->Advance(U' '))) + style.extraSpacing) * scale;

  for (size_t i = 0; i < chars.size(); ++i) {
    if (scale > 1) glyphs[i] = RenderCell(*denseFace, chars[i], style, roomy, origin, lineHeight);
    if (TouchesBorder(glyphs[i])) throw std::runtime_error("glyph does not fit its cell: " + std::to_string(codes[i]));
    font.sheet.Draw(glyphs[i].Crop(left, top, cell, cell), int(i % kColumns) * cell, int(i / kColumns) * cell);
    VantoRecord r;
    r.code = codes[i];
    r.width = int(std::lround(face->Advance(chars[i]))) * scale;
    r.height = lineHeight * scale;
    r.xOffset = float((origin - left) * scale);
    r.yOffset = float((origin - top) * scale);
    // The loader adds one pixel to every advance.
    r.advance = float(r.width + style.extraSpacing * scale - 1);
    font.records.push_back(r);
  }
  return font;
}

std::vector<uint8_t> VantoFont::DataFile() const {
  std::vector<uint8_t> out;
  PutInt(out, uint32_t(records.size()));
  PutInt(out, uint32_t(cellSize));
  PutInt(out, uint32_t(fontHeight));
  PutInt(out, uint32_t(spaceWidth));
  for (const auto& r : records) {
    PutInt(out, uint32_t(r.code));
    PutInt(out, uint32_t(r.width));
    PutInt(out, uint32_t(r.height));
    PutInt(out, std::bit_cast<uint32_t>(r.xOffset));
    PutInt(out, std::bit_cast<uint32_t>(r.yOffset));
    PutInt(out, std::bit_cast<uint32_t>(r.advance));
  }
  return out;
}

bool VantoFont::ParseDataFile(const std::vector<uint8_t>& bytes, VantoFont* out) {
  if (bytes.size() < 16 || (bytes.size() - 16) % 24 != 0) return false;
  out->records.clear();
  int frames = int(GetInt(bytes, 0));
  out->cellSize = int(GetInt(bytes, 4));
  out->fontHeight = int(GetInt(bytes, 8));
  out->spaceWidth = int(GetInt(bytes, 12));
  for (size_t pos = 16; pos < bytes.size(); pos += 24) {
    VantoRecord r;
    r.code = int32_t(GetInt(bytes, pos));
    r.width = int32_t(GetInt(bytes, pos + 4));
    r.height = int32_t(GetInt(bytes, pos + 8));
    r.xOffset = std::bit_cast<float>(GetInt(bytes, pos + 12));
    r.yOffset = std::bit_cast<float>(GetInt(bytes, pos + 16));
    r.advance = std::bit_cast<float>(GetInt(bytes, pos + 20));
    out->records.push_back(r);
  }
  return frames == int(out->records.size());
}

int VantoFont::TextWidth(const std::string& text) const {
  int width = 0;
  for (unsigned char ch : text) {
    if (ch == ' ') {
      auto it = std::find_if(records.begin(), records.end(), [](const VantoRecord& r) { return r.code == 32; });
      width += it != records.end() ? int(it->advance + 1.0f) : spaceWidth;
      continue;
    }
    for (const auto& r : records)
      if (r.code == ch) width += int(r.advance + 1.0f);
  }
  return width;
}

}  // namespace baker
