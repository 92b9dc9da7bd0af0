// Numbers in theme attributes. Whole numbers: leading blanks, an optional
// sign, then decimal digits, or "$" and hexadecimal digits, or "%" and binary
// digits; reading stops at the first other character and no digits read as
// 0. Values wrap modulo 2^32 rather than overflow. Decimal numbers are read
// like a standard floating-point reader reads the start of a text.
#pragma once

#include <string_view>

int ParseWholeNumber(std::string_view text);
float ParseDecimalNumber(std::string_view text);
