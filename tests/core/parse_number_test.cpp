#include "core/parse_number.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "core/fault.h"
#include "core/number_text.h"

namespace stereona {
namespace {

struct ParseRow {
  std::string text;
  double value;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseNumberTest, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(ParseNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    ::testing::Values(
        ParseRow{"12.5", 12.5}, ParseRow{"x", 0}, ParseRow{"", 0},
        // Either mark is the decimal mark: the first one; a second one ends
        // the number.
        ParseRow{"12,5", 12.5}, ParseRow{",5", 0.5}, ParseRow{"0,5", 0.5}, ParseRow{"-2,5", -2.5},
        ParseRow{"2,5E3", 2500}, ParseRow{"1,000.5", 1}, ParseRow{"1.5,5", 1.5},
        ParseRow{"1,5,5", 1.5}, ParseRow{",", 0}, ParseRow{"2E3,5", 2000},
        // No-break spaces, as a Bulgarian text groups digits, are blanks.
        ParseRow{"1\u00A0000", 1000}, ParseRow{"1\u202F000,5", 1000.5}, ParseRow{"\u00A0", 0},
        ParseRow{"1\xC2", 1}, ParseRow{"-4", -4}, ParseRow{"+4", 4}, ParseRow{".5", 0.5},
        ParseRow{"5.", 5}, ParseRow{"1E3", 1000}, ParseRow{"1e3", 1000}, ParseRow{"2E-3x", 0.002},
        ParseRow{"1E", 1}, ParseRow{"1E+", 1}, ParseRow{"12.5.3", 12.5}, ParseRow{"7abc", 7},
        // Blanks, tabs and line feeds are skipped wherever they stand, but
        // not carriage returns.
        ParseRow{" 1 2 ", 12}, ParseRow{"\t7\n", 7}, ParseRow{"1 E 2", 100}, ParseRow{"- 3", -3},
        ParseRow{"1\r2", 1},
        // Not numbers here.
        ParseRow{"-", 0}, ParseRow{".", 0}, ParseRow{"--5", 0}, ParseRow{"inf", 0},
        ParseRow{"-infinity", 0}, ParseRow{"nan", 0}, ParseRow{"0x1A", 0}, ParseRow{"&H1A", 0},
        ParseRow{"\xd9\xa1\xd9\xa2", 0},
        // Below the smallest double: 0, not a fault.
        ParseRow{"1E-400", 0}, ParseRow{"1E-99999999999999999999", 0}, ParseRow{"0E99999999999", 0},
        ParseRow{"0.000000001E-320", 0},
        ParseRow{"4.9406564584124654E-324", 4.9406564584124654e-324},
        // The largest double as the program writes it reads back as itself.
        ParseRow{"1.79769313486232E+308", DBL_MAX}, ParseRow{"-1.79769313486232E+308", -DBL_MAX},
        ParseRow{"179769313486232" + std::string(294, '0'), DBL_MAX},
        ParseRow{"0.000179769313486232E312", DBL_MAX}, ParseRow{"1.7976931348623158E+308", DBL_MAX},
        ParseRow{"1.7976931348623159E+308", DBL_MAX}, ParseRow{"1.79769313486232069E+308", DBL_MAX},
        // Subnormals read as themselves.
        ParseRow{"2.2250738585072E-308", 2.2250738585072E-308}, ParseRow{"1E-310", 1e-310},
        ParseRow{"-1E-310", -1e-310},
        // Rounded to the nearest double, ties to even.
        ParseRow{"9007199254740993", 9007199254740992.0},
        ParseRow{"9007199254740995", 9007199254740996.0}, ParseRow{"0.1", 0.1},
        ParseRow{"22E-1", 2.2}));

// The program's own numbers, written under either regional setting, read
// back as the value they stand for: a pupil pastes a result into an input.
class WrittenNumberTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { SetDecimalSeparator(GetParam()); }
  void TearDown() override { SetDecimalSeparator("."); }
};

// x to 15 significant digits, as the nearest double; the largest double's
// text rounds beyond it and reads back as itself.
double RoundedTo15Digits(double x) {
  std::array<char, 40> text{};
  std::snprintf(text.data(), text.size(), "%.14e", x);
  const double rounded = std::strtod(text.data(), nullptr);
  return std::isinf(rounded) ? std::copysign(DBL_MAX, x) : rounded;
}

TEST_P(WrittenNumberTest, ReadsBackAsWrittenTo15Digits) {
  EXPECT_EQ(ParseNumber("12.5"), 12.5);
  EXPECT_EQ(ParseNumber("12,5"), 12.5);
  std::mt19937_64 bits(20261209);
  for (int i = 0; i < 100'000; ++i) {
    // Any 64 bits as a double; memcpy, since emscripten's libc++ has no std::bit_cast.
    const std::uint64_t drawn = bits();
    double x;
    std::memcpy(&x, &drawn, sizeof x);
    if (!std::isfinite(x)) continue;
    const std::string text = NumberText(x);
    ASSERT_EQ(ParseNumber(text), RoundedTo15Digits(x)) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Separators, WrittenNumberTest, ::testing::Values(".", ","));

TEST(ParseNumberTest, MegabyteOfDigitsReadsItsValue) {
  EXPECT_EQ(ParseNumber("0." + std::string(1'000'000, '0') + "1"), 0);
  EXPECT_EQ(ParseNumber(std::string(1'000'000, '0') + "42"), 42);
  EXPECT_EQ(ParseNumber("3." + std::string(1'000'000, '3')), 3.3333333333333335);
}

class ParseOverflowTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ParseOverflowTest, BeyondTheDoubleRangeIsAnOverflowFault) {
  try {
    ParseNumber(GetParam());
    FAIL() << "no fault for " << GetParam().substr(0, 40);
  } catch (const FloatingPointFault& fault) {
    EXPECT_EQ(fault.Number(), 6);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseOverflowTest,
                         ::testing::Values("1E400", "-1E400", "1.8E308", "1.79769313486233E+308",
                                           "-1.79769313486233E+308", "1.797693134862322E+308",
                                           "17976931348623300" + std::string(292, '0'),
                                           "1E99999999999999999999", "0.0001E313",
                                           "1" + std::string(400, '0'),
                                           std::string(1'000'000, '9')));

}  // namespace
}  // namespace stereona
