#include <array>
#include <string_view>

#include "core/checked_math.h"
#include "core/number_text.h"
#include "solvers/body_solvers.h"
#include "solvers/frustum.h"
#include "solvers/quantity_slots.h"

// V = H * (a^2 + b^2 + a*b) / 3; a base side comes from
// x^2 + s*x + (s^2 - 3*V/H) = 0 with s the other, known side. No pi.
namespace stereona {

using namespace slots::truncated_pyramid;  // the names of the slots
namespace {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sub;

struct SideCase {
  std::size_t knownSide;
  std::string_view coefficientsLine;
  std::string_view rootLineStart;
};

constexpr std::array<SideCase, 2> kSideCases = {{
    {b, "където: A = 1; B = b; C = - (3 * V / H) + b * b", "a = ("},
    {a, "където: A = 1; B = a; C = - (3 * V / H) + a * a", "b = ("},
}};

// (a*a + b*b) + a*b
double BaseSum(const ProblemState& state) {
  const auto& q = state.Quantity;
  return Add(Add(Mul(q[a], q[a]), Mul(q[b], q[b])), Mul(q[a], q[b]));
}

void SolveVolume(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;
  output.Replace({"V = H * (a * a + b * b + a * b) / 3 ", kCrLf});
  output.Append({"V = ", NumberText(q[H]), " * ", BaseSumText(q[a], q[b]), kCrLf});
  output.Append({"V = "});
  q[kNumeratorSlot] = Mul(BaseSum(state), q[H]);
  q[kDenominatorSlot] = 3.0;
}

void SolveHeight(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;
  output.Replace({"H = (3 * V) / (A1 * A1 + A2 * A2 + a * b )", kCrLf});
  output.Append({"H = 3 * ", NumberText(q[V]), " / ", BaseSumText(q[a], q[b]), kCrLf});
  output.Append({"H = "});
  q[kNumeratorSlot] = Mul(q[V], 3.0);
  q[kDenominatorSlot] = BaseSum(state);
}

void SolveSide(const SideCase& side, ProblemState& state, OutputText& output) {
  const auto& q = state.Quantity;
  const double s = q[side.knownSide];
  output.Replace(
      {"За да се изчисли дължина на основа на правилна 4-стенна пресечена пирамида", kCrLf});
  output.Append({kQuadraticEquationLine, kCrLf});
  output.Append({side.coefficientsLine, kCrLf});

  const Quadratic quadratic = MakeQuadratic(s, Sub(Mul(s, s), Div(Mul(q[V], 3.0), q[H])));
  output.Append({"A = 1; B = ", NumberText(s), "; C = ", NumberText(quadratic.C),
                 "; така D = ", NumberText(quadratic.discriminant), kCrLf});
  const auto root = LengthRootNumerator(quadratic);
  if (!root) {
    Refuse(state, output);
    return;
  }
  LeaveRoot(side.rootLineStart, quadratic, *root, state, output);
}

}  // namespace

void SolveTruncatedPyramid(ProblemState& state, OutputText& output) {
  switch (state.UnknownIndex) {
    case 0:
      SolveVolume(state, output);
      break;
    case 1:
      SolveHeight(state, output);
      break;
    case 2:
    case 3:
      SolveSide(kSideCases[static_cast<std::size_t>(state.UnknownIndex - 2)], state, output);
      break;
    default:
      break;
  }
}

}  // namespace stereona
