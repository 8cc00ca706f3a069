#include "core/calculator.h"

#include <gtest/gtest.h>

#include <string>

#include "core/fault.h"
#include "solvers/body_solvers.h"
#include "tests/support/fake_controls.h"

namespace stereona {
namespace {

using testing::FakeControls;

constexpr int kParallelepiped = static_cast<int>(BodyIndex::Parallelepiped);
constexpr int kCone = static_cast<int>(BodyIndex::Cone);

class CalculatorTest : public ::testing::Test {
 protected:
  void Select(int body, int unknown, std::array<std::string, 4> inputs) {
    controls.selectedBody = body;
    controls.selectedUnknown = unknown;
    controls.inputs = std::move(inputs);
  }

  FakeControls controls;
  Calculator calculator{controls, BodySolvers(), "reference\r\n"};
};

class ZeroTest : public CalculatorTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ZeroTest, KnownValueOfZeroGivesTheMessageAloneWithoutLineEnd) {
  Select(kParallelepiped, 0, {"x", "2", GetParam(), "5"});
  calculator.Command1_Click(0);
  EXPECT_EQ(calculator.Output(), kZeroKnownMessage);
  EXPECT_EQ(controls.Shown(), kZeroKnownMessage);
  // The refused calculation has already stored the known values.
  EXPECT_EQ(calculator.State().Quantity[1], 2);
  EXPECT_EQ(calculator.State().Quantity[2], 0);
  EXPECT_EQ(calculator.State().Quantity[3], 5);
}

INSTANTIATE_TEST_SUITE_P(Inputs, ZeroTest,
                         ::testing::Values("", "x", "0", "-0", "0.0", "abc12", " \t\n"));

TEST_F(CalculatorTest, UnknownSlotKeepsItsValueFromTheLastCalculationWhereItWasKnown) {
  Select(kParallelepiped, 0, {"x", "2", "3", "5"});
  calculator.Command1_Click(0);
  Select(kParallelepiped, 1, {"30", "999", "3", "5"});
  calculator.Command1_Click(0);
  const auto& q = calculator.State().Quantity;
  EXPECT_EQ(q[0], 30);
  EXPECT_EQ(q[1], 2) << "the unknown's input is never read";
  EXPECT_EQ(calculator.State().UnknownIndex, 1);
  for (std::size_t slot = 4; slot < kQuantitySlots; ++slot) {
    if (slot != kNumeratorSlot && slot != kDenominatorSlot) {
      EXPECT_EQ(q[slot], 0) << slot;
    }
  }
}

TEST_F(CalculatorTest, ThreeQuantityBodyLeavesTheFourthSlotAlone) {
  Select(kParallelepiped, 0, {"x", "2", "3", "5"});
  calculator.Command1_Click(0);
  Select(kCone, 0, {"x", "7", "6", "1E400"});  // would overflow if it were read
  calculator.Command1_Click(0);
  EXPECT_EQ(calculator.State().Quantity[3], 5);
}

TEST_F(CalculatorTest, UnknownIndexStaysWhenNoSelectorIsSelected) {
  Select(kParallelepiped, 2, {"30", "2", "x", "5"});
  calculator.Command1_Click(0);
  Select(kParallelepiped, -1, {"30", "2", "3", "5"});
  calculator.Command1_Click(0);
  EXPECT_EQ(calculator.State().UnknownIndex, 2);
  EXPECT_EQ(calculator.State().Quantity[2], 3) << "every input counts as known";
}

TEST_F(CalculatorTest, ClearEmptiesEveryInputAndNothingElse) {
  Select(kParallelepiped, 1, {"30", "x", "3", "5"});
  calculator.Command1_Click(0);
  const std::string solved = calculator.Output();
  const ProblemState before = calculator.State();
  const auto shownBefore = controls.shownOutputs.size();

  calculator.Command1_Click(1);

  EXPECT_EQ(controls.inputs, (std::array<std::string, 4>{"", "", "", ""}));
  EXPECT_EQ(calculator.Output(), solved);
  EXPECT_EQ(controls.shownOutputs.size(), shownBefore);
  EXPECT_EQ(calculator.State().Quantity, before.Quantity);
  EXPECT_EQ(calculator.State().UnknownIndex, before.UnknownIndex);
}

TEST_F(CalculatorTest, OtherButtonIndicesDoNothing) {
  Select(kParallelepiped, 0, {"x", "2", "3", "5"});
  for (const std::int16_t index : {std::int16_t{-1}, std::int16_t{2}, std::int16_t{32767}}) {
    calculator.Command1_Click(index);
  }
  EXPECT_EQ(calculator.Output(), "reference\r\n");
  EXPECT_TRUE(controls.shownOutputs.empty());
  EXPECT_EQ(controls.inputs[1], "2");
}

TEST_F(CalculatorTest, FaultKeepsWhatWasStoredBeforeTheFailingStep) {
  Select(kParallelepiped, 0, {"x", "2", "3", "7"});
  calculator.Command1_Click(0);
  Select(kParallelepiped, 0, {"x", "1E+200", "1E+200", "5"});
  try {
    calculator.Command1_Click(0);
    FAIL() << "the product overflows";
  } catch (const FloatingPointFault& fault) {
    EXPECT_EQ(fault.Number(), 6);
    EXPECT_EQ(fault.Description(), "Препълване");
    EXPECT_NE(std::string(fault.what()).find('6'), std::string::npos);
  }
  EXPECT_EQ(calculator.State().Quantity[1], 1e200);
  EXPECT_EQ(calculator.State().Quantity[2], 1e200);
  EXPECT_EQ(calculator.State().Quantity[3], 7) << "the step after the fault never ran";
}

TEST_F(CalculatorTest, InputThatFaultsLeavesTheSolvedProblemThatTheOutputShows) {
  Select(kCone, 0, {"x", "7", "6", "1"});
  calculator.Command1_Click(0);
  Select(kParallelepiped, 0, {"x", "1E+999", "3", "5"});
  EXPECT_THROW(calculator.Command1_Click(0), FloatingPointFault);
  ASSERT_TRUE(calculator.Solved().has_value());
  EXPECT_EQ(calculator.Solved()->body, static_cast<std::size_t>(kCone));
  EXPECT_EQ(calculator.Solved()->given.Quantity[1], 7);
  EXPECT_NE(calculator.Output().find("V = pi*H*R*R/3"), std::string::npos);
}

// The result line on its own, behind a solver that only writes a line and
// leaves a given numerator and denominator.
struct ResultRow {
  const char* line;
  double numerator;
  double denominator;
  const char* expected;
};

ResultRow gStubRow;

void StubSolver(ProblemState& state, OutputText& output) {
  output.Replace({gStubRow.line});
  state.Quantity[kNumeratorSlot] = gStubRow.numerator;
  state.Quantity[kDenominatorSlot] = gStubRow.denominator;
}

SolverTable StubSolvers() {
  SolverTable stubs{};
  stubs.fill(StubSolver);
  return stubs;
}

class ResultLineTest : public ::testing::TestWithParam<ResultRow> {
 protected:
  void Calculate(const ResultRow& row) {
    gStubRow = row;
    controls.inputs = {"1", "1", "1", "1"};
    calculator.Command1_Click(0);
  }

