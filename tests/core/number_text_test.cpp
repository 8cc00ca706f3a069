#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

namespace stereona {
namespace {

struct NumberTextRow {
  double value;
  const char* text;
};

class NumberTextTest : public ::testing::TestWithParam<NumberTextRow> {};

TEST_P(NumberTextTest, WritesGeneralFormatWith15SignificantDigits) {
  EXPECT_EQ(NumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    ::testing::Values(
        NumberTextRow{264, "264"}, NumberTextRow{0, "0"}, NumberTextRow{-0.0, "0"},
        NumberTextRow{0.5, "0.5"}, NumberTextRow{-0.5, "-0.5"}, NumberTextRow{-3, "-3"},
        NumberTextRow{22.0 / 7.0, "3.14285714285714"},
        NumberTextRow{10.0 / 21.0, "0.476190476190476"}, NumberTextRow{0.1 + 0.2, "0.3"},
        NumberTextRow{1.0000000000000002, "1"}, NumberTextRow{100000, "100000"},
        NumberTextRow{123456789012345.0, "123456789012345"}, NumberTextRow{1e15, "1E+15"},
        NumberTextRow{1234567890123456.0, "1.23456789012346E+15"}, NumberTextRow{0.0001, "0.0001"},
        NumberTextRow{0.00001, "1E-05"}, NumberTextRow{-0.000015, "-1.5E-05"},
        NumberTextRow{1e200, "1E+200"}, NumberTextRow{1e-200, "1E-200"},
        NumberTextRow{DBL_MAX, "1.79769313486232E+308"},
        NumberTextRow{4.9406564584124654e-324, "4.94065645841247E-324"}));

class DecimalSeparatorTest : public ::testing::Test {
 protected:
  void TearDown() override { SetDecimalSeparator("."); }
};

TEST_F(DecimalSeparatorTest, RegionalSeparatorReplacesThePoint) {
  SetDecimalSeparator(",");
  EXPECT_EQ(NumberText(22.0 / 7.0), "3,14285714285714");
  EXPECT_EQ(NumberText(0.000015), "1,5E-05");
  EXPECT_EQ(NumberText(264), "264");
}

TEST_F(DecimalSeparatorTest, SeparatorMayBeMoreThanOneByte) {
  SetDecimalSeparator("٫");  // Arabic decimal separator, two bytes in UTF-8
  EXPECT_EQ(NumberText(2.5), "2٫5");
}

}  // namespace
}  // namespace stereona
