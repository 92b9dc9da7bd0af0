// Readers of the bitmap-font data files. They work on the file's bytes, so
// that a hostile or damaged file can only ever yield fewer glyphs: a header
// that is cut short gives nothing, a record that is cut short is dropped,
// and nothing is allocated beyond what the bytes themselves hold.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Data files larger than this are read only up to it; a real font needs a
// few kilobytes.
constexpr size_t kMaxFontDataBytes = 1 << 20;

// ".vnt": four-int header, then 24-byte records.
struct VantoRecord {
  int32_t code = 0, width = 0, height = 0;
  float x_offset = 0, y_offset = 0, advance = 0;
};
struct VantoData {
  int32_t frame_count = 0, cell_size = 0, font_height = 0, space_width = 0;
  std::vector<VantoRecord> records;  // complete records only
};
std::optional<VantoData> ParseVantoData(std::string_view bytes);

// ".dat": nine-int header, then N + 1 records of four ints.
struct FontCandyRecord {
  int32_t code = 0, x = 0, y = 0, width = 0;
};
struct FontCandyData {
  int32_t mask_r = 0, mask_g = 0, mask_b = 0;
  int32_t last_index = 0, font_height = 0, space_width = 0;
  std::vector<FontCandyRecord> records;  // at most last_index + 1, complete ones only
};
std::optional<FontCandyData> ParseFontCandyData(std::string_view bytes);

// The first kMaxFontDataBytes of a file; nullopt when it cannot be opened.
std::optional<std::string> ReadFontDataFile(const std::string& path);
