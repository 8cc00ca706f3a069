// Over two thousand posed problems of every body, unknown and range, each
// answer's verdict derived from the rules by the test's own means: the
// window's result in doubles, rounded and cut with the C library, and the
// value with pi = 3,14 from each body's formula. Values that stand too near
// a rounding boundary for a double to tell are passed over.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "core/number_text.h"
#include "core/random_source.h"
#include "documents/sheet_options.h"
#include "documents/window_calculation.h"
#include "practice/answer_key.h"

namespace stereona::practice {
namespace {

// The value's first k significant digits at 10^place, rounded or cut, in
// full ("13100" or "0,0714"), with ","; nothing near a boundary.
std::optional<std::string> Typed(double value, int k, bool rounded) {
  const int place = static_cast<int>(std::floor(std::log10(value))) - k + 1;
  const double units = value / std::pow(10.0, place);
  const double fraction = units - std::floor(units);
  if (std::fabs(fraction - 0.5) < 1e-3 || fraction < 1e-3 || fraction > 1 - 1e-3)
    return std::nullopt;
  const double digits = rounded ? std::round(units) : std::floor(units);
  char text[400];
  std::snprintf(text, sizeof text, "%.*f", std::max(0, -place), digits * std::pow(10.0, place));
  std::string typed(text);
  if (const auto at = typed.find('.'); at != std::string::npos) typed[at] = ',';
  return typed;
}

// The answer with pi = 3,14, from the value with 22/7 and the formula:
// V = pi * f (the dimensions); a linear dimension goes as 1/pi, a base
// radius as 1/sqrt(pi), and a truncated cone's R1 solves
// R1^2 + R1*R2 + R2^2 = 3V / (pi H).
double WithSchoolPi(const documents::PracticeProblem& p, double value) {
  const double ratio = 3.14 / (22.0 / 7.0);
  if (p.unknown == 0) return value * ratio;
  if (p.unknown == 1) return value / ratio;
  if (p.body != 1) return value / std::sqrt(ratio);
  const double other = p.values[p.unknown == 2 ? 3 : 2];
  const double sum = (value * value + value * other + other * other) / ratio;
  return (-other + std::sqrt(4 * sum - 3 * other * other)) / 2;
}

documents::SheetOptions RandomChoice(std::mt19937& engine) {
  documents::SheetOptions options;
  const auto mask = 1 + engine() % ((1U << kBodyCount) - 1);
  for (std::size_t v = 0; v < kBodyCount; ++v) options.bodies[v] = ((mask >> v) & 1U) != 0;
  options.volumeOnly = engine() % 4 == 0;
  options.range = engine() % 5;
  return options;
}

TEST(PracticePropertyTest, VerdictsOverPosedProblems) {
  SetDecimalSeparator(",");
  std::mt19937 engine(20261209);
  RandomSource random(20261209);
  for (int i = 0; i < 2000; ++i) {
    const documents::PracticeProblem problem = documents::DrawProblem(random, RandomChoice(engine));
    const AnswerKey key = Solve(problem).key;
    const auto& q =
        documents::CalculateInWindow(problem.body, problem.unknown, problem.given).state.Quantity;
    const double value = q[kNumeratorSlot] / q[kDenominatorSlot];
    const std::string sentence = documents::ProblemSentence(problem);
    ASSERT_NEAR(key.value.ToDouble(), value, 1e-12 * value) << sentence;

    for (int k = 3; k <= 12; ++k) {
      const auto rounded = Typed(value, k, true);
      const auto cut = Typed(value, k, false);
      if (rounded) {
        EXPECT_EQ(Judge(*rounded, key).kind, VerdictKind::Right) << sentence << *rounded;
      }
      // A whole number that ends in 0 may carry fewer digits: not here.
      if (cut && cut != rounded && cut->back() != '0') {
        const Feedback almost = Judge(*cut, key);
        EXPECT_EQ(almost.kind, VerdictKind::Almost) << sentence << *cut;
        EXPECT_EQ(almost.message.rfind("Закръглете до ", 0), 0U) << sentence << *cut;
      }
    }
    if (const auto twice = Typed(2 * value, 6, true)) {
      EXPECT_EQ(Judge(*twice, key).kind, VerdictKind::Wrong) << sentence << *twice;
    }
    const double whole = std::nearbyint(q[kNumeratorSlot]);
    if (whole == q[kNumeratorSlot] && whole < 0x1p53) {
      char fraction[64];
      std::snprintf(fraction, sizeof fraction, "%.0f/%.0f", whole, q[kDenominatorSlot]);
      EXPECT_EQ(Judge(fraction, key).kind, VerdictKind::Right) << sentence << fraction;
    }
    if (!kBodies[problem.body].usesPi) continue;
    if (const auto schoolPi = Typed(WithSchoolPi(problem, value), 6, true)) {
      const Feedback almost = Judge(*schoolPi, key);
      EXPECT_EQ(almost.kind, VerdictKind::Almost) << sentence << *schoolPi;
      EXPECT_EQ(almost.message, kUsePiMessage) << sentence << *schoolPi;
    }
  }
  SetDecimalSeparator(".");
}

}  // namespace
}  // namespace stereona::practice
