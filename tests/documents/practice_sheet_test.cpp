// The rules of the practice sheet over many option sets: every problem is
// solved by its key, never refused, and the key finds the value that was
// drawn and hidden; options out of bounds are refused with a reason.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "core/calculator.h"
#include "core/number_text.h"
#include "core/parse_number.h"
#include "documents/practice_sheet.h"
#include "solvers/frustum.h"

namespace stereona::documents {
namespace {

// An index from 0 to count - 1 for the test's own choices.
std::size_t Pick(std::mt19937& engine, std::size_t count) { return engine() % count; }

SheetOptions RandomOptions(std::mt19937& engine) {
  SheetOptions options;
  const std::size_t mask = 1 + Pick(engine, (1U << kBodyCount) - 1);
  for (std::size_t v = 0; v < kBodyCount; ++v) options.bodies[v] = ((mask >> v) & 1U) != 0;
  options.volumeOnly = Pick(engine, 4) == 0;
  options.problemCount = 1 + static_cast<int>(Pick(engine, kMaxProblems));
  options.range = Pick(engine, 5);
  options.sheetNumber = 1 + static_cast<std::uint32_t>(Pick(engine, kMaxSheetNumber));
  options.variantCount = 1 + static_cast<int>(Pick(engine, kMaxVariants));
  return options;
}

// Every key entry is a solution with a positive result; a dimension asked
// for is the one drawn, within the 15 digits the volume was given with.
void ExpectEveryKeySolves(const SheetOptions& options) {
  for (const auto& variant : DrawVariants(options)) {
    for (const PracticeProblem& problem : variant) {
      ASSERT_EQ(problem.solution.find(kRefusalMessage), std::string::npos) << problem.solution;
      ASSERT_EQ(problem.solution.find(kZeroKnownMessage), std::string::npos) << problem.solution;
      std::string result(ResultText(problem.solution));
      if (const auto at = result.find(','); at != std::string::npos) result[at] = '.';
      const double value = ParseNumber(result);
      ASSERT_GT(value, 0.0) << problem.solution;
      if (problem.unknown == 0) continue;
      const double hidden = problem.values[problem.unknown];
      ASSERT_LE(std::fabs(value - hidden), 1e-9 * hidden)
          << "sheet " << options.sheetNumber << ", range " << options.range << "\n"
          << problem.solution;
    }
  }
}

TEST(PracticeSheetTest, ThousandOptionSetsEveryKeySolvesForTheHiddenValue) {
  std::mt19937 engine(20261208);
  for (int set = 0; set < 1000; ++set) ExpectEveryKeySolves(RandomOptions(engine));
}

TEST(PracticeSheetTest, KeysSolveWithACommaForTheDecimalSeparator) {
  // The volume is given as the window writes it, with the user's separator;
  // the key must still read it whole.
  SetDecimalSeparator(",");
  SheetOptions options;
  options.volumeOnly = false;
  options.problemCount = kMaxProblems;
  options.variantCount = kMaxVariants;
  options.range = 4;
  ExpectEveryKeySolves(options);
  SetDecimalSeparator(".");
}

TEST(PracticeSheetTest, OptionsOutOfBoundsAreRefused) {
  const auto with = [](auto change) {
    SheetOptions options;
    change(options);
    return options;
  };
  const std::vector<SheetOptions> refused = {
      with([](SheetOptions& o) { o.bodies = {}; }),
      with([](SheetOptions& o) { o.problemCount = 0; }),
      with([](SheetOptions& o) { o.problemCount = kMaxProblems + 1; }),
      with([](SheetOptions& o) { o.range = 5; }),
      with([](SheetOptions& o) { o.sheetNumber = 0; }),
      with([](SheetOptions& o) { o.sheetNumber = kMaxSheetNumber + 1; }),
      with([](SheetOptions& o) { o.variantCount = 0; }),
      with([](SheetOptions& o) { o.variantCount = kMaxVariants + 1; }),
  };
  for (const SheetOptions& options : refused) {
    EXPECT_THROW(PracticeSheet(options), SheetOptionsError);
  }
  EXPECT_NO_THROW(PracticeSheet(with([](SheetOptions& o) {
    o.problemCount = kMaxProblems;
    o.variantCount = kMaxVariants;
    o.range = 4;
    o.sheetNumber = kMaxSheetNumber;
  })));
}

}  // namespace
}  // namespace stereona::documents
