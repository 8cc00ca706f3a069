// The solid of the window's problem: from plain values, and from the form
// as a pupil leaves it, before and after «Изчисли».
#include <gtest/gtest.h>

#include <string>

#include "core/calculator.h"
#include "form/control_arrays.h"
#include "form/window_surfaces.h"
#include "surfaces/window_problem.h"

namespace stereona::surfaces {
namespace {

constexpr std::optional<double> kNone;

struct FromWindow {
  const char* name;
  WindowProblem problem;
  const char* message;  // empty when the working must find the generatrix below
  double generatrix = 0.0;

  friend void PrintTo(const FromWindow& row, std::ostream* os) { *os << row.name; }
};

class FromWindowTest : public ::testing::TestWithParam<FromWindow> {};

TEST_P(FromWindowTest, GivesTheSolidOrSaysWhatIsMissing) {
  const FromWindow& row = GetParam();
  const SurfaceWorking working = SurfacesOfWindow(row.problem);
  EXPECT_EQ(working.message, row.message);
  if (working.Worked()) {
    EXPECT_EQ(working.measures[SurfaceMeasure::l], row.generatrix);
  }
}

// Cones: V = 66 and R = 3 give H = 1386 / 198 = 7 in the window.
INSTANTIATE_TEST_SUITE_P(
    Problems, FromWindowTest,
    ::testing::Values(
        FromWindow{"VolumeUnknown", {0, 0, {{kNone, 8.0, 6.0, kNone}}, {}}, "", 10.0},
        FromWindow{"HeightNotYetSolved",
                   {0, 1, {{66.0, 99.0, 3.0, kNone}}, {}},
                   "Липсва стойност за височината H."},
        FromWindow{"HeightSolved", {0, 1, {{66.0, 99.0, 4.0, kNone}}, {{1386.0, 462.0}}}, "", 5.0},
        FromWindow{
            "Refused", {1, 2, {{462.0, 7.0, kNone, 10.0}}, {{0.0, 0.0}}}, kRefusalMessage.data()},
        FromWindow{"RootOfZero",
                   {1, 2, {{22.0, 21.0, kNone, 1.0}}, {{0.0, 2.0}}},
                   "Стойността на радиуса на долната основа R1 трябва да е положително число."},
        FromWindow{"ResultOverflows",
                   {0, 1, {{1.0, kNone, 1.0, kNone}}, {{1e300, 1e-300}}},
                   "Грешка 6: Препълване"}),
    [](const auto& row) { return std::string(row.param.name); });

// The form as a pupil leaves it: the cone, H unknown, V = 66 and R = 3.
class FormSolidTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Form_Load();
    Pose(0, 1, {"66", "", "3", ""});
  }
  void Pose(std::size_t body, std::size_t unknown, std::array<std::string, kMaxQuantities> inputs) {
    form.Click(form::kOption1[body]);
    form.Click(form::kOption2[unknown]);
    for (std::size_t k = 0; k < kMaxQuantities; ++k) form.Type(form::kText2[k], inputs[k]);
  }
  void Calculate() { form.Click(form::kCommand1[0]); }
  std::string Message() const { return form::WindowSurfaces(form).message; }

  form::Form form{[] { return 26U; }};
};

TEST_F(FormSolidTest, BeforeCalculatingTheUnknownIsMissing) {
  EXPECT_EQ(Message(), "Липсва стойност за височината H.");
}

TEST_F(FormSolidTest, AfterCalculatingTheSolvedSolidIsWorked) {
  Calculate();
  const SurfaceWorking working = form::WindowSurfaces(form);
  ASSERT_TRUE(working.Worked()) << working.message;
  EXPECT_NE(working.lines.find("sqrt(7*7 + 3*3)"), std::string::npos) << working.lines;
}

TEST_F(FormSolidTest, AValueChangedAfterCalculatingIsAProblemNotYetSolved) {
  Calculate();
  form.Type(form::kText2[2], "4");
  EXPECT_EQ(Message(), "Липсва стойност за височината H.");
  form.Type(form::kText2[2], "3,0");
  EXPECT_EQ(Message(), "") << "the same value, written otherwise";
}

TEST_F(FormSolidTest, ACalculationThatDidNotRunToItsEndSolvesNothing) {
  Calculate();
  form.Type(form::kText2[0], "0");  // the window's zero-known message
  Calculate();
  EXPECT_EQ(Message(), "Липсва стойност за височината H.");
  form.Type(form::kText2[0], "1E+300");
  form.Type(form::kText2[2], "1E-200");  // 22 * R * R underflows: a fault
  Calculate();
  EXPECT_EQ(Message(), "Липсва стойност за височината H.");
}

TEST_F(FormSolidTest, RefusedInTheWindowIsRefusedHere) {
  Pose(1, 2, {"462", "7", "", "10"});
  Calculate();
  EXPECT_EQ(Message(), kRefusalMessage);
}

TEST_F(FormSolidTest, AnInputTooLargeToReadIsTheWindowsFault) {
  form.Type(form::kText2[2], "1E+999");
  const SurfaceWorking working = form::WindowSurfaces(form);
  EXPECT_TRUE(working.fault);
  EXPECT_EQ(working.message, "Грешка 6: Препълване");
}

}  // namespace
}  // namespace stereona::surfaces
