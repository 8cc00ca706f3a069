#include "documents/practice_problem.h"

#include <algorithm>
#include <vector>

#include "core/calculator.h"
#include "core/controls.h"
#include "core/number_text.h"
#include "core/parse_number.h"
#include "documents/sentences.h"
#include "solvers/body_solvers.h"

namespace stereona::documents {
namespace {

// The window's controls holding one problem: the calculator reads them as
// it reads the window, so the key is the text the window would show.
class ProblemControls final : public Controls {
 public:
  ProblemControls(std::size_t body, std::size_t unknown,
                  const std::array<std::string, kMaxQuantities>& inputs)
      : body_(static_cast<int>(body)), unknown_(static_cast<int>(unknown)), inputs_(inputs) {}

  std::string InputText(int k) const override { return inputs_.at(static_cast<std::size_t>(k)); }
  void SetInputText(int k, std::string_view text) override {
    inputs_.at(static_cast<std::size_t>(k)) = text;
  }
  bool IsUnknownSelected(int k) const override { return k == unknown_; }
  bool IsBodySelected(int v) const override { return v == body_; }
  void ShowOutput(std::string_view /*the calculator keeps the text*/) override {}

 private:
  int body_;
  int unknown_;
  std::array<std::string, kMaxQuantities> inputs_;
};

std::string Solve(std::size_t body, std::size_t unknown,
                  const std::array<std::string, kMaxQuantities>& inputs) {
  ProblemControls controls(body, unknown, inputs);
  Calculator calculator(controls, BodySolvers(), "");
  calculator.Command1_Click(0);
  return calculator.Output();
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
