#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/parse_number.h"
#include "documents/practice_problem.h"
#include "documents/window_calculation.h"

namespace stereona::practice {

// A problem as the sheets' problem maker would give it, with the values
// chosen by the test: the texts given for the known slots, "" for the
// unknown.
inline documents::PracticeProblem MadeProblem(
    std::size_t body, std::size_t unknown, const std::array<std::string, kMaxQuantities>& given) {
  documents::PracticeProblem problem;
  problem.body = body;
  problem.unknown = unknown;
  problem.given = given;
  for (std::size_t k = 0; k < kMaxQuantities; ++k) {
    if (!given[k].empty()) problem.values[k] = ParseNumber(given[k]);
  }
  problem.solution = documents::CalculateInWindow(body, unknown, given).output;
  return problem;
}

}  // namespace stereona::practice
