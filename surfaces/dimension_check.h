#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "surfaces/surfaces.h"

namespace stereona::surfaces {

inline constexpr std::string_view kNoSuchBodyMessage = "Няма такова тяло.";

// The sentence that names the dimensions missing, or else those that are
// not positive numbers, in the words of the body table:
// "Липсва стойност за височината H." Nothing when every dimension of the
// body is a positive number. Where the only fault is an infinite one, the
// overflow fault is raised, as the window's reading of a number too large
// does. The body must be one of the six.
std::optional<std::string> DimensionsProblem(std::size_t body, const Dimensions& dimensions);

}  // namespace stereona::surfaces
