#pragma once

#include <array>
#include <string>

#include "core/bodies.h"
#include "drawings/figure.h"

// The solid drawn to the problem's numbers, as a school drawing: the round
// solids upright with their bases as ellipses, the others in cabinet
// oblique, hidden edges dashed. Its proportions follow the dimensions, so
// that a cone of H = 2 and R = 10 is flat and one of H = 10 and R = 2 tall.
namespace stereona::figures {

// No length is drawn shorter than the longest one over this: past it the
// drawing keeps 6:1 and says «не е в мащаб».
inline constexpr double kMaxProportion = 6;

struct SolidDimensions {
  BodyIndex body = BodyIndex::Cone;
  // By quantity slot, as kBodies orders them; slot 0 (the volume) is not a
  // length and is not read. A value that is not a positive finite number
  // (an unknown not yet solved) is drawn as long as the mean of the others.
  std::array<double, kMaxQuantities> values{};
  // By slot, the texts written on the drawing: "H = 8", "R = ?". The
  // volume's text, if any, stands above the drawing.
  std::array<std::string, kMaxQuantities> texts;
};

Figure SolidToScale(const SolidDimensions& solid);

}  // namespace stereona::figures
