#pragma once

#include <array>
#include <string_view>

// The ranges of the random whole numbers, as the window's range list offers
// them: each is the largest number it draws. The window and the practice
// sheets both read this one table.
namespace stereona {

inline constexpr std::array<std::string_view, 5> kRanges = {"10", "100", "1000", "10000", "100000"};

}  // namespace stereona
