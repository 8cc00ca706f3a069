#include "practice/posed_problems.h"

#include <algorithm>

namespace stereona::practice {

PosedProblems::Key PosedProblems::KeyOf(const documents::ProblemChoice& choice) {
  return {choice.body, choice.unknown, choice.dimensions};
}

// Whether the options could have given the problem: its body chosen, its
// unknown allowed, every dimension within the range.
bool PosedProblems::Fits(const Key& key, const documents::SheetOptions& options) {
  const auto& [body, unknown, dimensions] = key;
  if (!options.bodies[body] || (options.volumeOnly && unknown != 0)) return false;
  const double limit = documents::RangeLimit(options.range);
  return std::all_of(dimensions.begin() + 1, dimensions.end(),
                     [&](std::uint64_t d) { return static_cast<double>(d) <= limit; });
}

documents::PracticeProblem PosedProblems::DrawNew(RandomSource& random,
                                                  const documents::SheetOptions& options) {
  const auto fits = [&](const Key& key) { return Fits(key, options); };
  const auto posedInRound = static_cast<std::size_t>(std::count_if(posed_.begin(), posed_.end(), fits));
  if (posedInRound >= documents::DistinctProblemCount(options)) std::erase_if(posed_, fits);
  const documents::PracticeProblem problem = documents::DrawProblem(
      random, options,
      [&](const documents::ProblemChoice& choice) { return !posed_.contains(KeyOf(choice)); });
  posed_.insert(KeyOf(documents::ChoiceOf(problem)));
  return problem;
}

}  // namespace stereona::practice
