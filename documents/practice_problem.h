#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/bodies.h"
#include "core/random_source.h"
#include "documents/distinct_problems.h"
#include "documents/sheet_options.h"

namespace stereona::documents {

// One problem of a practice sheet and its key entry.
struct PracticeProblem {
  std::size_t body = 0;
  std::size_t unknown = 0;  // the slot asked for; 0 is the volume
  // What the sentence gives for each slot of the body: whole numbers as the
  // window writes them, in full. Empty for the unknown.
  std::array<std::string, kMaxQuantities> given;
  // Every drawn dimension, the unknown's included; the volume's slot holds
  // the volume as given (0 when the volume is the unknown).
  std::array<double, kMaxQuantities> values{};
  std::string solution;  // the key: the window's whole text for these values
};

// Draws a body among those chosen, the unknown, and a whole number from the
// range for every dimension, the dimensions again until the problem is
// admissible: when a dimension is asked for, the problem gives the volume,
// which must be whole and written in full (GivenVolume). The key is the window's text for the
// values as given: it never refuses, and for a dimension its result is the
// whole dimension drawn. The options must be valid (Validate).
PracticeProblem DrawProblem(RandomSource& random, const SheetOptions& options);

// The same, drawn again until `accept` also takes it; after kMaxDraws draws
// the first such problem in order. Throws SheetOptionsError if there is none.
inline constexpr int kMaxDraws = 100000;
PracticeProblem DrawProblem(RandomSource& random, const SheetOptions& options,
                            const std::function<bool(const ProblemChoice&)>& accept);

// The body, unknown and dimensions of a problem, to compare it with others.
ProblemChoice ChoiceOf(const PracticeProblem& problem);

// "Пресечен конус има височина H = 7, ... Намерете обема V."
std::string ProblemSentence(const PracticeProblem& problem);

// The result at the end of a solution text: what follows the last "= " of
// its last line.
std::string_view ResultText(std::string_view solution);

}  // namespace stereona::documents
