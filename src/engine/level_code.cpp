#include "engine/level_code.h"

#include <cstdint>

std::string prove4zeros(const std::string& text) {
  const size_t first = text.find_first_not_of('0');
  return first == std::string::npos ? std::string() : text.substr(first);
}

std::string dez2hex(int n) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const uint32_t value = static_cast<uint32_t>(n);
  std::string text(8, '0');
  for (int i = 0; i < 8; ++i) text[7 - i] = kDigits[(value >> (4 * i)) & 0xfu];
  return prove4zeros(text);
}

int hex2dez(const std::string& text) {
  // Each character adds value * 16^(places after it). Modulo 2^32 only the
  // last eight places count, so unsigned arithmetic gives the exact value
  // whenever it fits an int and a defined wrap when it does not.
  uint32_t value = 0;
  for (char c : text) {
    uint32_t digit = 0;
    if (c >= 'A' && c <= 'F') {
      digit = static_cast<uint32_t>(c - 'A' + 10);
    } else if (c >= '0' && c <= '9') {
      digit = static_cast<uint32_t>(c - '0');
    }
    value = value * 16u + digit;
  }
  return static_cast<int>(value);
}

namespace {

// Decimal text to a 32-bit int, accumulating with wrap-around: a leading
// minus negates, and the first other non-digit ends the number.
int DecimalToWrappedInt(const std::string& text) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10u + static_cast<uint32_t>(text[i] - '0');
  return static_cast<int>(negative ? 0u - value : value);
}

}  // namespace

std::string FormLevelCode(int level, int stone_set, int seed) {
  return dez2hex(DecimalToWrappedInt(std::to_string(level) + std::to_string(stone_set) + std::to_string(seed)));
}

std::optional<LevelCodeParts> ReadLevelCode(const std::string& code) {
  // hex2dez takes anything: a typo would read as another code. A code is
  // hexadecimal digits only, and at most eight that count, since a ninth
  // would wrap away the front ones.
  std::string digits;
  for (char c : code) {
    const char upper = c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    if (!((upper >= '0' && upper <= '9') || (upper >= 'A' && upper <= 'F'))) return std::nullopt;
    digits.push_back(upper);
  }
  digits = prove4zeros(digits);
  if (digits.size() > 8) return std::nullopt;
  const int value = hex2dez(digits);
  if (value < 0) return std::nullopt;
  const std::string decimal = std::to_string(value);
  if (decimal.size() < 3) return std::nullopt;
  LevelCodeParts parts;
  parts.level = decimal[0] - '0';
  const int stone_digit = decimal[1] - '0';
  parts.stone_set = stone_digit >= 1 && stone_digit <= 4 ? stone_digit : 1;
  parts.seed = DecimalToWrappedInt(decimal.substr(2));
  return parts;
}

bool LevelCodeRoundTrips(int level, int stone_set, int seed) {
  const auto parts = ReadLevelCode(FormLevelCode(level, stone_set, seed));
  return parts && *parts == LevelCodeParts{level, stone_set, seed};
}
