#pragma once

#include <array>
#include <string_view>

namespace stereona {

// A pupil's "1 000" copied from a Bulgarian text holds a no-break space
// (U+00A0) or a narrow one (U+202F) between the groups: blanks to a reader
// of numbers, as UTF-8.
inline constexpr std::array<std::string_view, 2> kNoBreakSpaces = {"\u00A0", "\u202F"};

// The one parse of text to a number. Blanks, tabs, line feeds and no-break
// spaces are skipped wherever they stand; then the longest leading number is
// read (sign, digits, decimal mark and digits, exponent). The decimal mark is
// "." or ",", whatever the regional settings: the first of either kind is the
// mark, and a second one ends the number. Text that starts with no number
// reads 0. A value beyond the range of a double raises
// the overflow fault; one too small to represent reads 0.
double ParseNumber(std::string_view text);

}  // namespace stereona
