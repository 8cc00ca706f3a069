// The whole numbers of any size against the compiler's 128-bit integers,
// over random operands of one to four 32-bit limbs and either sign.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "practice/big_integer.h"

namespace stereona::practice {
namespace {

__extension__ using Wide = __int128;
__extension__ using UnsignedWide = unsigned __int128;

std::string Digits(Wide value) {
  if (value == 0) return "0";
  const bool negative = value < 0;
  std::string digits;
  for (UnsignedWide rest = negative ? -static_cast<UnsignedWide>(value) : value; rest != 0;
       rest /= 10) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
  }
  return negative ? "-" + digits : digits;
}

BigInteger Big(Wide value) {
  const std::string digits = Digits(value < 0 ? -value : value);
  const BigInteger magnitude = *BigInteger::FromDigits(digits);
  return value < 0 ? -magnitude : magnitude;
}

// A value of up to `bits` bits with either sign; many with all bits of a
// limb set, where carries and the division's guesses go wrong.
Wide Random(std::mt19937_64& engine, int bits) {
  const auto width = 1 + engine() % static_cast<unsigned>(bits);
  UnsignedWide value = (static_cast<UnsignedWide>(engine()) << 64) | engine();
  if (engine() % 4 == 0) value |= 0xFFFFFFFFULL << (32 * (engine() % 2));
  value &= (static_cast<UnsignedWide>(1) << width) - 1;
  const auto signed_value = static_cast<Wide>(value);
  return engine() % 2 == 0 ? signed_value : -signed_value;
}

TEST(BigIntegerTest, ArithmeticAgreesWithWideIntegers) {
  std::mt19937_64 engine(20261209);
  for (int i = 0; i < 20000; ++i) {
    const Wide a = Random(engine, 62);
    const Wide b = Random(engine, 62);
    EXPECT_EQ((Big(a) + Big(b)).ToDigits(), Digits(a + b));
    EXPECT_EQ((Big(a) - Big(b)).ToDigits(), Digits(a - b));
    EXPECT_EQ((Big(a) * Big(b)).ToDigits(), Digits(a * b));
    EXPECT_EQ(Big(a) <=> Big(b), a <=> b);

    const Wide dividend = Random(engine, 126);
    const Wide divisor = Random(engine, 1 + static_cast<int>(engine() % 100));
    if (divisor <= 0) continue;
    Wide quotient = dividend / divisor;
    Wide remainder = dividend % divisor;
    if (remainder < 0) {  // rounded down
      quotient -= 1;
      remainder += divisor;
    }
    const auto division = Big(dividend).DividedBy(Big(divisor));
    EXPECT_EQ(division.quotient.ToDigits(), Digits(quotient))
        << Digits(dividend) << " / " << Digits(divisor);
    EXPECT_EQ(division.remainder.ToDigits(), Digits(remainder));

    const Wide root = (dividend < 0 ? -dividend >> 64 : dividend >> 64) + 1;
    for (const Wide square : {root * root - 1, root * root, root * root + 1}) {
      const Wide floor = square == root * root - 1 ? root - 1 : root;
      EXPECT_EQ(Big(square).SquareRootFloor().ToDigits(), Digits(floor)) << Digits(square);
    }
  }
  EXPECT_EQ(BigInteger::FromDigits("12a"), std::nullopt);
  EXPECT_EQ(BigInteger::PowerOfTen(40).ToDigits(), "1" + std::string(40, '0'));
}

}  // namespace
}  // namespace stereona::practice
