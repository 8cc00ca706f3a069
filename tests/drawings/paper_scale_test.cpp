// The scale a net prints at on A4: 1:1 where it fits, else the largest of
// 1:2, 1:5, 1:10, ... The sizes sit well clear of the limits so that the
// labels' margin may change.
#include <gtest/gtest.h>

#include <limits>

#include "drawings/paper_scale.h"

namespace stereona::figures {
namespace {

TEST(PaperScale, LargestOfTheSeriesThatFits) {
  struct Case {
    double width, height;
    LengthUnit unit;
    bool landscape;
    double denominator;
    const char* text;
  };
  const Case cases[] = {
      {15, 20, LengthUnit::Centimetre, false, 1, "Мащаб 1:1"},
      {24, 15, LengthUnit::Centimetre, true, 1, "Мащаб 1:1"},
      {30, 40, LengthUnit::Centimetre, false, 2, "Мащаб 1:2"},
      {60, 60, LengthUnit::Centimetre, false, 5, "Мащаб 1:5"},
      {1.5, 2, LengthUnit::Decimetre, false, 1, "Мащаб 1:1"},  // 15 by 20 cm
      {2.4, 1.5, LengthUnit::Decimetre, true, 1, "Мащаб 1:1"},
      {4, 3, LengthUnit::Decimetre, true, 2, "Мащаб 1:2"},
      {2.4, 1.5, LengthUnit::Metre, true, 10, "Мащаб 1:10"},
      {4.6, 3, LengthUnit::Metre, true, 20, "Мащаб 1:20"},
      {50, 60, LengthUnit::Metre, false, 500, "Мащаб 1:500"},
  };
  for (const Case& c : cases) {
    const auto scale = ChoosePaperScale({0, 0, c.width, c.height}, c.unit);
    ASSERT_TRUE(scale.has_value());
    EXPECT_EQ(scale->denominator, c.denominator) << c.width << " by " << c.height;
    EXPECT_EQ(scale->landscape, c.landscape) << c.width << " by " << c.height;
    EXPECT_EQ(scale->text, c.text);
    EXPECT_DOUBLE_EQ(scale->millimetresPerUnit, FactsOf(c.unit).millimetres / c.denominator);
  }
}

TEST(PaperScale, NothingForASizeThatIsNotFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(ChoosePaperScale({0, 0, inf, 1}, LengthUnit::Centimetre));
  EXPECT_FALSE(
      ChoosePaperScale({0, 0, std::numeric_limits<double>::quiet_NaN(), 1}, LengthUnit::Metre));
}

}  // namespace
}  // namespace stereona::figures
