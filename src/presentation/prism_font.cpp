#include "presentation/prism_font.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/files.h"
#include "drawing/image.h"
#include "drawing/input.h"
#include "drawing/messages.h"
#include "drawing/picture_variants.h"
#include "presentation/font_data_files.h"
#include "presentation/picture_files.h"
#include "support/text_util.h"

namespace {

// Metrics from data files are kept within this range, so the pen arithmetic
// of the drawing layer can never overflow.
constexpr int kMaxMetric = 1 << 20;
// A dense sheet's glyphs are cut only up to the slots there are.
constexpr int64_t kMaxSlotsCells = 1024;

int NegatedOffset(float offset) { return -std::clamp(TruncToInt(offset), -kMaxMetric, kMaxMetric); }

float SafeMetric(float value) {
  if (!std::isfinite(value)) return 0;
  return std::clamp(value, -float(kMaxMetric), float(kMaxMetric));
}

// Cells of cellW x cellH, left to right then top to bottom, at most `wanted`
// of them and never more than the picture holds.
std::vector<drawing::PixmapPtr> CutCells(const drawing::Pixmap& picture, int cellW, int cellH, int64_t wanted) {
  std::vector<drawing::PixmapPtr> cells;
  if (cellW <= 0 || cellH <= 0 || wanted <= 0) return cells;
  const int across = picture.width() / cellW, down = picture.height() / cellH;
  const int64_t count = std::min<int64_t>(wanted, int64_t(across) * down);
  cells.reserve(size_t(count));
  for (int64_t i = 0; i < count; ++i) {
    const int column = int(i % across), row = int(i / across);
    cells.push_back(picture.Window(column * cellW, row * cellH, cellW, cellH));
  }
  return cells;
}

drawing::PixmapPtr MaskedCopy(const drawing::Pixmap& source, int imageFlags, uint32_t mask_rgb) {
  drawing::PixmapPtr copy = source.Copy();
  if (imageFlags & drawing::MASKEDIMAGE) ApplyMask(*copy, mask_rgb);
  return copy;
}

// Leftmost and rightmost columns holding a pixel with non-zero alpha; both 0 for an empty cell.
void VisibleColumns(const drawing::Pixmap& cell, int& left, int& right) {
  left = -1;
  right = 0;
  for (int x = 0; x < cell.width(); ++x) {
    for (int y = 0; y < cell.height(); ++y) {
      if (drawing::ARGB_A(cell.ReadPixel(x, y)) != 0) {
        if (left < 0) left = x;
        right = x;
        break;
      }
    }
  }
  if (left < 0) left = 0;
}

// Reads and parses a data file, then gives the font the line height and the
// space its header names.
template <class Data>
std::optional<Data> ReadDataFile(TPrismFont& font, const std::string& path,
                                 std::optional<Data> (*parse)(std::string_view)) {
  const std::optional<std::string> bytes = ReadFontDataFile(path);
  if (!bytes) return std::nullopt;
  std::optional<Data> data = parse(*bytes);
  if (!data) return std::nullopt;
  font.FontHeight = data->font_height;
  TPrismFont::CreateSpace(font, data->space_width);
  return data;
}

}  // namespace

void TPrismFontGlyph::GetRect(int& x, int& y, int& w, int& h) {
  x = G_X;
  y = G_Y;
  w = G_Width;
  h = G_Height;
}

int TPrismFont::Style() {
  if (Flags & KIND_VANTO) return KIND_VANTO;
  if (Flags & KIND_FONTCANDY) return KIND_FONTCANDY;
  if (Flags & AUTOSIZED_FIXED_WIDTH) return KIND_AUTOSIZED | AUTOSIZED_FIXED_WIDTH;
  return KIND_AUTOSIZED;
}

int TPrismFont::SlotOf(int code) { return (code >= kFirstCode && code <= kLastCode) ? code - kFirstCode : -1; }

int TPrismFont::CharToGlyph(int code) { return SlotOf(code); }

drawing::GlyphPtr TPrismFont::LoadGlyph(int index) {
  if (index < 0 || index >= kSlots || !Glyphs[size_t(index)]) return NullGlyph;
  return Glyphs[size_t(index)];
}

bool PrismFileExists(const std::string& path) {
  // Resources built into the program always exist. Only that test folds the
  // letter case: the file system here is case-sensitive.
  if (LowerAscii(path).find("incbin::") != std::string::npos) return true;
  return drawing::FileType(path) != drawing::FILETYPE_NONE;
}

void TPrismFont::Error(const std::string& message) {
  drawing::Notify("PrismFont @ " + std::to_string(drawing::MilliSecs()) + " > ERROR: " + message, false);
}

