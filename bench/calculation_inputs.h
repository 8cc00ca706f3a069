#pragma once

#include <array>

namespace stereona::bench {

// Inputs that every body solves without refusal: V = 462, H = 7, then 6, 3.
constexpr std::array<const char*, 4> kInputs = {"462", "7", "6", "3"};

}  // namespace stereona::bench
