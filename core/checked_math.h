#pragma once

#include <cmath>

#include "core/fault.h"

// Arithmetic with the fault rule applied after every step. The operands are
// always finite (parsing refuses anything else), so an infinite result means
// the step overflowed and a NaN means it was invalid.
namespace stereona::checked {

inline double Result(double value) {
  if (std::isnan(value)) throw FloatingPointFault(FaultKind::InvalidArgument);
  if (std::isinf(value)) throw FloatingPointFault(FaultKind::Overflow);
  return value;
}

inline double Mul(double a, double b) { return Result(a * b); }
inline double Add(double a, double b) { return Result(a + b); }
inline double Sub(double a, double b) { return Result(a - b); }

inline double Div(double a, double b) {
  if (b == 0.0) {
    throw FloatingPointFault(a == 0.0 ? FaultKind::InvalidArgument : FaultKind::DivisionByZero);
  }
  return Result(a / b);
}

inline double Sqrt(double a) {
  if (a < 0.0) throw FloatingPointFault(FaultKind::InvalidArgument);
  return Result(std::sqrt(a));
}

}  // namespace stereona::checked
