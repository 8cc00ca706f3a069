#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stereona::practice {

// A whole number of any size, with its sign: the judge compares a pupil's
// answer with the exact value in these, so that no digit the pupil typed is
// lost to rounding. Only the operations the judge needs.
class BigInteger {
 public:
  BigInteger() = default;
  explicit BigInteger(std::int64_t value);

  // Decimal digits alone ("000123" is 123); nothing for any other character.
  static std::optional<BigInteger> FromDigits(std::string_view digits);
  static BigInteger PowerOfTen(std::size_t exponent);

  int Sign() const noexcept { return limbs_.empty() ? 0 : (negative_ ? -1 : 1); }
  bool IsZero() const noexcept { return limbs_.empty(); }

  friend BigInteger operator-(BigInteger value);
  friend BigInteger operator+(const BigInteger& a, const BigInteger& b);
  friend BigInteger operator-(const BigInteger& a, const BigInteger& b);
  friend BigInteger operator*(const BigInteger& a, const BigInteger& b);
  friend bool operator==(const BigInteger& a, const BigInteger& b) = default;
  friend std::strong_ordering operator<=>(const BigInteger& a, const BigInteger& b);

  // The quotient rounded down and the remainder, 0 <= remainder < divisor;
  // the divisor must be positive.
  struct Division;
  Division DividedBy(const BigInteger& divisor) const;

  // The whole part of the square root of a number that is not negative.
  BigInteger SquareRootFloor() const;

  std::string ToDigits() const;  // "-123"
  double ToDouble() const;       // the nearest double, or infinity

 private:
  using Limbs = std::vector<std::uint32_t>;  // least significant first, no zero at the top
  BigInteger(Limbs limbs, bool negative);

  Limbs limbs_;
  bool negative_ = false;  // never for zero
};

struct BigInteger::Division {
  BigInteger quotient;
  BigInteger remainder;
};

}  // namespace stereona::practice
