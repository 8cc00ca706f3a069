#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/bodies.h"

// The volume of a body with whole dimensions, in whole-number arithmetic.
// The solvers carry pi = 22/7 as its 22 and its 7 and the third of the
// cones and pyramids as a 3, so the volume is a fraction whose denominator
// is 21, 7, 3 or 1: whether it is whole is a question of divisibility.
namespace stereona::documents {

// A body's whole dimensions by slot; slot 0, the volume, is not read.
using Dimensions = std::array<std::uint64_t, kMaxQuantities>;

// How a body's solver forms the volume: factor * H * base / denominator.
enum class Base {
  Square,   // H * x * x: the cone, the pyramid, the cylinder
  Frustum,  // H * (x * x + y * y + x * y): the truncated bodies
  Box,      // a * b * c
};
struct VolumeFormula {
  std::uint64_t factor;       // 22 for pi's numerator, else 1
  std::uint64_t denominator;  // pi's 7 times the third's 3, where they are
  Base base;
};

// By body index, in the order of the body table.
inline constexpr std::array<VolumeFormula, kBodyCount> kVolumeFormulas = {{
    {22, 21, Base::Square},
    {22, 21, Base::Frustum},
    {1, 3, Base::Square},
    {1, 3, Base::Frustum},
    {22, 7, Base::Square},
    {1, 1, Base::Box},
}};

// factor * H * base for these dimensions, or, where it would not fit in 64
// bits, the largest 64-bit number: too large to be a volume a problem gives.
std::uint64_t VolumeNumerator(std::size_t body, const Dimensions& dimensions);

// The largest volume a problem may give for the body: at most 15 digits, so
// that the window writes it in full, and small enough that the solver's
// product of it and the denominator is exact in a double (at most 2^53).
// Then the key's result for a dimension is that whole dimension.
std::uint64_t LargestGivenVolume(std::size_t body);

// The volume a "find a dimension" problem gives: whole and at most the
// largest above. Nothing for dimensions whose volume is not such a number.
std::optional<std::uint64_t> GivenVolume(std::size_t body, const Dimensions& dimensions);

}  // namespace stereona::documents
