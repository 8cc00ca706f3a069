#include "practice/answer_key.h"

#include <array>
#include <numbers>

#include "core/fault.h"
#include "core/number_text.h"
#include "documents/window_calculation.h"
#include "solvers/quantity_slots.h"

namespace stereona::practice {
namespace {

// The known mistakes each body's formula invites.
struct BodySlips {
  bool dividesByThree;  // V = S * H / 3
  bool baseByRoot;      // a base dimension asked is a square root, not a quadratic's root
};
constexpr std::array<BodySlips, kBodyCount> kBodySlips = {{
    {true, true},    // cone
    {true, false},   // truncated cone
    {true, true},    // pyramid
    {true, false},   // truncated pyramid
    {false, true},   // cylinder
    {false, false},  // parallelepiped
}};

// Slot 0 is the volume; of the bodies with slips, slot 1 is the height and
// the rest are their bases' dimensions.
constexpr std::size_t kHeightSlot = 1;
static_assert(slots::cone::H == kHeightSlot && slots::truncated_cone::H == kHeightSlot &&
              slots::pyramid::H == kHeightSlot && slots::truncated_pyramid::H == kHeightSlot &&
              slots::cylinder::H == kHeightSlot);

constexpr double kWindowPi = 22.0 / 7.0;
constexpr double kSchoolPi = 3.14;

double Result(const ProblemState& state) {
  return state.Quantity[kNumeratorSlot] / state.Quantity[kDenominatorSlot];
}

// What a pupil finds whose formula gives `times` the volume: that much of
// the volume asked, or the dimension the window finds for the volume given
// divided by it.
std::optional<double> ValueWithVolumeTimes(const documents::PracticeProblem& problem, double value,
                                           double times) {
  if (problem.unknown == 0) return value * times;
  std::array<std::string, kMaxQuantities> inputs = problem.given;
  inputs[0] = NumberText(problem.values[0] / times);
  try {
    const ProblemState state =
        documents::CalculateInWindow(problem.body, problem.unknown, inputs).state;
    if (state.Quantity[kDenominatorSlot] <= 0.0) return std::nullopt;  // refused
    return Result(state);
  } catch (const FloatingPointFault&) {
    return std::nullopt;
  }
}

void AddSlip(std::vector<KnownSlip>& slips, std::optional<double> value, std::string_view message) {
  if (value) slips.push_back({*value, message});
}

std::vector<KnownSlip> OtherPi(const documents::PracticeProblem& problem, double value) {
  std::vector<KnownSlip> slips;
  if (!kBodies[problem.body].usesPi) return slips;
  for (const double pi : {std::numbers::pi, kSchoolPi}) {
    AddSlip(slips, ValueWithVolumeTimes(problem, value, pi / kWindowPi), kUsePiMessage);
  }
  return slips;
}

std::vector<KnownSlip> Mistakes(const documents::PracticeProblem& problem, double value) {
  const BodySlips& body = kBodySlips[problem.body];
  const bool round = kBodies[problem.body].usesPi;
  const bool base = problem.unknown > kHeightSlot;
  std::vector<KnownSlip> slips;
  if (body.dividesByThree) {
    AddSlip(slips, ValueWithVolumeTimes(problem, value, 3.0), kForgotThirdMessage);
  }
  if (round) {
    // The diameter put in makes the volume 4 times, and the height a
    // quarter; a radius asked is given as the diameter.
    AddSlip(slips, base ? 2.0 * value : ValueWithVolumeTimes(problem, value, 4.0),
            kDiameterMessage);
  }
  if (body.baseByRoot && base) AddSlip(slips, value * value, kNoRootMessage);
  return slips;
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

std::optional<double> ValueWithPi(const documents::PracticeProblem& problem, double pi) {
  const auto solved =
      documents::CalculateInWindow(problem.body, problem.unknown, problem.given).state;
  return ValueWithVolumeTimes(problem, Result(solved), pi / kWindowPi);
}

SolvedProblem Solve(const documents::PracticeProblem& problem) {
  const documents::WindowCalculation window =
      documents::CalculateInWindow(problem.body, problem.unknown, problem.given);
  SolvedProblem solved;
  solved.key.numerator = window.state.Quantity[kNumeratorSlot];
  solved.key.denominator = window.state.Quantity[kDenominatorSlot];
  solved.key.otherPi = OtherPi(problem, solved.key.Value());
  solved.key.mistakes = Mistakes(problem, solved.key.Value());
  solved.solution = window.output;
  solved.hints = Lines(documents::SolverLines(problem.body, window.state));
  solved.hints.resize(std::min(solved.hints.size(), kHintCount));
  return solved;
}

}  // namespace stereona::practice
