// The rules of the practice sheet over many option sets: every value a
// problem gives is a whole number written in full, no two problems of a
// variant are alike, and every key is the window's own text for the values
// typed as printed, ending in the dimension hidden. How many different
// problems options allow, against the window solving each one; the refusal
// of a variant that asks for more; options out of bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/number_text.h"
#include "core/parse_number.h"
#include "core/ranges.h"
#include "documents/distinct_problems.h"
#include "documents/practice_sheet.h"
#include "form/control_arrays.h"
#include "form/form.h"

namespace stereona::documents {
namespace {

using Values = std::array<std::string, kMaxQuantities>;

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

// A whole number written in full: digits only, no leading zero, at most 15.
bool IsWholeText(std::string_view text) {
  return !text.empty() && text.size() <= 15 && text[0] != '0' &&
         text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The window without a toolkit, as a pupil uses it to check a problem.
class Window {
 public:
  Window() { form_.Form_Load(); }

  // The solution the window shows for the values typed as given.
  const std::string& Solve(std::size_t body, std::size_t unknown, const Values& given) {
    form_.Click(form::kOption1.at(body));
    form_.Click(form::kOption2.at(unknown));
    for (std::size_t k = 0; k < kBodies[body].quantityCount; ++k) {
      if (k != unknown) form_.Type(form::kText2[k], given[k]);
    }
    form_.Click(form::kCommand1[0]);
    return form_.State(form::kOutputBox).text;
  }

 private:
  form::Form form_{+[] { return std::uint32_t{1}; }};
};

// The dimensions of a problem, the hidden one included, as the window
// writes them, and the volume left out.
Values AllDimensions(const PracticeProblem& problem) {
  Values dimensions;
  for (std::size_t k = 1; k < kBodies[problem.body].quantityCount; ++k) {
    dimensions[k] = NumberText(problem.values[k]);
  }
  return dimensions;
}

// Any unknown, the most problems and variants, the largest range.
SheetOptions LargestSheet() {
  SheetOptions options;
  options.volumeOnly = false;
  options.problemCount = kMaxProblems;
  options.variantCount = kMaxVariants;
  options.range = kRanges.size() - 1;
  return options;
}

void ExpectSheetRules(const SheetOptions& options, Window& window) {
  for (const auto& variant : DrawVariants(options)) {
    std::vector<std::tuple<std::size_t, std::size_t, Values>> seen;
    for (const PracticeProblem& problem : variant) {
      SCOPED_TRACE("sheet " + std::to_string(options.sheetNumber) + ", range " +
                   std::to_string(options.range) + ": " + ProblemSentence(problem));
      for (std::size_t k = 0; k < kBodies[problem.body].quantityCount; ++k) {
        if (k == problem.unknown) continue;
        ASSERT_TRUE(IsWholeText(problem.given[k])) << problem.given[k];
        ASSERT_EQ(ParseNumber(problem.given[k]), problem.values[k]);
      }
      const std::tuple<std::size_t, std::size_t, Values> alike{problem.body, problem.unknown,
                                                               problem.given};
      ASSERT_EQ(std::find(seen.begin(), seen.end(), alike), seen.end());
      seen.push_back(alike);

      ASSERT_EQ(window.Solve(problem.body, problem.unknown, problem.given), problem.solution);
      if (problem.unknown == 0) {
        ASSERT_GT(ParseNumber(ResultText(problem.solution)), 0.0) << problem.solution;
        continue;
      }
      const std::string hidden = NumberText(problem.values[problem.unknown]);
      ASSERT_TRUE(IsWholeText(hidden));
      ASSERT_EQ(ResultText(problem.solution), hidden) << problem.solution;
      // The volume given is the one the window finds for all the dimensions.
      ASSERT_EQ(ResultText(window.Solve(problem.body, 0, AllDimensions(problem))),
                problem.given[0]);
    }
  }
}

TEST(PracticeSheetTest, ThousandOptionSetsFollowTheSheetRules) {
  std::mt19937 engine(20261208);
  Window window;
  for (int set = 0; set < 1000; ++set) ExpectSheetRules(RandomOptions(engine), window);
}

TEST(PracticeSheetTest, TruncatedConeRadiiOfTheLargestRangeComeBackWhole) {
  // Its quadratic loses the whole root to rounding unless 21 * V is exact;
  // random option sets seldom come so far.
  SheetOptions options = LargestSheet();
  options.bodies = {false, true, false, false, false, false};
  Window window;
  for (options.sheetNumber = 1; options.sheetNumber <= 50; ++options.sheetNumber) {
    ExpectSheetRules(options, window);
  }
}

TEST(PracticeSheetTest, EveryBodyAndUnknownKeepsItsChance) {
  // A body is one in six, each of its unknowns one in three or four, however
  // few of its dimensions give a whole volume: 50 of the largest sheets.
  std::array<std::array<int, kMaxQuantities>, kBodyCount> drawn{};
  int problems = 0;
  SheetOptions options = LargestSheet();
  for (options.sheetNumber = 1; options.sheetNumber <= 50; ++options.sheetNumber) {
    for (const auto& variant : DrawVariants(options)) {
      for (const PracticeProblem& problem : variant) ++drawn[problem.body][problem.unknown];
      problems += static_cast<int>(variant.size());
    }
  }
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    const std::size_t unknowns = kBodies[body].quantityCount;
    const double expected = problems / static_cast<double>(kBodyCount * unknowns);
    for (std::size_t unknown = 0; unknown < unknowns; ++unknown) {
      EXPECT_NEAR(drawn[body][unknown], expected, 0.2 * expected)
          << kBodies[body].latinName << ", unknown " << unknown;
    }
  }
}

// The decimal comma for one test, and the point again after it, also when
// an assertion ends the test early.
class DecimalCommaTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(","); }
  void TearDown() override { SetDecimalSeparator("."); }
};

