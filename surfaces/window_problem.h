#pragma once

#include <cstddef>
#include <optional>

#include "surfaces/surfaces.h"

// The solid of the main window's problem: after «Изчисли» every dimension is
// known, the unknown solved; before, the values typed are the dimensions
// when every one is given. The face's form hands in what it holds, as plain
// values.
namespace stereona::surfaces {

// The unknown as a calculation left it (ProblemState slots 18 and 19).
struct SolvedUnknown {
  double numerator = 0.0;
  double denominator = 0.0;  // 0 over 0: the window refused the problem
};

struct WindowProblem {
  std::size_t body = 0;     // as kBodies
  std::size_t unknown = 0;  // the slot of the unknown, as ProblemState::UnknownIndex
  // By slot: the value each known quantity has, as the last calculation
  // read it or as it is typed now; nothing for an input left empty. The
  // unknown's slot is not read.
  Dimensions values{};
  // Set when the last «Изчисли» was of this very problem and ran to its
  // end (core/calculator.h, SolvedProblem::finished).
  std::optional<SolvedUnknown> solved;
};

// The dimensions of the window's solid: those known, and the unknown once
// solved; nothing for the unknown before, or where the window refused it.
Dimensions DimensionsOf(const WindowProblem& problem);

// The working of the window's solid. A problem the window refused is
// refused with the window's message; an unknown dimension not yet solved is
// named as missing.
SurfaceWorking SurfacesOfWindow(const WindowProblem& problem);

}  // namespace stereona::surfaces
