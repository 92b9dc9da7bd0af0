#include "presentation/font_data_files.h"

#include <algorithm>
#include <cstring>

#include "drawing/files.h"

namespace {

// Little-endian reads that refuse to run past the end.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
  size_t Remaining() const { return bytes_.size() - pos_; }
  int32_t Int() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= uint32_t(uint8_t(bytes_[pos_ + size_t(i)])) << (8 * i);
    pos_ += 4;
    return int32_t(value);
  }
  float Float() {
    const uint32_t bits = uint32_t(Int());
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

constexpr size_t kVantoHeaderBytes = 4 * 4;
constexpr size_t kVantoRecordBytes = 24;
constexpr size_t kFontCandyHeaderBytes = 9 * 4;
constexpr size_t kFontCandyRecordBytes = 4 * 4;

}  // namespace

std::optional<VantoData> ParseVantoData(std::string_view bytes) {
  ByteReader in(bytes);
  if (in.Remaining() < kVantoHeaderBytes) return std::nullopt;
  VantoData data;
  data.frame_count = in.Int();
  data.cell_size = in.Int();
  data.font_height = in.Int();
  data.space_width = in.Int();
  data.records.reserve(in.Remaining() / kVantoRecordBytes);
  while (in.Remaining() >= kVantoRecordBytes) {
    VantoRecord record;
    record.code = in.Int();
    record.width = in.Int();
    record.height = in.Int();
    record.x_offset = in.Float();
    record.y_offset = in.Float();
    record.advance = in.Float();
    data.records.push_back(record);
  }
  return data;
}

std::optional<FontCandyData> ParseFontCandyData(std::string_view bytes) {
  ByteReader in(bytes);
  if (in.Remaining() < kFontCandyHeaderBytes) return std::nullopt;
  FontCandyData data;
  in.Int();
  in.Int();
  data.mask_r = in.Int();
  data.mask_g = in.Int();
  data.mask_b = in.Int();
  data.last_index = in.Int();
  data.font_height = in.Int();
  data.space_width = in.Int();
  in.Int();
  const int64_t listed = std::max<int64_t>(int64_t(data.last_index) + 1, 0);
  const int64_t present = int64_t(in.Remaining() / kFontCandyRecordBytes);
  const int64_t count = std::min(listed, present);
  data.records.reserve(size_t(count));
  for (int64_t i = 0; i < count; ++i) {
    FontCandyRecord record;
    record.code = in.Int();
    record.x = in.Int();
    record.y = in.Int();
    record.width = in.Int();
    data.records.push_back(record);
  }
  return data;
}

std::optional<std::string> ReadFontDataFile(const std::string& path) {
  drawing::StreamPtr stream = drawing::Stream::Open(path, true, false);
  if (!stream) return std::nullopt;
  const long size = stream->Size();
  const size_t wanted = size > 0 ? std::min(size_t(size), kMaxFontDataBytes) : 0;
  std::vector<uint8_t> bytes = stream->ReadBytes(wanted);
  stream->Close();
  return std::string(bytes.begin(), bytes.end());
}
