#pragma once

#include <optional>
#include <string>

#include "practice/big_integer.h"

namespace stereona::practice {

// numerator / denominator, the denominator positive; not reduced.
struct Rational {
  BigInteger numerator;
  BigInteger denominator{1};

  static Rational PowerOfTen(int exponent);  // 10^exponent, also for exponent < 0
  friend Rational operator+(const Rational& a, const Rational& b);
  friend Rational operator-(const Rational& a, const Rational& b);
  friend Rational operator*(const Rational& a, const Rational& b);
  friend Rational operator/(const Rational& a, const Rational& b);  // b other than 0
  int Sign() const noexcept { return numerator.Sign(); }
};

// A value the judge holds answers against, exactly: a rational number, or
// (a + sqrt(r)) / d with r rational, which is what a base dimension found
// through a square root or a quadratic is. Every comparison is exact.
class ExactValue {
 public:
  ExactValue() = default;
  explicit ExactValue(const Rational& value);
  // (a + sqrt(radicand)) / d: nothing when the radicand is negative or d is
  // not positive. A root that is rational makes a rational value.
  static std::optional<ExactValue> Root(const BigInteger& a, const Rational& radicand,
                                        const BigInteger& d);

  // The sign of this value minus `other`.
  int CompareWith(const Rational& other) const;
  bool IsRational() const noexcept { return radicand_.Sign() == 0; }
  std::optional<Rational> AsRational() const;
  // The power of ten of the first significant digit: 2 for 139,3; -2 for
  // 0,0714. Only for a positive value.
  int Exponent() const noexcept { return exponent_; }
  // Whether the value is a whole multiple of 10^exponent: exact when
  // written to that place.
  bool IsMultipleOfPowerOfTen(int exponent) const;
  // The value times k, for k > 0.
  ExactValue Times(const BigInteger& k) const;

  // The value rounded half up to `significant` digits, with "." for its
  // decimal mark ("139.33"); for tests and for what a face prefills.
  std::string RoundedText(int significant) const;
  double ToDouble() const;

 private:
  // The whole part of the value times 10^exponent.
  BigInteger FloorTimesPowerOfTen(int exponent) const;
  int FindExponent() const;

  // The value is (a_ + sqrt(radicand_)) / d_, with radicand_ 0 for a rational.
  BigInteger a_;
  Rational radicand_;
  BigInteger d_{1};
  int exponent_ = 0;
};

}  // namespace stereona::practice
