#include "practice/exact_value.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace stereona::practice {
namespace {

BigInteger Power(int exponent) {
  return BigInteger::PowerOfTen(static_cast<std::size_t>(exponent));
}

}  // namespace

Rational Rational::PowerOfTen(int exponent) {
  if (exponent >= 0) return {Power(exponent), BigInteger(1)};
  return {BigInteger(1), Power(-exponent)};
}

Rational operator+(const Rational& a, const Rational& b) {
  return {a.numerator * b.denominator + b.numerator * a.denominator, a.denominator * b.denominator};
}

Rational operator-(const Rational& a, const Rational& b) {
  return a + Rational{-b.numerator, b.denominator};
}

Rational operator*(const Rational& a, const Rational& b) {
  return {a.numerator * b.numerator, a.denominator * b.denominator};
}

Rational operator/(const Rational& a, const Rational& b) {
  Rational quotient{a.numerator * b.denominator, a.denominator * b.numerator};
  if (quotient.denominator.Sign() < 0) {
    quotient.numerator = -quotient.numerator;
    quotient.denominator = -quotient.denominator;
  }
  return quotient;
}

ExactValue::ExactValue(const Rational& value) : a_(value.numerator), d_(value.denominator) {
  exponent_ = FindExponent();
}

std::optional<ExactValue> ExactValue::Root(const BigInteger& a, const Rational& radicand,
                                           const BigInteger& d) {
  if (radicand.Sign() < 0 || d.Sign() <= 0) return std::nullopt;
  // sqrt(p / q) = sqrt(p * q) / q: rational when p * q is a square.
  const BigInteger product = radicand.numerator * radicand.denominator;
  const BigInteger root = product.SquareRootFloor();
  if (root * root == product) {
    return ExactValue(Rational{a * radicand.denominator + root, d * radicand.denominator});
  }
  ExactValue value;
  value.a_ = a;
  value.radicand_ = radicand;
  value.d_ = d;
  value.exponent_ = value.FindExponent();
  return value;
}

std::optional<Rational> ExactValue::AsRational() const {
  if (!IsRational()) return std::nullopt;
  return Rational{a_, d_};
}

int ExactValue::CompareWith(const Rational& other) const {
  // (a + s) / d - n / m has the sign of s * m - t, with t = n * d - a * m.
  const BigInteger t = other.numerator * d_ - a_ * other.denominator;
  if (IsRational()) return -t.Sign();
  if (t.Sign() < 0) return 1;
  // Both sides are not negative: compare their squares, r * m^2 with t^2.
  const BigInteger left = radicand_.numerator * other.denominator * other.denominator;
  const BigInteger right = t * t * radicand_.denominator;
  if (left < right) return -1;
  return right < left ? 1 : 0;
}

bool ExactValue::IsMultipleOfPowerOfTen(int exponent) const {
  if (!IsRational()) return false;
  if (exponent <= 0) return (a_ * Power(-exponent)).DividedBy(d_).remainder.IsZero();
  return a_.DividedBy(d_ * Power(exponent)).remainder.IsZero();
}

ExactValue ExactValue::Times(const BigInteger& k) const {
  ExactValue value = *this;
  value.a_ = a_ * k;
  value.radicand_.numerator = radicand_.numerator * k * k;
  value.exponent_ = value.FindExponent();
  return value;
}

BigInteger ExactValue::FloorTimesPowerOfTen(int exponent) const {
  BigInteger a = a_;
  Rational radicand = radicand_;
  BigInteger d = d_;
  if (exponent >= 0) {
    const BigInteger scale = Power(exponent);
    a = a * scale;
    radicand.numerator = radicand.numerator * scale * scale;
  } else {
    d = d * Power(-exponent);
  }
  // floor((a + sqrt(r)) / d) = floor((a + floor(sqrt(floor(r)))) / d) for a whole a and d > 0.
  const BigInteger root =
      radicand.numerator.DividedBy(radicand.denominator).quotient.SquareRootFloor();
  return (a + root).DividedBy(d).quotient;
}

int ExactValue::FindExponent() const {
  // A guess from doubles, then made exact by comparing with powers of ten.
  const double guess = std::log10(std::fabs(ToDouble()));
  int exponent = std::isfinite(guess) ? static_cast<int>(std::floor(guess)) : 0;
  if (CompareWith({}) <= 0) return 0;
  while (CompareWith(Rational::PowerOfTen(exponent)) < 0) --exponent;
  while (CompareWith(Rational::PowerOfTen(exponent + 1)) >= 0) ++exponent;
  return exponent;
}

std::string ExactValue::RoundedText(int significant) const {
  const int places = significant - 1 - exponent_;
  // floor(x * 10^places + 1/2) = floor((floor(2 * x * 10^places) + 1) / 2)
  const BigInteger twice = Times(BigInteger(2)).FloorTimesPowerOfTen(places);
  std::string digits = (twice + BigInteger(1)).DividedBy(BigInteger(2)).quotient.ToDigits();
  if (places <= 0) return digits + std::string(static_cast<std::size_t>(-places), '0');
  const auto decimals = static_cast<std::size_t>(places);
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  digits.insert(digits.size() - decimals, ".");
  return digits;
}

double ExactValue::ToDouble() const {
  const double root =
      IsRational() ? 0.0
                   : std::sqrt(radicand_.numerator.ToDouble() / radicand_.denominator.ToDouble());
  return (a_.ToDouble() + root) / d_.ToDouble();
}

}  // namespace stereona::practice
