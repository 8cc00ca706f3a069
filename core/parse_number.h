#pragma once

#include <string_view>

namespace stereona {

// The one parse of text to a number. Blanks, tabs and line feeds are skipped
// wherever they stand; then the longest leading number is read (sign, digits,
// "." and digits, exponent), always with "." as the separator. Text that
// starts with no number reads 0. A value beyond the range of a double raises
// the overflow fault; one too small to represent reads 0.
double ParseNumber(std::string_view text);

}  // namespace stereona
