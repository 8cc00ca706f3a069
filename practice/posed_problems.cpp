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

PosedProblems::Round PosedProblems::RoundOf(const documents::SheetOptions& options) {
  return {options.bodies, options.volumeOnly, options.range};
}

std::size_t PosedProblems::DistinctCount(const documents::SheetOptions& options) {
  auto [at, added] = distinctCounts_.try_emplace(RoundOf(options), 0);
  if (added) at->second = documents::DistinctProblemCount(options);
  return at->second;
}

documents::PracticeProblem PosedProblems::DrawNew(RandomSource& random,
                                                  const documents::SheetOptions& options) {
  const auto fits = [&](const Key& key) { return Fits(key, options); };
  if (RoundOf(options) != current_) {
    current_ = RoundOf(options);
    posedInRound_ = static_cast<std::size_t>(std::count_if(posed_.begin(), posed_.end(), fits));
  }
  if (posedInRound_ >= DistinctCount(options)) {
    std::erase_if(posed_, fits);
    posedInRound_ = 0;
  }
  documents::PracticeProblem problem = documents::DrawProblem(
      random, options,
      [&](const documents::ProblemChoice& drawn) { return !posed_.contains(KeyOf(drawn)); });
  posed_.insert(KeyOf(documents::ChoiceOf(problem)));
  ++posedInRound_;
  return problem;
}

}  // namespace stereona::practice
