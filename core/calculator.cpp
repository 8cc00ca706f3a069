#include "core/calculator.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/controls.h"
#include "core/number_text.h"
#include "core/parse_number.h"

namespace stereona {

Calculator::Calculator(Controls& controls, const SolverTable& solvers, std::string initialOutput)
    : controls_(controls), solvers_(solvers), output_(controls, std::move(initialOutput)) {}

void Calculator::Command1_Click(std::int16_t index) {
  if (index == 0) Calculate();
  if (index == 1) Clear();
}

void Calculator::Calculate() {
  // The hidden fourth input of a body with three quantities is not part of
  // its calculation: it is neither read nor counted in the zero test.
  const std::size_t body = SelectedBody();
  const std::size_t quantityCount = kBodies[body].quantityCount;
  double product = 1.0;
  for (int k = 0; k < static_cast<int>(kMaxQuantities); ++k) {
    const auto slot = static_cast<std::size_t>(k);
    if (!controls_.IsUnknownSelected(k) && slot < quantityCount) {
      state_.Quantity[slot] = std::fabs(ParseNumber(controls_.InputText(k)));
      product = checked::Mul(product, state_.Quantity[slot]);
    }
    if (controls_.IsUnknownSelected(k)) state_.UnknownIndex = static_cast<std::int16_t>(k);
  }

  solved_ = SolvedProblem{body, state_};
  // A product, not each value: an underflow to 0 is refused like a typed 0.
  if (product == 0.0) {
    output_.Replace({kZeroKnownMessage});
    return;
  }
  SolveSelectedBody();
  AppendResultLine();
  solved_->finished = true;
}

void Calculator::Clear() {
  for (int k = 0; k < static_cast<int>(kMaxQuantities); ++k) controls_.SetInputText(k, "");
}

std::size_t Calculator::SelectedBody() const {
  std::size_t body = 0;
  for (std::size_t v = 0; v < kBodyCount; ++v) {
    if (controls_.IsBodySelected(static_cast<int>(v))) body = v;
  }
  return body;
}

void Calculator::SolveSelectedBody() { solvers_[SelectedBody()](state_, output_); }

void Calculator::AppendResultLine() {
  const double numerator = state_.Quantity[kNumeratorSlot];
  const double denominator = state_.Quantity[kDenominatorSlot];
  // A solver's denominator is a product of positive values; it is 0 only
  // when that product underflowed, and then there is no value to show. A
  // refusal leaves 0 over 0: no result, and no fault.
  if (denominator <= 0.0 && numerator != 0.0) {
    throw FloatingPointFault(FaultKind::DivisionByZero);
  }
  if (denominator > 0.0) {
    if (denominator == 1.0) {
      // A line that already ends in "= " takes the value directly.
      const std::string_view equals = output_.EndsWith("= ") ? "" : " = ";
      output_.Append({equals, NumberText(numerator), kCrLf});
    } else {
      output_.Append({NumberText(numerator), " / ", NumberText(denominator), " = ",
                      NumberText(checked::Div(numerator, denominator)), kCrLf});
    }
  }
  output_.Append({kCrLf});
}

}  // namespace stereona
