#include "documents/practice_problem.h"

#include <algorithm>
#include <vector>

#include "core/number_text.h"
#include "core/parse_number.h"
#include "documents/sentences.h"
#include "documents/window_calculation.h"

namespace stereona::documents {
namespace {

std::string Solve(std::size_t body, std::size_t unknown,
                  const std::array<std::string, kMaxQuantities>& inputs) {
  return CalculateInWindow(body, unknown, inputs).output;
}

// A whole number from 1 to count, less one: an index.
std::size_t DrawIndex(RandomSource& random, std::size_t count) {
  return static_cast<std::size_t>(random.WholeNumber(static_cast<double>(count))) - 1;
}

// A number as an input reads it: the user's decimal separator back to ".".
std::string AsInput(std::string_view written) {
  std::string input(written);
  const std::string_view separator = DecimalSeparator();
  if (const auto at = input.find(separator); separator != "." && at != std::string::npos) {
    input.replace(at, separator.size(), ".");
  }
  return input;
}

}  // namespace

PracticeProblem DrawProblem(RandomSource& random, const SheetOptions& options) {
  std::vector<std::size_t> bodies;
  for (std::size_t v = 0; v < kBodyCount; ++v) {
    if (options.bodies[v]) bodies.push_back(v);
  }
  PracticeProblem problem;
  problem.body = bodies[DrawIndex(random, bodies.size())];
  const std::size_t count = kBodies[problem.body].quantityCount;
  problem.unknown = options.volumeOnly ? 0 : DrawIndex(random, count);

  const double limit = RangeLimit(options.range);
  for (std::size_t k = 1; k < count; ++k) {
    problem.values[k] = random.WholeNumber(limit);
    problem.given[k] = NumberText(problem.values[k]);
  }
  problem.solution = Solve(problem.body, 0, problem.given);
  if (problem.unknown == 0) return problem;

  problem.given[0] = ResultText(problem.solution);
  std::array<std::string, kMaxQuantities> inputs = problem.given;
  inputs[0] = AsInput(problem.given[0]);
  problem.values[0] = ParseNumber(inputs[0]);
  inputs[problem.unknown].clear();
  problem.given[problem.unknown].clear();
  problem.solution = Solve(problem.body, problem.unknown, inputs);
  return problem;
}

std::string ProblemSentence(const PracticeProblem& problem) {
  return CapitalFirst(kBodies[problem.body].caption) + " има " +
         KnownList(problem.body, problem.unknown, problem.given) + ". Намерете " +
         UnknownWords(problem.body, problem.unknown, true) + ".";
}

std::string_view ResultText(std::string_view solution) {
  const auto end = solution.find_last_not_of("\r\n");
  if (end == std::string_view::npos) return {};
  const std::string_view upToEnd = solution.substr(0, end + 1);
  const auto lineStart = upToEnd.rfind('\n');
  const std::string_view line =
      lineStart == std::string_view::npos ? upToEnd : upToEnd.substr(lineStart + 1);
  const auto equals = line.rfind("= ");
  return equals == std::string_view::npos ? line : line.substr(equals + 2);
}

}  // namespace stereona::documents
