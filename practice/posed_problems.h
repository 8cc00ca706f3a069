#pragma once

#include <array>
#include <cstddef>
#include <set>
#include <tuple>

#include "core/bodies.h"
#include "core/random_source.h"
#include "documents/practice_problem.h"
#include "documents/sheet_options.h"

namespace stereona::practice {

// The problems posed while the program runs, so that none is posed again
// until every problem the choice can give has been.
class PosedProblems {
 public:
  // A problem from the options not posed before, now marked as posed. When
  // the `distinct` problems the options can give have all been posed, they
  // are forgotten and the round starts again.
  documents::PracticeProblem DrawNew(RandomSource& random, const documents::SheetOptions& options,
                                     std::size_t distinct);

  std::size_t Count() const noexcept { return posed_.size(); }

 private:
  using Key = std::tuple<std::size_t, std::size_t, std::array<double, kMaxQuantities>>;

  static Key KeyOf(const documents::PracticeProblem& problem);
  static bool Fits(const Key& key, const documents::SheetOptions& options);
  void ForgetRound(const documents::SheetOptions& options);

  std::set<Key> posed_;
};

}  // namespace stereona::practice
