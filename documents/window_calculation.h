#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/bodies.h"
#include "core/problem_state.h"

namespace stereona::documents {

// What the window shows when its inputs hold these texts and «Изчисли» is
// pressed: its whole output text, and the problem state the calculation
// left (the known slots, the unknown's index, the result's numerator and
// denominator).
struct WindowCalculation {
  std::string output;
  ProblemState state;
};

// The window's calculate command on its own controls holding one problem:
// the body and the unknown selected, inputs[k] in input k. A fault of the
// calculation reaches the caller as the window's would.
WindowCalculation CalculateInWindow(std::size_t body, std::size_t unknown,
                                    const std::array<std::string, kMaxQuantities>& inputs);

// The lines the body's solver writes for the state a calculation left, as
// they stand before the result is put on the last one: that line is left
// open. The state must be one the solver ran on (not a refused product).
std::string SolverLines(std::size_t body, const ProblemState& state);

}  // namespace stereona::documents
