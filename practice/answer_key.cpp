#include "practice/answer_key.h"

#include <array>

#include "documents/window_calculation.h"
#include "practice/answer_reading.h"
#include "solvers/quantity_slots.h"

namespace stereona::practice {
namespace {

// How each body's volume is made of its dimensions, so that the value asked
// can be found exactly, also with another pi or a slip in the formula:
// V = pi * (the linear dimensions' product) * (the base's term) / divisor,
// the base's term s*s of one base dimension, or s*s + s*t + t*t of two.
enum class BaseTerm { None, Square, TwoSquares };
struct VolumeFormula {
  int divisor;
  BaseTerm base;
  std::array<bool, kMaxQuantities> linear;  // by slot; the others but 0 are the base's
};
constexpr std::array<VolumeFormula, kBodyCount> kFormulas = {{
    {3, BaseTerm::Square, {false, true, false, false}},      // cone
    {3, BaseTerm::TwoSquares, {false, true, false, false}},  // truncated cone
    {3, BaseTerm::Square, {false, true, false, false}},      // pyramid
    {3, BaseTerm::TwoSquares, {false, true, false, false}},  // truncated pyramid
    {1, BaseTerm::Square, {false, true, false, false}},      // cylinder
    {1, BaseTerm::None, {false, true, true, true}},          // parallelepiped
}};
constexpr std::size_t kVolumeSlot = 0;
constexpr std::size_t kFirstBaseSlot = 2;

Rational Whole(std::int64_t value) { return {BigInteger(value), BigInteger(1)}; }
const Rational kWindowPi{BigInteger(22), BigInteger(7)};
const Rational kSchoolPi{BigInteger(314), BigInteger(100)};
// pi to 40 places: the true pi to every digit an answer can carry that may
// be held against it.
const Rational kTruePi{*BigInteger::FromDigits("31415926535897932384626433832795028841971"),
                       BigInteger::PowerOfTen(40)};

// A problem's values as given, exactly; the unknown's slot is 0.
using Values = std::array<Rational, kMaxQuantities>;
std::optional<Values> ExactValues(const documents::PracticeProblem& problem) {
  Values values;
  for (std::size_t k = 0; k < kBodies[problem.body].quantityCount; ++k) {
    if (k == problem.unknown) continue;
    const auto given = ReadAnswer(problem.given[k]);
    if (!given || given->form == TypedAnswer::Form::Fraction || given->negative)
      return std::nullopt;
    values[k] = given->value;
  }
  return values;
}

// What multiplies the base's term to give the volume, for a pupil whose
// formula gives `times` the volume, with `pi`: the linear dimensions but
// the unknown, over the divisor.
Rational VolumeFactor(const documents::PracticeProblem& problem, const Values& values,
                      const Rational& times, const Rational& pi) {
  const VolumeFormula& formula = kFormulas[problem.body];
  Rational factor = times / Whole(formula.divisor);
  if (kBodies[problem.body].usesPi) factor = factor * pi;
  for (std::size_t k = 1; k < kBodies[problem.body].quantityCount; ++k) {
    if (formula.linear[k] && k != problem.unknown) factor = factor * values[k];
  }
  return factor;
}

// The value asked of such a pupil: the volume so computed, or the dimension
// that gives the volume given. Nothing where no length gives it (a
// quadratic without a root that is not negative) or a value given is 0.
std::optional<ExactValue> ValueAsked(const documents::PracticeProblem& problem,
                                     const Values& values, const Rational& times,
                                     const Rational& pi) {
  const VolumeFormula& formula = kFormulas[problem.body];
  const std::size_t unknown = problem.unknown;
  const Rational factor = VolumeFactor(problem, values, times, pi);
  // The base's term, when the unknown is not in it.
  Rational base = Whole(1);
  if (formula.base == BaseTerm::Square) base = values[kFirstBaseSlot] * values[kFirstBaseSlot];
  if (formula.base == BaseTerm::TwoSquares) {
    const Rational& s = values[kFirstBaseSlot];
    const Rational& t = values[kFirstBaseSlot + 1];
    base = s * s + s * t + t * t;
  }

  if (unknown == kVolumeSlot) return ExactValue(factor * base);
  if (factor.Sign() == 0 || values[kVolumeSlot].Sign() == 0) return std::nullopt;
  if (formula.linear[unknown]) {
    if (base.Sign() == 0) return std::nullopt;
    return ExactValue(values[kVolumeSlot] / (factor * base));
  }
  // The base's term itself: s*s, or x*x + y*x + y*y with y known.
  const Rational term = values[kVolumeSlot] / factor;
  if (formula.base == BaseTerm::Square) return ExactValue::Root(BigInteger(0), term, BigInteger(1));
  const Rational& y = values[unknown == kFirstBaseSlot ? kFirstBaseSlot + 1 : kFirstBaseSlot];
  // x = (-y + sqrt(4 * term - 3 * y*y)) / 2, a length when the root is at least y.
  const Rational radicand = Whole(4) * term - Whole(3) * y * y;
  if ((radicand - y * y).Sign() < 0) return std::nullopt;
  return ExactValue::Root(-y.numerator, radicand * Rational{y.denominator * y.denominator},
                          BigInteger(2) * y.denominator);
}

void AddSlip(std::vector<KnownSlip>& slips, const ExactValue& key,
             const std::optional<ExactValue>& value, std::string_view message) {
  // A slip that gives the right value is no slip.
  const auto rational = value ? value->AsRational() : std::nullopt;
  if (!value || (rational && key.CompareWith(*rational) == 0)) {
    return;
  }
  slips.push_back({*value, message});
}

AnswerKey KeyOf(const documents::PracticeProblem& problem) {
  const auto values = ExactValues(problem);
  const auto value = values ? ValueAsked(problem, *values, Whole(1), kWindowPi) : std::nullopt;
  AnswerKey key;
  if (!value) return key;  // no value: every answer is wrong
  key.value = *value;
  const VolumeFormula& formula = kFormulas[problem.body];
  const bool round = kBodies[problem.body].usesPi;
  const auto withTimes = [&](std::int64_t times) {
    return ValueAsked(problem, *values, Whole(times), kWindowPi);
  };
  if (round) {
    for (const Rational& pi : {kTruePi, kSchoolPi}) {
      AddSlip(key.otherPi, key.value, ValueAsked(problem, *values, Whole(1), pi), kUsePiMessage);
    }
  }
  const bool base = problem.unknown != kVolumeSlot && !formula.linear[problem.unknown];
  if (formula.divisor == 3) AddSlip(key.mistakes, key.value, withTimes(3), kForgotThirdMessage);
  if (round) {
    // The diameter put in makes the volume 4 times, and the height a
    // quarter; a radius asked is given as the diameter.
    AddSlip(key.mistakes, key.value, base ? value->Times(BigInteger(2)) : withTimes(4),
            kDiameterMessage);
  }
  if (base && formula.base == BaseTerm::Square) {
    // s*s, the base's term, given for s.
    const Rational term =
        (*values)[kVolumeSlot] / VolumeFactor(problem, *values, Whole(1), kWindowPi);
    AddSlip(key.mistakes, key.value, ExactValue(term), kNoRootMessage);
  }
  return key;
}

// The lines of the working up to the result, split at their line ends.
std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find(kCrLf);
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + kCrLf.size());
  }
  return lines;
}

constexpr std::size_t kHintCount = 2;

}  // namespace

SolvedProblem Solve(const documents::PracticeProblem& problem) {
  const documents::WindowCalculation window =
      documents::CalculateInWindow(problem.body, problem.unknown, problem.given);
  SolvedProblem solved;
  solved.key = KeyOf(problem);
  solved.solution = window.output;
  solved.hints = Lines(documents::SolverLines(problem.body, window.state));
  solved.hints.resize(std::min(solved.hints.size(), kHintCount));
  return solved;
}

}  // namespace stereona::practice
