#pragma once

#include <cstddef>
#include <set>
#include <tuple>

#include "core/random_source.h"
#include "documents/distinct_problems.h"
#include "documents/practice_problem.h"
#include "documents/sheet_options.h"

namespace stereona::practice {

// The problems posed while the program runs, so that none is posed again
// until every problem the choice can give has been.
class PosedProblems {
 public:
  // A problem from the options not posed before, now marked as posed. When
  // every problem the options can give has been posed, those are forgotten
  // and a new round starts.
  documents::PracticeProblem DrawNew(RandomSource& random, const documents::SheetOptions& options);

 private:
  using Key = std::tuple<std::size_t, std::size_t, documents::Dimensions>;

  static Key KeyOf(const documents::ProblemChoice& choice);
  static bool Fits(const Key& key, const documents::SheetOptions& options);

  std::set<Key> posed_;
};

}  // namespace stereona::practice
