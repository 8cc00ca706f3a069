#include <array>
#include <string>
#include <string_view>

#include "core/checked_math.h"
#include "core/number_text.h"
#include "solvers/body_solvers.h"
#include "solvers/frustum.h"
#include "solvers/quantity_slots.h"

// V = pi * H * (R1^2 + R2^2 + R1*R2) / 3 with pi = 22/7, carried as 22 over
// 21; a base radius comes from x^2 + K*x + (K^2 - 21*V / (22*H)) = 0.
namespace stereona {

using namespace slots::truncated_cone;  // the names of the slots
namespace {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sub;

struct RadiusCase {
  std::size_t knownRadius;
  std::string_view coefficientsLine;
  std::string_view rootLineStart;
};

constexpr std::array<RadiusCase, 2> kRadiusCases = {{
    {R2, "където: A = 1; B = R2; C =R2*R2 - (3 *V )/(pi * H) ", "R1 = ("},
    {R1, "където: A = 1; B = R1; C = -3 /(pi*H) ", "R2 = ("},
}};

// (R2*R2 + R1*R1) + R2*R1, the sum in the order the fractions show it.
double BaseSum(const ProblemState& state) {
  const auto& q = state.Quantity;
  return Add(Add(Mul(q[R2], q[R2]), Mul(q[R1], q[R1])), Mul(q[R2], q[R1]));
}

// "R1*R1 + R2*R2 + R2*R1" as values; each product is formed, and checked,
// just before its text is made.
std::string ProductsText(const ProblemState& state) {
  const auto& q = state.Quantity;
  std::string text = NumberText(Mul(q[R1], q[R1]));
  text += " + " + NumberText(Mul(q[R2], q[R2]));
  text += " + " + NumberText(Mul(q[R2], q[R1]));
  return text;
}

void SolveVolume(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;
  output.Replace({"V = (pi * H* (R1 * R1 + R2 * R2 + R1 * R2) ) / 3", kCrLf});
  output.Append({"V = (22 * ", NumberText(q[H]), " * ", BaseSumText(q[R1], q[R2]),
                 " ) / (3 * 7 ) = ", kCrLf});
  output.Append({"V = ", NumberText(Mul(q[H], 22.0)), " * (", ProductsText(state), ") / 21 = "});
  q[kNumeratorSlot] = Mul(BaseSum(state), Mul(q[H], 22.0));
  q[kDenominatorSlot] = 21.0;
}

void SolveHeight(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;
  output.Replace({"H = 3*V / (pi*(R1*R1 + R2*R2 +R1*R2))", kCrLf});
  output.Append(
      {"H = 3 * 7 * ", NumberText(q[V]), " / (22 * ", BaseSumText(q[R1], q[R2]), " ", kCrLf});
  output.Append({"H = 21 * ", NumberText(q[V]), " / (22 * (", ProductsText(state), ") ) ", kCrLf});
  output.Append({"H = "});
  q[kNumeratorSlot] = Mul(q[V], 21.0);
  q[kDenominatorSlot] = Mul(BaseSum(state), 22.0);
}

void SolveRadius(const RadiusCase& radius, ProblemState& state, OutputText& output) {
  const double v = state.Quantity[V];
  const double h = state.Quantity[H];
  const double k = state.Quantity[radius.knownRadius];
  output.Replace({"За да се изчисли радиус на основа на прав кръгов пресечен конус", kCrLf});
  output.Append({kQuadraticEquationLine, kCrLf});
  output.Append({radius.coefficientsLine, kCrLf});

  const Quadratic quadratic = MakeQuadratic(k, Sub(Mul(k, k), Div(Mul(v, 21.0), Mul(h, 22.0))));
  const auto root = LengthRootNumerator(quadratic);
  if (!root) {
    Refuse(state, output);
    return;
  }
  output.Append({"A = ", NumberText(quadratic.A), kCrLf});
  output.Append({"B = ", NumberText(quadratic.B), kCrLf});
  output.Append({"C = ", NumberText(k), " * ", NumberText(k), "- 21 * ", NumberText(v), " / (22 * ",
                 NumberText(h), ") = ", NumberText(quadratic.C), kCrLf});
  output.Append({"d = ", NumberText(quadratic.discriminant), kCrLf});
  LeaveRoot(radius.rootLineStart, quadratic, *root, state, output);
}

}  // namespace

void SolveTruncatedCone(ProblemState& state, OutputText& output) {
  switch (state.UnknownIndex) {
    case 0:
      SolveVolume(state, output);
      break;
    case 1:
      SolveHeight(state, output);
      break;
    case 2:
    case 3:
      SolveRadius(kRadiusCases[static_cast<std::size_t>(state.UnknownIndex - 2)], state, output);
      break;
    default:
      break;
  }
}

}  // namespace stereona
