#pragma once

#include <cstdint>
#include <limits>

// Whole-number arithmetic that stops at the largest 64-bit number instead of
// wrapping round: a count or a volume that large is simply "too many" or
// "too large".
namespace stereona::documents {

inline constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max();

inline std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
  std::uint64_t product = 0;
  return __builtin_mul_overflow(a, b, &product) ? kSaturated : product;
}

inline std::uint64_t SaturatingSum(std::uint64_t a, std::uint64_t b) {
  std::uint64_t sum = 0;
  return __builtin_add_overflow(a, b, &sum) ? kSaturated : sum;
}

}  // namespace stereona::documents
