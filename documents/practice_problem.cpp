#include "documents/practice_problem.h"

#include <optional>
#include <vector>

#include "core/number_text.h"
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

// A body among those chosen and the unknown, with no dimensions yet.
ProblemChoice DrawBodyAndUnknown(RandomSource& random, const SheetOptions& options,
                                 const std::vector<std::size_t>& bodies) {
  ProblemChoice choice;
  choice.body = bodies[DrawIndex(random, bodies.size())];
  choice.unknown = options.volumeOnly ? 0 : DrawIndex(random, kBodies[choice.body].quantityCount);
  return choice;
}

// Every dimension of the body, a whole number from 1 to limit.
void DrawDimensions(RandomSource& random, double limit, ProblemChoice& choice) {
  for (std::size_t k = 1; k < kBodies[choice.body].quantityCount; ++k) {
    choice.dimensions[k] = static_cast<std::uint64_t>(random.WholeNumber(limit));
  }
}

// The problem's texts and its key, solved as the window solves it.
PracticeProblem MakeProblem(const ProblemChoice& choice) {
  PracticeProblem problem;
  problem.body = choice.body;
  problem.unknown = choice.unknown;
  for (std::size_t k = 1; k < kBodies[choice.body].quantityCount; ++k) {
    problem.values[k] = static_cast<double>(choice.dimensions[k]);
    problem.given[k] = NumberText(problem.values[k]);
  }
  if (choice.unknown != 0) {
    problem.values[0] = static_cast<double>(*GivenVolume(choice.body, choice.dimensions));
    problem.given[0] = NumberText(problem.values[0]);
    problem.given[choice.unknown].clear();
  }
  problem.solution = Solve(choice.body, choice.unknown, problem.given);
  return problem;
}

}  // namespace

PracticeProblem DrawProblem(RandomSource& random, const SheetOptions& options) {
  return DrawProblem(random, options, [](const ProblemChoice&) { return true; });
}

PracticeProblem DrawProblem(RandomSource& random, const SheetOptions& options,
                            const std::function<bool(const ProblemChoice&)>& accept) {
  std::vector<std::size_t> bodies;
  for (std::size_t v = 0; v < kBodyCount; ++v) {
    if (options.bodies[v]) bodies.push_back(v);
  }
  const double limit = RangeLimit(options.range);
  for (int draw = 0; draw < kMaxDraws;) {
    ProblemChoice choice = DrawBodyAndUnknown(random, options, bodies);
    // Only the dimensions are drawn again, so that every body and unknown
    // keeps its chance, however few of its dimensions give a whole volume.
    bool admissible = false;
    for (; !admissible && draw < kMaxDraws; ++draw) {
      DrawDimensions(random, limit, choice);
      admissible = IsAdmissible(choice);
    }
    if (admissible && accept(choice)) return MakeProblem(choice);
  }
  // So many draws in vain are all but impossible; should they happen, the
  // first problem in order still makes the same sheet of the same options.
  const std::optional<ProblemChoice> first = FirstAdmissible(options, accept);
  if (!first) throw SheetOptionsError("С тези тела и този диапазон няма друга задача.");
  return MakeProblem(*first);
}

ProblemChoice ChoiceOf(const PracticeProblem& problem) {
  ProblemChoice choice{problem.body, problem.unknown, {}};
  for (std::size_t k = 1; k < kMaxQuantities; ++k) {
    choice.dimensions[k] = static_cast<std::uint64_t>(problem.values[k]);
  }
  return choice;
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
