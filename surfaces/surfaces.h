#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/bodies.h"
#include "surfaces/surface_measures.h"

// A solid's surface areas and the sizes of its net, from its dimensions,
// worked out step by step in the style of the volume's solution: each
// measure under its heading, the formula, the numbers put in, and the result
// as an unreduced fraction (pi = 22/7, its 22 and 7 kept apart) with its
// decimal. A square root is written as sqrt(n) with its decimal, and that
// decimal, as written, is what the later lines carry. The lines end in CRLF
// and their numbers are written with the decimal separator in use.
namespace stereona::surfaces {

// A body's dimensions by the slot its quantity has in kBodies (for the cone
// H in 1 and R in 2); nothing where a value is not given. Slot 0, the
// volume, is no dimension and is never read, nor a slot past the body's
// quantities.
using Dimensions = std::array<std::optional<double>, kMaxQuantities>;

// The working of one solid, or why there is none.
struct SurfaceWorking {
  std::string lines;    // after a fault, the lines written before it
  std::string message;  // empty when the working ran to its end
  bool fault = false;  // the message is the window's fault message ("Грешка 6: Препълване")
  SurfaceMeasures measures;  // all empty unless the working ran to its end

  bool Worked() const noexcept { return message.empty(); }
};

// The working for a body (its index in kBodies) of these dimensions. Never
// throws: a dimension missing, not a positive number, or a body that is not
// one of the six gets a sentence that says so; infinite dimensions and a
// step that overflows get the window's fault message.
SurfaceWorking WorkSurfaces(std::size_t body, const Dimensions& dimensions);

// The same measures without the text, for the drawings: nothing when the
// working has none.
std::optional<SurfaceMeasures> MeasureSurfaces(std::size_t body, const Dimensions& dimensions);

}  // namespace stereona::surfaces
