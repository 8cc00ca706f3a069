#pragma once

#include <array>
#include <string_view>

#include "core/bodies.h"

namespace stereona::drawings {

// The bodies in the order of kBodies, in Latin letters for file names and
// test names, where the Bulgarian captions would not do.
inline constexpr std::array<std::string_view, kBodyCount> kLatinBodyNames = {
    "cone", "truncated_cone", "pyramid", "truncated_pyramid", "cylinder", "parallelepiped"};

}  // namespace stereona::drawings