void TPrismFont::CreateSpace(TPrismFont& font, int width) {
  auto space = std::make_shared<TPrismFontGlyph>();
  space->G_Advance = float(width);
  space->G_Width = width;
  space->G_Height = 1;
  space->G_Pixmap = drawing::Pixmap::Create(width, 1, drawing::PF_RGBA8888);  // null for widths out of range
  font.Glyphs[0] = space;
}

TPrismFontPtr TPrismFont::Load(const std::string& url, int size, int cellHeight, int spaceWidth,
                               const std::string& data, int charSpacing, int imageFlags, int flags) {
  if (!PrismFileExists(url)) {
    Error("File " + url + " Not found...");
    return nullptr;
  }
  auto font = std::make_shared<TPrismFont>();
  font->ImageFlags = imageFlags;
  font->Flags = flags;
  if (flags & KIND_AUTOSIZED) return AutoSizedFontLoader(font, url, size, cellHeight, spaceWidth, data, charSpacing);
  if (flags == KIND_VANTO) return VantoFontLoader(font, url, data, charSpacing);
  if (flags == KIND_FONTCANDY) return FontCandyLoader(font, url, data, charSpacing);
  return font;
}

TPrismFontPtr TPrismFont::VantoFontLoader(const TPrismFontPtr& font, const std::string& url,
                                          const std::string& dataFile, int charSpacing) {
  const std::optional<VantoData> data = ReadDataFile<VantoData>(*font, dataFile, ParseVantoData);
  if (!data) return nullptr;

  const drawing::PixmapPtr picture = LoadPictureChecked(url);
  if (!picture) return nullptr;
  // Only as many cells as glyphs will use: a header may claim millions.
  const int64_t used = std::count_if(data->records.begin(), data->records.end(),
                                     [](const VantoRecord& record) { return SlotOf(record.code) >= 0; });
  const int64_t wanted = data->frame_count <= 0 ? 0 : std::clamp<int64_t>(used, 1, data->frame_count);
  const std::vector<drawing::PixmapPtr> cells = CutCells(*picture, data->cell_size, data->cell_size, wanted);
  if (cells.empty()) return nullptr;

  size_t frame = 0;
  for (const VantoRecord& record : data->records) {
    const int slot = SlotOf(record.code);
    if (slot < 0) continue;  // uses no frame
    if (frame >= cells.size()) break;  // the picture holds no more glyphs
    auto glyph = std::make_shared<TPrismFontGlyph>();
    glyph->G_Pixmap = MaskedCopy(*cells[frame++], font->ImageFlags, 0);
    glyph->G_Width = record.width;
    glyph->G_Height = record.height;
    glyph->G_X = NegatedOffset(record.x_offset);
    glyph->G_Y = NegatedOffset(record.y_offset);
    glyph->G_Advance = SafeMetric(record.advance) + float(charSpacing) + 1.0f;
    font->Glyphs[size_t(slot)] = glyph;
  }
  UseDenseVariant(*font, url, dataFile, drawing::PictureScale());
  return font;
}

bool TPrismFont::UseDenseVariant(TPrismFont& font, const std::string& url, const std::string& dataFile,
                                 double scale) {
  if (!(scale > 1.0)) return false;
  std::vector<int> available = {1};
  for (int f = 2; f <= drawing::kMaxPictureFactor; ++f) {
    if (PrismFileExists(drawing::PictureVariantPath(url, f)) && PrismFileExists(drawing::PictureVariantPath(dataFile, f)))
      available.push_back(f);
  }
  const int factor = drawing::ChoosePictureFactor(scale, available);
  if (factor == 1) return false;
  const std::string picturePath = drawing::PictureVariantPath(url, factor);
  auto refuse = [&] {
    drawing::Print(picturePath + ": does not match " + url + " at " + std::to_string(factor) + "x, which is used instead");
    return false;
  };
  const std::optional<std::string> bytes = ReadFontDataFile(drawing::PictureVariantPath(dataFile, factor));
  const std::optional<VantoData> data = bytes ? ParseVantoData(*bytes) : std::nullopt;
  const drawing::PixmapPtr picture = LoadPictureChecked(picturePath);
  const drawing::PixmapPtr plain = LoadPictureChecked(url);
  if (!data || !picture || !plain || picture->width() != plain->width() * factor ||
      picture->height() != plain->height() * factor || data->frame_count <= 0 || data->cell_size <= 0)
    return refuse();
  const std::vector<drawing::PixmapPtr> cells =
      CutCells(*picture, data->cell_size, data->cell_size, std::min<int64_t>(data->frame_count, kMaxSlotsCells));
  size_t frame = 0;
  std::array<TPrismFontGlyphPtr, kSlots> dense{};
  for (const VantoRecord& record : data->records) {
    const int slot = SlotOf(record.code);
    if (slot < 0) continue;
    if (frame >= cells.size()) break;
    const TPrismFontGlyphPtr& plainGlyph = font.Glyphs[size_t(slot)];
    const drawing::PixmapPtr& cell = cells[frame++];
    if (!plainGlyph) continue;
    auto glyph = std::make_shared<TPrismFontGlyph>(*plainGlyph);
    glyph->G_Pixmap = MaskedCopy(*cell, font.ImageFlags, 0);
    glyph->G_Width = record.width;
    glyph->G_Height = record.height;
    glyph->G_X = NegatedOffset(record.x_offset);
    glyph->G_Y = NegatedOffset(record.y_offset);
    dense[size_t(slot)] = glyph;
  }
  // A space the header made (no record of its own) has no pixels to show:
  // only its picture's size follows.
  if (const TPrismFontGlyphPtr& space = font.Glyphs[0]; space && !dense[0]) {
    auto wide = std::make_shared<TPrismFontGlyph>(*space);
    wide->G_Width = std::clamp(space->G_Width, 0, kMaxMetric) * factor;
    wide->G_Pixmap = drawing::Pixmap::Create(wide->G_Width, factor, drawing::PF_RGBA8888);
    dense[0] = wide;
  }
  // Every drawn letter must have its dense picture, or the line would mix sizes.
  for (int slot = 0; slot < kSlots; ++slot)
    if (font.Glyphs[size_t(slot)] && !dense[size_t(slot)]) return refuse();
  font.Glyphs = dense;
  font.GlyphDensity = factor;
  return true;
}

