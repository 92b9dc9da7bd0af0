// Small text helpers shared by the support services. Texts are Latin-1,
// one byte per character; only ASCII letters change case.
#pragma once

#include <string>
#include <string_view>

std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);
// Strips blanks and control characters (codes 0 to 32) from both ends.
std::string TrimBlanks(std::string_view text);
// Every occurrence of `from` replaced by `to` (from must not be empty).
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
// Truncates toward zero like a plain cast, but values outside the int range
// (and NaN) give the nearest int instead of undefined behaviour. Defined
// once, by the engine.
int TruncToInt(double value);
