// Over a thousand random problems: the exact answer, typed as a pupil types
// it, is right; the value with pi = 3,14 is «Почти.» for the round bodies;
// 1.05 times the answer is wrong; the solution shown is the calculator's.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>

#include "core/number_text.h"
#include "core/random_source.h"
#include "documents/sheet_options.h"
#include "practice/answer_key.h"
#include "tests/practice/made_problem.h"

namespace stereona::practice {
namespace {

// The value to `places` decimal places, with the given decimal mark.
std::string Typed(double value, int places, char mark) {
  char text[400];
  std::snprintf(text, sizeof text, "%.*f", places, value);
  std::string typed(text);
  if (const auto at = typed.find('.'); at != std::string::npos) typed[at] = mark;
  return typed;
}

// Places for `digits` significant digits of the value, at least `least`.
int Places(double value, int digits, int least) {
  return std::max(least, digits - 1 - static_cast<int>(std::floor(std::log10(value))));
}

documents::SheetOptions RandomChoice(std::mt19937& engine) {
  documents::SheetOptions options;
  const auto mask = 1 + engine() % ((1U << kBodyCount) - 1);
  for (std::size_t v = 0; v < kBodyCount; ++v) options.bodies[v] = ((mask >> v) & 1U) != 0;
  options.volumeOnly = engine() % 4 == 0;
  options.range = engine() % 5;
  return options;
}

TEST(PracticePropertyTest, ThousandRandomProblems) {
  std::mt19937 engine(20261209);
  RandomSource random(20261209);
  for (int i = 0; i < 1000; ++i) {
    const char mark = i % 2 == 0 ? ',' : '.';
    SetDecimalSeparator(std::string(1, mark));
    const documents::PracticeProblem problem = documents::DrawProblem(random, RandomChoice(engine));
    const SolvedProblem solved = Solve(problem);
    const double value = solved.key.Value();
    const std::string sentence = documents::ProblemSentence(problem);
    ASSERT_EQ(solved.solution, problem.solution) << sentence;

    const int places = Places(value, 3, 2);
    EXPECT_EQ(Judge(Typed(value, places, mark), solved.key).kind, VerdictKind::Right) << sentence;
    EXPECT_EQ(Judge(Typed(1.05 * value, places, mark), solved.key).kind, VerdictKind::Wrong)
        << sentence;
    EXPECT_NEAR(*ValueWithPi(problem, 22.0 / 7.0), value, 1e-12 * value) << sentence;
    if (!kBodies[problem.body].usesPi) continue;
    const double withSchoolPi = *ValueWithPi(problem, 3.14);
    const Feedback almost =
        Judge(Typed(withSchoolPi, Places(withSchoolPi, 6, 0), mark), solved.key);
    EXPECT_EQ(almost.kind, VerdictKind::Almost) << sentence;
    EXPECT_EQ(almost.message, kUsePiMessage) << sentence;
  }
  SetDecimalSeparator(".");
}

// The value with another pi, found by scaling the volume, is what each
// body's formula gives with that pi.
TEST(PracticePropertyTest, ValueWithPiIsTheFormulaWithThatPi) {
  const double pi = std::numbers::pi;
  const struct {
    documents::PracticeProblem problem;
    double expected;
  } rows[] = {
      {MadeProblem(0, 0, {"", "5", "5", ""}), pi * 5 * 5 * 5 / 3},    // cone V = pi H R² / 3
      {MadeProblem(4, 1, {"792", "", "6", ""}), 792 / (pi * 6 * 6)},  // cylinder H = V / (pi R²)
      {MadeProblem(0, 2, {"264", "7", "", ""}), std::sqrt(3 * 264 / (pi * 7))},
      // truncated cone: R1² + R1 R2 + R2² = 3V / (pi H), R2 = 2
      {MadeProblem(1, 2, {"139", "7", "", "2"}),
       (-2 + std::sqrt(4 - 4 * (4 - 3 * 139 / (pi * 7)))) / 2},
  };
  for (const auto& row : rows) {
    EXPECT_NEAR(*ValueWithPi(row.problem, pi), row.expected, 1e-12 * row.expected)
        << documents::ProblemSentence(row.problem);
  }
}

}  // namespace
}  // namespace stereona::practice