TPrismFontPtr TPrismFont::FontCandyLoader(const TPrismFontPtr& font, const std::string& url,
                                          const std::string& dataFile, int charSpacing) {
  const std::optional<FontCandyData> data = ReadDataFile<FontCandyData>(*font, dataFile, ParseFontCandyData);
  if (!data) return nullptr;

  drawing::PixmapPtr picture = LoadPictureChecked(url);
  if (!picture) return nullptr;
  const uint32_t mask = drawing::ARGB(0, std::clamp(data->mask_r, 0, 255), std::clamp(data->mask_g, 0, 255),
                                      std::clamp(data->mask_b, 0, 255));
  if (font->ImageFlags & drawing::MASKEDIMAGE) ApplyMask(*picture, mask);

  for (const FontCandyRecord& record : data->records) {
    const int slot = SlotOf(record.code);
    if (slot < 0) continue;
    drawing::PixmapPtr pixels = CutRect(*picture, record.x, record.y, record.width, font->FontHeight);
    if (!pixels) continue;  // the rectangle lies outside the picture
    auto glyph = std::make_shared<TPrismFontGlyph>();
    glyph->G_Pixmap = pixels;
    glyph->G_Width = record.width;
    glyph->G_Height = font->FontHeight;
    glyph->G_Advance = float(std::clamp(record.width, -kMaxMetric, kMaxMetric)) + float(charSpacing);
    font->Glyphs[size_t(slot)] = glyph;
  }
  return font;
}

TPrismFontPtr TPrismFont::AutoSizedFontLoader(const TPrismFontPtr& font, const std::string& url, int cellWidth,
                                              int cellHeight, int spaceWidth, const std::string& charset,
                                              int charSpacing) {
  const drawing::PixmapPtr picture = LoadPictureChecked(url);
  if (!picture) return nullptr;
  const std::vector<drawing::PixmapPtr> cells = CutCells(*picture, cellWidth, cellHeight, int64_t(charset.size()));
  if (cells.empty()) return nullptr;
  CreateSpace(*font, spaceWidth);
  const bool fixed_width = font->Flags & AUTOSIZED_FIXED_WIDTH;
  for (size_t i = 0; i < charset.size() && i < cells.size(); ++i) {
    const int slot = SlotOf(int(uint8_t(charset[i])));
    if (slot < 0) continue;  // still uses its frame
    auto glyph = std::make_shared<TPrismFontGlyph>();
    glyph->G_Pixmap = MaskedCopy(*cells[i], font->ImageFlags, 0);
    glyph->G_Height = cellHeight;
    glyph->G_Y = -cellHeight;
    if (fixed_width) {
      glyph->G_Width = cellWidth;
      glyph->G_X = 0;
      glyph->G_Advance = float(cellWidth);
    } else {
      int left, right;
      VisibleColumns(*glyph->G_Pixmap, left, right);
      glyph->G_Width = right - left;
      glyph->G_X = -left;
      glyph->G_Advance = float(glyph->G_Width) + float(charSpacing);
    }
    font->Glyphs[size_t(slot)] = glyph;
  }
  font->FontHeight = cellHeight;
  return font;
}
