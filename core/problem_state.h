#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace stereona {

inline constexpr std::size_t kQuantitySlots = 21;
inline constexpr std::size_t kNumeratorSlot = 18;
inline constexpr std::size_t kDenominatorSlot = 19;

inline constexpr std::string_view kCrLf = "\r\n";

// Lives as long as the window and is never reset: slots 0 to 3 keep the last
// value each input had when it was known, and 18/19 the last result.
struct ProblemState {
  std::array<double, kQuantitySlots> Quantity{};
  std::int16_t UnknownIndex = 0;
};

}  // namespace stereona
