#include "solvers/frustum.h"

#include "core/checked_math.h"
#include "core/number_text.h"

namespace stereona {

using checked::Add;
using checked::Mul;
using checked::Sqrt;
using checked::Sub;

std::string BaseSumText(double x, double y) {
  const std::string a = NumberText(x);
  const std::string b = NumberText(y);
  return "(" + a + " * " + a + " + " + b + " * " + b + " + " + a + " * " + b + ")";
}

Quadratic MakeQuadratic(double b, double c) {
  Quadratic quadratic;
  quadratic.B = b;
  quadratic.C = c;
  quadratic.discriminant = Sub(Mul(b, b), Mul(4 * quadratic.A, c));
  return quadratic;
}

std::optional<double> LengthRootNumerator(const Quadratic& quadratic) {
  if (quadratic.discriminant < 0.0) return std::nullopt;
  const double numerator = Add(-quadratic.B, Sqrt(quadratic.discriminant));
  if (numerator < 0.0) return std::nullopt;
  return numerator;
}

void LeaveRoot(std::string_view rootLineStart, const Quadratic& quadratic, double rootNumerator,
               ProblemState& state, OutputText& output) {
  output.Append({rootLineStart, NumberText(-quadratic.B), " + sqrt(",
                 NumberText(quadratic.discriminant), ") ) / 2 = "});
  state.Quantity[kNumeratorSlot] = rootNumerator;
  state.Quantity[kDenominatorSlot] = 2 * quadratic.A;
}

void Refuse(ProblemState& state, OutputText& output) {
  output.Replace({kRefusalMessage, kCrLf});
  state.Quantity[kNumeratorSlot] = 0.0;
  state.Quantity[kDenominatorSlot] = 0.0;
}

}  // namespace stereona