  FakeControls controls;
  SolverTable stubs = StubSolvers();
  Calculator calculator{controls, stubs, ""};
};

TEST_P(ResultLineTest, CompletesTheOpenLine) {
  Calculate(GetParam());
  EXPECT_EQ(calculator.Output(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResultLineTest,
    ::testing::Values(ResultRow{"V = 2 * 3 * 5", 30, 1, "V = 2 * 3 * 5 = 30\r\n\r\n"},
                      ResultRow{"a = 30 / (1 * 1) = ", 30, 1, "a = 30 / (1 * 1) = 30\r\n\r\n"},
                      ResultRow{"H = ", 252, 1, "H = 252\r\n\r\n"},
                      ResultRow{"x = ", 22, 7, "x = 22 / 7 = 3.14285714285714\r\n\r\n"},
                      ResultRow{"x = ", 3, 1.0000000000000002, "x = 3 / 1 = 3\r\n\r\n"},
                      ResultRow{"x = ", 0, 0, "x = \r\n"}, ResultRow{"x = ", 0, -2, "x = \r\n"},
                      ResultRow{"x = ", 0, 2, "x = 0 / 2 = 0\r\n\r\n"}));

TEST_F(ResultLineTest, ValueOverAnUnderflowedDenominatorIsADivisionByZero) {
  try {
    Calculate({"x = ", 5, 0, ""});
    FAIL() << "no fault";
  } catch (const FloatingPointFault& fault) {
    EXPECT_EQ(fault.Number(), 11);
  }
  EXPECT_EQ(calculator.Output(), "x = ") << "the open line stays as the solver left it";
}

}  // namespace
}  // namespace stereona