TEST_F(DecimalCommaTest, TheLargestSheetFollowsTheSheetRules) {
  // The keys' fractions are written with the comma; the values given are
  // whole, so the window reads them as printed whatever the separator.
  Window window;
  ExpectSheetRules(LargestSheet(), window);
}

// Every problem of the options, one by one: a volume problem for every
// dimensions, and each dimension asked for where the window's volume for
// them is a whole number written in full.
std::size_t CountBySolving(const SheetOptions& options) {
  Window window;
  const auto limit = static_cast<std::size_t>(RangeLimit(options.range));
  std::size_t count = 0;
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    if (!options.bodies[body]) continue;
    const std::size_t dimensions = kBodies[body].quantityCount - 1;
    std::size_t tuples = 1;
    for (std::size_t k = 0; k < dimensions; ++k) tuples *= limit;
    for (std::size_t tuple = 0; tuple < tuples; ++tuple) {
      Values given;
      for (std::size_t k = 1, rest = tuple; k <= dimensions; ++k, rest /= limit) {
        given[k] = std::to_string(rest % limit + 1);
      }
      ++count;
      if (!options.volumeOnly && IsWholeText(ResultText(window.Solve(body, 0, given)))) {
        count += dimensions;
      }
    }
  }
  return count;
}

SheetOptions Choice(std::array<bool, kBodyCount> bodies, bool volumeOnly, std::size_t range) {
  SheetOptions options;
  options.bodies = bodies;
  options.volumeOnly = volumeOnly;
  options.range = range;
  return options;
}

TEST(DistinctProblemsTest, CountIsTheNumberOfProblemsTheWindowSolvesWhole) {
  std::vector<SheetOptions> rows = {Choice({true, true, true, true, true, true}, false, 0),
                                    Choice({true, true, true, true, true, true}, true, 0)};
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    std::array<bool, kBodyCount> one{};
    one[body] = true;
    rows.push_back(Choice(one, false, 0));
    // Four quantities would be a million solutions at the range 100.
    if (kBodies[body].quantityCount == 3) rows.push_back(Choice(one, false, 1));
  }
  for (const SheetOptions& options : rows) {
    EXPECT_EQ(DistinctProblemCount(options), CountBySolving(options))
        << "bodies " << ::testing::PrintToString(options.bodies) << ", range " << options.range
        << (options.volumeOnly ? ", volume only" : ", any unknown");
  }
}

TEST(DistinctProblemsTest, AVariantAskingForMoreIsRefusedWithTheCount) {
  // The cone up to 10: 100 volumes, and a height or a radius asked for in
  // the six where 21 divides H * R * R.
  const SheetOptions cone = Choice({true, false, false, false, false, false}, false, 0);
  EXPECT_NO_THROW(RequireDistinctProblems(cone, 112));
  try {
    RequireDistinctProblems(cone, 113);
    ADD_FAILURE() << "113 problems were not refused";
  } catch (const SheetOptionsError& refusal) {
    EXPECT_STREQ(refusal.what(),
                 "С тези тела и този диапазон могат да се направят само 112 различни задачи.");
  }
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
