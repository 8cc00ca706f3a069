#include "surfaces/surfaces.h"

#include "core/fault.h"
#include "surfaces/body_workings.h"
#include "surfaces/dimension_check.h"

namespace stereona::surfaces {

SurfaceWorking WorkSurfaces(std::size_t body, const Dimensions& dimensions) {
  SurfaceWorking result;
  if (body >= kBodyCount) {
    result.message = kNoSuchBodyMessage;
    return result;
  }
  Working working;
  try {
    if (auto problem = DimensionsProblem(body, dimensions)) {
      result.message = std::move(*problem);
      return result;
    }
    Values values{};
    for (std::size_t slot = 1; slot < kBodies[body].quantityCount; ++slot) {
      values[slot] = *dimensions[slot];
    }
    kBodyWorkings[body](values, working);
  } catch (const FloatingPointFault& fault) {
    result.lines = working.Lines();
    result.message = fault.what();
    result.fault = true;
    return result;
  }
  result.lines = working.Lines();
  result.measures = working.Measures();
  return result;
}

std::optional<SurfaceMeasures> MeasureSurfaces(std::size_t body, const Dimensions& dimensions) {
  SurfaceWorking working = WorkSurfaces(body, dimensions);
  if (!working.Worked()) return std::nullopt;
  return working.measures;
}

}  // namespace stereona::surfaces
