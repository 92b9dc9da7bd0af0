#include "support/functions.h"

#include <cmath>

#include "drawing/messages.h"
#include "engine/level_code.h"

// The level code's conversions belong to the engine; these are the names
// the rest of the game calls them by.
std::string Functions::dez2hex(int n) { return ::dez2hex(n); }
int Functions::hex2dez(const std::string& text) { return ::hex2dez(text); }
std::string Functions::prove4zeros(const std::string& text) { return ::prove4zeros(text); }

namespace {

// The part after the last separator at index 1 or later; the whole path
// when there is none.
std::string AfterLastSeparator(const std::string& path, char separator) {
  size_t at = path.rfind(separator);
  if (at == std::string::npos || at == 0) return path;
  return path.substr(at + 1);
}

}  // namespace

std::string Functions::ExtractFileName(const std::string& path) { return AfterLastSeparator(path, '\\'); }

std::string Functions::ExtractFileExt(const std::string& path) { return AfterLastSeparator(path, '.'); }

int Functions::TestPot(int n) {
  for (int p = 2; p <= 512; p *= 2) {
    if (n == p) return 1;
  }
  return 0;
}

float Functions::Log2(float x) { return float(std::log(double(x)) / std::log(2.0)); }

std::string Functions::nthPerm(std::string text, int n) {
  const int length = int(text.size());
  for (int i = 0; i <= length - 2; ++i) {
    const int m = length - 1 - i;
    // Floor division keeps the index in range for negative n as well.
    int rest = n % m;
    int quotient = n / m;
    if (rest < 0) {
      rest += m;
      --quotient;
    }
    const std::string c1(1, text[size_t(m)]);
    const std::string c2(1, text[size_t(rest)]);
    text = ReplaceAll(text, c1, "A");
    text = ReplaceAll(text, c2, "B");
    text = ReplaceAll(text, "A", c2);
    text = ReplaceAll(text, "B", c1);
    n = quotient;
  }
  return text;
}

int Functions::printMap(const Board& board) {
  for (int y = 0; y < 9; ++y) {
    std::string line;
    for (int x = 0; x < 9; ++x) line += " " + std::to_string(int(board[size_t(x)][size_t(y)]));
    drawing::Print(line);
  }
  return 0;
}
