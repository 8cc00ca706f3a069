#include "surfaces/window_problem.h"

#include <cmath>

#include "core/calculator.h"
#include "core/checked_math.h"
#include "core/fault.h"

namespace stereona::surfaces {
namespace {

SurfaceWorking Unworked(std::string_view message, bool fault) {
  SurfaceWorking working;
  working.message = message;
  working.fault = fault;
  return working;
}

}  // namespace

Dimensions DimensionsOf(const WindowProblem& problem) {
  Dimensions dimensions = problem.values;
  if (problem.unknown == 0 || problem.unknown >= kMaxQuantities) return dimensions;
  dimensions[problem.unknown] = std::nullopt;
  if (problem.solved && problem.solved->denominator != 0.0) {
    const double value = problem.solved->numerator / problem.solved->denominator;
    if (std::isfinite(value)) dimensions[problem.unknown] = value;
  }
  return dimensions;
}

SurfaceWorking SurfacesOfWindow(const WindowProblem& problem) {
  Dimensions dimensions = problem.values;
  const bool dimensionUnknown = problem.unknown > 0 && problem.unknown < kMaxQuantities;
  if (!dimensionUnknown) return WorkSurfaces(problem.body, dimensions);

  dimensions[problem.unknown] = std::nullopt;
  if (problem.solved) {
    const auto [numerator, denominator] = *problem.solved;
    if (numerator == 0.0 && denominator == 0.0) return Unworked(kRefusalMessage, false);
    try {
      dimensions[problem.unknown] = checked::Div(numerator, denominator);
    } catch (const FloatingPointFault& fault) {
      return Unworked(fault.what(), true);
    }
  }
  return WorkSurfaces(problem.body, dimensions);
}

}  // namespace stereona::surfaces
