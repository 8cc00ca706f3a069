#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/bodies.h"
#include "surfaces/working.h"

// One working per body: each writes its measures' lines, in the order a
// pupil finds them, from dimensions already known to be positive numbers.
namespace stereona::surfaces {

// The dimensions by slot, as in Dimensions, every one given.
using Values = std::array<double, kMaxQuantities>;

// The slot of a body's quantity, found by the caption kBodies gives it; a
// caption the body has not fails to compile.
consteval std::size_t Slot(BodyIndex body, std::string_view caption) {
  const auto& captions = kBodies[static_cast<std::size_t>(body)].quantityCaptions;
  for (std::size_t slot = 0; slot < captions.size(); ++slot) {
    if (captions[slot] == caption) return slot;
  }
  throw "the body has no quantity of this caption";
}

void WorkCone(const Values& values, Working& working);
void WorkTruncatedCone(const Values& values, Working& working);
void WorkPyramid(const Values& values, Working& working);
void WorkTruncatedPyramid(const Values& values, Working& working);
void WorkCylinder(const Values& values, Working& working);
void WorkParallelepiped(const Values& values, Working& working);

// Indexed by body, in the order of kBodies.
using BodyWorking = void (*)(const Values& values, Working& working);
inline constexpr std::array<BodyWorking, kBodyCount> kBodyWorkings = {
    WorkCone,     WorkTruncatedCone, WorkPyramid, WorkTruncatedPyramid,
    WorkCylinder, WorkParallelepiped};

}  // namespace stereona::surfaces
