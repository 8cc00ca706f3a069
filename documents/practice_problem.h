#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/bodies.h"
#include "core/random_source.h"
#include "documents/sheet_options.h"

namespace stereona::documents {

// One problem of a practice sheet and its key entry.
struct PracticeProblem {
  std::size_t body = 0;
  std::size_t unknown = 0;  // the slot asked for; 0 is the volume
  // What the sentence gives for each slot of the body: the drawn whole
  // numbers, and the volume as its solution wrote it. Empty for the unknown.
  std::array<std::string, kMaxQuantities> given;
  // Every drawn dimension, the unknown's included; the volume's slot holds
  // the volume as given (0 when the volume is the unknown).
  std::array<double, kMaxQuantities> values{};
  std::string solution;  // the key: the window's whole text for these values
};

// Draws a body among those chosen, the unknown, and a whole number from the
// range for every dimension; the volume comes from the body's own solver.
// When a dimension is asked for, the problem gives that volume and the key
// solves for the dimension, so the key never refuses: its result is the
// drawn dimension within the 15 digits the volume was written with. The
// options must be valid (Validate): at least one body and a range the window
// has.
PracticeProblem DrawProblem(RandomSource& random, const SheetOptions& options);

// "Пресечен конус има височина H = 7, ... Намерете обема V."
std::string ProblemSentence(const PracticeProblem& problem);

// The result at the end of a solution text: what follows the last "= " of
// its last line.
std::string_view ResultText(std::string_view solution);

}  // namespace stereona::documents
