// What the working says instead of areas: a sentence for dimensions missing
// or not positive, the window's fault message for an overflow, and never a
// crash or a measure that is not a finite number, whatever the input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "surfaces/surfaces.h"

namespace stereona::surfaces {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();
constexpr std::optional<double> kNone;

struct Refused {
  std::size_t body;
  Dimensions dimensions;
  const char* message;
  bool fault;

  friend void PrintTo(const Refused& row, std::ostream* os) { *os << row.message; }
};

class RefusedTest : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedTest, SaysWhy) {
  const Refused& row = GetParam();
  const SurfaceWorking working = WorkSurfaces(row.body, row.dimensions);
  EXPECT_EQ(working.message, row.message);
  EXPECT_EQ(working.fault, row.fault);
  for (const auto& value : working.measures.values) EXPECT_FALSE(value.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedTest,
    ::testing::Values(
        Refused{0, {{kNone, kNone, 6.0, kNone}}, "Липсва стойност за височината H.", false},
        Refused{5,
                {{kNone, kNone, 4.0, kNone}},
                "Липсват стойности за дължината a и височината c.",
                false},
        Refused{5, {}, "Липсват стойности за дължината a, ширината b и височината c.", false},
        Refused{0, {{kNone, kNone, -1.0, kNone}}, "Липсва стойност за височината H.", false},
        Refused{0,
                {{kNone, 8.0, 0.0, kNone}},
                "Стойността на радиуса на основата R трябва да е положително число.",
                false},
        Refused{1,
                {{kNone, 2.0, -2.0, kNaN}},
                "Стойностите на радиуса на долната основа R1 и радиуса на горната основа R2 "
                "трябва да са положителни числа.",
                false},
        Refused{3,
                {{kNone, 2.0, 3.0, -kInf}},
                "Стойността на страната на горната основа b трябва да е положително число.",
                false},
        Refused{4,
                {{kNone, kInf, 0.0, kNone}},
                "Стойността на радиуса на основата R трябва да е положително число.",
                false},
        Refused{6, {{kNone, 1.0, 1.0, 1.0}}, "Няма такова тяло.", false},
        Refused{4, {{kNone, kInf, 1.0, kNone}}, "Грешка 6: Препълване", true},
        Refused{0, {{kNone, 1e200, 6.0, kNone}}, "Грешка 6: Препълване", true},
        Refused{5, {{kNone, 1e308, 1e308, 1.0}}, "Грешка 6: Препълване", true}));

TEST(Faults, KeepTheLinesWrittenBeforeThem) {
  // Both squares underflow: the generatrix is 0, and the sector's angle
  // divides by it.
  const SurfaceWorking working = WorkSurfaces(0, {{kNone, kTiny, kTiny, kNone}});
  EXPECT_TRUE(working.fault);
  EXPECT_EQ(working.message, "Грешка 11: Деление на нула");
  EXPECT_NE(working.lines.find("\r\nS = B + S1 = "), std::string::npos) << working.lines;
  EXPECT_EQ(working.lines.find("α = "), std::string::npos);
}

TEST(Workings, ReadOnlyTheBodysDimensions) {
  const SurfaceWorking working = WorkSurfaces(0, {{kNaN, 8.0, 6.0, -1.0}});
  ASSERT_TRUE(working.Worked()) << working.message;
  EXPECT_EQ(working.measures[SurfaceMeasure::l], 10.0);
}

TEST(Workings, TruncatedConeOfEqualBasesIsACylinderWithNoRingSector) {
  const SurfaceWorking working = WorkSurfaces(1, {{kNone, 8.0, 6.0, 6.0}});
  ASSERT_TRUE(working.Worked()) << working.message;
  EXPECT_NE(working.lines.find("пресеченият конус е цилиндър"), std::string::npos);
  const SurfaceWorking cylinder = WorkSurfaces(4, {{kNone, 8.0, 6.0, kNone}});
  EXPECT_EQ(working.measures[SurfaceMeasure::S1], cylinder.measures[SurfaceMeasure::S1]);
  EXPECT_EQ(working.measures[SurfaceMeasure::S], cylinder.measures[SurfaceMeasure::S]);
  for (const auto measure : {SurfaceMeasure::alpha, SurfaceMeasure::L1, SurfaceMeasure::L2}) {
    EXPECT_FALSE(working.measures[measure].has_value());
  }
}

TEST(Workings, TruncatedPyramidOfEqualBasesIsSaidToBeAPrism) {
  const SurfaceWorking working = WorkSurfaces(3, {{kNone, 4.0, 5.0, 5.0}});
  EXPECT_NE(working.lines.find("пресечената пирамида е правилна четириъгълна призма"),
            std::string::npos);
}

// Every extreme value in every dimension of every body, the others 1.
TEST(Workings, NeverCrashNorGiveAMeasureThatIsNoFiniteNumber) {
  constexpr double kExtremes[] = {kNaN,  kInf,   -kInf, 1e308, std::numeric_limits<double>::max(),
                                  kTiny, 1e-308, -0.0,  0.0,   1e154};
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    for (std::size_t slot = 1; slot < kBodies[body].quantityCount; ++slot) {
      for (const double extreme : kExtremes) {
        Dimensions dimensions = {{kNone, 1.0, 1.0, 1.0}};
        dimensions[slot] = extreme;
        const SurfaceWorking working = WorkSurfaces(body, dimensions);
        SCOPED_TRACE(std::string(kBodies[body].latinName) + " slot " + std::to_string(slot) +
                     " = " + std::to_string(extreme));
        EXPECT_EQ(working.Worked(), working.measures[SurfaceMeasure::S].has_value());
        for (const auto& value : working.measures.values) {
          if (value) {
            EXPECT_TRUE(std::isfinite(*value) && *value >= 0) << *value;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace stereona::surfaces
