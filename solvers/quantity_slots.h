#pragma once

#include <cstddef>

#include "core/bodies.h"

// The slots of Quantity by the quantity they hold for each body: slot k is
// what input Text2(k) holds, as its selector's caption names it.
namespace stereona::slots {

namespace cone {
inline constexpr std::size_t V = 0, H = 1, R = 2;
}
namespace truncated_cone {
inline constexpr std::size_t V = 0, H = 1, R1 = 2, R2 = 3;
}
namespace pyramid {
inline constexpr std::size_t V = 0, H = 1, a = 2;
}
namespace truncated_pyramid {
inline constexpr std::size_t V = 0, H = 1, a = 2, b = 3;
}
namespace cylinder {
inline constexpr std::size_t V = 0, H = 1, R = 2;
}
namespace parallelepiped {
inline constexpr std::size_t V = 0, a = 1, b = 2, c = 3;
}

// The names agree with the captions the window shows for each slot.
constexpr bool Names(BodyIndex body, std::size_t slot, std::string_view caption) {
  return kBodies[static_cast<std::size_t>(body)].quantityCaptions[slot] == caption;
}
static_assert(Names(BodyIndex::Cone, cone::H, "H") && Names(BodyIndex::Cone, cone::R, "R"));
static_assert(Names(BodyIndex::TruncatedCone, truncated_cone::R1, "R1") &&
              Names(BodyIndex::TruncatedCone, truncated_cone::R2, "R2"));
static_assert(Names(BodyIndex::Pyramid, pyramid::H, "H") &&
              Names(BodyIndex::Pyramid, pyramid::a, "a"));
static_assert(Names(BodyIndex::TruncatedPyramid, truncated_pyramid::a, "a") &&
              Names(BodyIndex::TruncatedPyramid, truncated_pyramid::b, "b"));
static_assert(Names(BodyIndex::Cylinder, cylinder::H, "H") &&
              Names(BodyIndex::Cylinder, cylinder::R, "R"));
static_assert(Names(BodyIndex::Parallelepiped, parallelepiped::a, "a") &&
              Names(BodyIndex::Parallelepiped, parallelepiped::b, "b") &&
              Names(BodyIndex::Parallelepiped, parallelepiped::c, "c"));

}  // namespace stereona::slots
