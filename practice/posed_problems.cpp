#include "practice/posed_problems.h"

#include <algorithm>
#include <limits>

namespace stereona::practice {
namespace {

// Draws before a round is given up as exhausted though the count says
// otherwise; the chance that a problem not yet posed is missed this often,
// when one is left, is below e^-16 for every choice of up to 10^6 problems.
std::size_t DrawLimit(std::size_t distinct) {
  constexpr std::size_t kTimes = 16;
  constexpr std::size_t kMost = std::numeric_limits<std::size_t>::max();
  return distinct > kMost / kTimes ? kMost : kTimes * std::max<std::size_t>(distinct, 1);
}

}  // namespace

PosedProblems::Key PosedProblems::KeyOf(const documents::PracticeProblem& problem) {
  return {problem.body, problem.unknown, problem.values};
}

// Whether the options could have given the problem: its body chosen, its
// unknown allowed, every dimension within the range.
bool PosedProblems::Fits(const Key& key, const documents::SheetOptions& options) {
  const auto& [body, unknown, values] = key;
  if (!options.bodies[body] || (options.volumeOnly && unknown != 0)) return false;
  const double limit = documents::RangeLimit(options.range);
  return std::all_of(values.begin() + 1, values.end(), [&](double v) { return v <= limit; });
}

void PosedProblems::ForgetRound(const documents::SheetOptions& options) {
  std::erase_if(posed_, [&](const Key& key) { return Fits(key, options); });
}

documents::PracticeProblem PosedProblems::DrawNew(RandomSource& random,
                                                  const documents::SheetOptions& options,
                                                  std::size_t distinct) {
  const auto inRound = std::count_if(posed_.begin(), posed_.end(),
                                     [&](const Key& key) { return Fits(key, options); });
  if (static_cast<std::size_t>(inRound) >= distinct) ForgetRound(options);
  documents::PracticeProblem problem = documents::DrawProblem(random, options);
  for (std::size_t draws = 1; posed_.contains(KeyOf(problem)); ++draws) {
    if (draws == DrawLimit(distinct)) {
      ForgetRound(options);
      break;
    }
    problem = documents::DrawProblem(random, options);
  }
  posed_.insert(KeyOf(problem));
  return problem;
}

}  // namespace stereona::practice
