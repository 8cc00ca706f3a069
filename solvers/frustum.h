#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "core/output_text.h"
#include "core/problem_state.h"

// What the two truncated bodies share: the sum of their bases' terms and the
// quadratic x^2 + B*x + C = 0 they solve for a base radius or side, where B
// is the other, known base dimension.
namespace stereona {

// "(x * x + y * y + x * y)" with the numbers put in.
std::string BaseSumText(double x, double y);

inline constexpr std::string_view kQuadraticEquationLine =
    "се изчислява квадратното уравнение A*x*x + B*x + C = 0";

struct Quadratic {
  std::int16_t A = 1;
  double B = 0.0;
  double C = 0.0;
  double discriminant = 0.0;  // B*B - (4*A)*C
};

Quadratic MakeQuadratic(double b, double c);

// The root with the plus sign, -B + sqrt(d), left over 2*A by the caller.
// Nothing when it is no length: a negative discriminant, or a root below 0
// (a root of exactly 0 is a whole cone or pyramid and is kept).
std::optional<double> LengthRootNumerator(const Quadratic& quadratic);

// The root line "x = (-B + sqrt(d) ) / 2 = ", left open for the result, and
// the root as a fraction over 2*A.
void LeaveRoot(std::string_view rootLineStart, const Quadratic& quadratic, double rootNumerator,
               ProblemState& state, OutputText& output);

// The whole output becomes the refusal message. Both result slots are set to
// 0 so that no result of an earlier calculation is printed under it.
void Refuse(ProblemState& state, OutputText& output);

}  // namespace stereona
