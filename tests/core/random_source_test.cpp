#include "core/random_source.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace stereona {
namespace {

TEST(RandomSourceTest, LargestBitsStayBelowOne) {
  EXPECT_LT(UnitFromBits(0xFFFFFFFFU), 1.0F);
  EXPECT_EQ(UnitFromBits(0), 0.0F);
  EXPECT_EQ(UnitFromBits(0x80000000U), 0.5F);
}

class WholeNumberTest : public ::testing::TestWithParam<double> {};

TEST_P(WholeNumberTest, ExtremesOfTheSequenceGiveOneAndTheRange) {
  const double range = GetParam();
  EXPECT_EQ(WholeNumberFrom(UnitFromBits(0), range), 1);
  EXPECT_EQ(WholeNumberFrom(UnitFromBits(0xFFFFFFFFU), range), range);
}

TEST_P(WholeNumberTest, DrawsStayWithinOneToRange) {
  const double range = GetParam();
  RandomSource source(12345);
  for (int i = 0; i < 10'000; ++i) {
    const double value = source.WholeNumber(range);
    ASSERT_GE(value, 1);
    ASSERT_LE(value, range);
    ASSERT_EQ(value, static_cast<double>(static_cast<std::int64_t>(value)));
  }
}

INSTANTIATE_TEST_SUITE_P(Ranges, WholeNumberTest,
                         ::testing::Values(10.0, 100.0, 1000.0, 10000.0, 100000.0));

TEST(RandomSourceTest, SameSeedSameSequenceOtherSeedOtherSequence) {
  auto draw = [](std::uint32_t seed) {
    RandomSource source(seed);
    std::vector<float> values;
    values.reserve(8);
    for (int i = 0; i < 8; ++i) values.push_back(source.Next());
    return values;
  };
  EXPECT_EQ(draw(7), draw(7));
  EXPECT_NE(draw(7), draw(8));
}

}  // namespace
}  // namespace stereona
