// Level codes: level, stone set and seed in one hexadecimal number, and
// the number conversions they are made with.
#pragma once

#include <optional>
#include <string>

// The text without its leading "0" characters.
std::string prove4zeros(const std::string& text);
// n as upper-case hexadecimal (negative values as their 32-bit two's
// complement) without leading zeros; 0 gives the empty text.
std::string dez2hex(int n);
// The value of upper-case hexadecimal text; any other character counts 0.
// Values past the int range wrap modulo 2^32.
int hex2dez(const std::string& text);

// The code shown for a game: the decimal texts of level, stone set and seed
// joined, read as a 32-bit int (wrapping), written by dez2hex.
std::string FormLevelCode(int level, int stone_set, int seed);

struct LevelCodeParts {
  int level = 0;
  int stone_set = 0;
  int seed = 0;
  bool operator==(const LevelCodeParts&) const = default;
};

// What the repeat-game menu reads from a code: the first decimal digit is
// the level, the second the stone set (one outside 1 to 4 falls back to set
// 1, as the theme's stone-set choice does), the rest the seed. Nothing for
// text that is not one to eight hexadecimal digits (either case, after
// leading zeros), nor when the decimal form is negative or shorter than
// three digits: such a code holds no seed.
std::optional<LevelCodeParts> ReadLevelCode(const std::string& code);

// Whether the code formed from these values reads back to them.
bool LevelCodeRoundTrips(int level, int stone_set, int seed);
