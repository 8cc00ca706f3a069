// A practice session as a face drives it: the score over a pupil's steps,
// the hints and the solution, the problem put into the window, the
// settings, and no problem posed twice before the choice is exhausted.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "core/number_text.h"
#include "practice/answer_key.h"
#include "practice/practice.h"
#include "tests/practice/made_problem.h"

namespace stereona::practice {
namespace {

constexpr std::size_t kCone = 0;

// The cone, the volume asked, numbers up to 10.
PracticeSettings ConeVolumes() {
  PracticeSettings settings = DefaultSettings(kCone, 0);
  settings.anyUnknown = false;
  return settings;
}

enum class Step { Right, Wrong, Almost, NoNumber, Hint, Solution, New };

void Take(Practice& practice, Step step) {
  const AnswerKey& key = practice.Key();
  switch (step) {
    case Step::Right:
      return practice.Check(key.value.RoundedText(12));
    case Step::Wrong:
      return practice.Check("0");
    case Step::Almost:
      return practice.Check(key.otherPi.front().value.RoundedText(8));
    case Step::NoNumber:
      return practice.Check("x");
    case Step::Hint:
      return practice.Hint();
    case Step::Solution:
      return practice.ShowSolution();
    case Step::New:
      return practice.NewProblem();
  }
}

TEST(PracticeTest, ScoreCountsProblemsSolvedAtTheFirstTry) {
  const struct {
    Step step;
    int solved, counted, streak;
    std::size_t hints;
    bool canHint;
  } steps[] = {
      {Step::New, 0, 0, 0, 0, false},  // left before any answer: not counted
      {Step::NoNumber, 0, 0, 0, 0, false}, {Step::Almost, 0, 0, 0, 0, false},
      {Step::Hint, 0, 0, 0, 0, false},  // no hint before a wrong answer
      {Step::Right, 1, 1, 1, 0, false},    {Step::Right, 1, 1, 1, 0, false},
      {Step::New, 1, 1, 1, 0, false},      {Step::Wrong, 1, 2, 0, 0, true},
      {Step::Hint, 1, 2, 0, 1, true},      {Step::Hint, 1, 2, 0, 2, false},
      {Step::Right, 1, 2, 0, 2, false},    {Step::New, 1, 2, 0, 0, false},
      {Step::Right, 2, 3, 1, 0, false},    {Step::New, 2, 3, 1, 0, false},
      {Step::Right, 3, 4, 2, 0, false},    {Step::New, 3, 4, 2, 0, false},
      {Step::Solution, 3, 5, 0, 0, false},  // shown before a right answer: not solved
      {Step::Right, 3, 5, 0, 0, false},    {Step::New, 3, 5, 0, 0, false},
      {Step::Wrong, 3, 6, 0, 0, true},     {Step::Solution, 3, 6, 0, 0, false},
      {Step::New, 3, 6, 0, 0, false},      {Step::Almost, 3, 6, 0, 0, false},
      {Step::Right, 4, 7, 1, 0, false},
  };
  Practice practice(ConeVolumes(), 7);
  int row = 0;
  for (const auto& s : steps) {
    Take(practice, s.step);
    EXPECT_EQ(std::make_tuple(practice.SolvedCount(), practice.CountedCount(), practice.Streak()),
              std::make_tuple(s.solved, s.counted, s.streak))
        << "step " << row;
    EXPECT_EQ(practice.Hints().size(), s.hints) << "step " << row;
    EXPECT_EQ(practice.CanHint(), s.canHint) << "step " << row++;
  }
  EXPECT_EQ(practice.ScoreLine(), "Решени от първия опит: 4 от 7");
  EXPECT_EQ(practice.StreakLine(), "Поредни решени от първия опит: 1");
}

// Wrong guesses before the right value are no first try: a box's volume
// x, which no rounding of x is twice or thrice.
TEST(PracticeTest, GuessingDoesNotPay) {
  PracticeSettings settings = DefaultSettings(5, 1);
  settings.anyUnknown = false;
  Practice practice(settings, 9);
  const std::optional<Rational> volume = practice.Key().value.AsRational();
  ASSERT_TRUE(volume.has_value());
  const BigInteger x = volume->numerator.DividedBy(volume->denominator).quotient;
  for (const std::int64_t times : {2, 3}) {
    practice.Check((x * BigInteger(times)).ToDigits());
    EXPECT_EQ(practice.LastFeedback().kind, VerdictKind::Wrong);
  }
  practice.Check(x.ToDigits());
  EXPECT_EQ(practice.LastFeedback().kind, VerdictKind::Right);
  EXPECT_EQ(practice.ScoreLine(), "Решени от първия опит: 0 от 1");
}

TEST(PracticeTest, HintsAreTheWorkingsFirstLinesWithoutTheResult) {
  const struct {
    documents::PracticeProblem problem;
    std::vector<std::string> hints;
  } rows[] = {
      {MadeProblem(0, 0, {"", "7", "6", ""}),
       {"V = pi*H*R*R/3 = (22/7)*(H * R * R / 3) = (22 * H * R * R ) / (7 * 3)",
        "V = 22 * 7 * 6 * 6 / 21 = "}},
      {MadeProblem(5, 0, {"", "2", "3", "5"}), {"V = a * b * c", "V = 2 * 3 * 5"}},
      {MadeProblem(1, 1, {"462", "", "3", "2"}),
       {"H = 3*V / (pi*(R1*R1 + R2*R2 +R1*R2))",
        "H = 3 * 7 * 462 / (22 * (3 * 3 + 2 * 2 + 3 * 2) "}},
  };
  for (const auto& row : rows) {
    const SolvedProblem solved = Solve(row.problem);
    EXPECT_EQ(solved.hints, row.hints);
    EXPECT_EQ(solved.solution, row.problem.solution);
  }
}

TEST(PracticeTest, SolutionIsTheWindowsTextAndShowsOnce) {
  Practice practice(DefaultSettings(1, 1), 11);
  EXPECT_TRUE(practice.Solution().empty());
  practice.ShowSolution();
  EXPECT_EQ(practice.Solution(), practice.Problem().solution);
  EXPECT_FALSE(practice.CanShowSolution());
  practice.Check("0");
  EXPECT_FALSE(practice.CanHint());  // the whole working is there already
  practice.NewProblem();
  EXPECT_TRUE(practice.Solution().empty());
  EXPECT_TRUE(practice.CanShowSolution());
}

TEST(PracticeTest, ToWindowTypesTheKnownQuantities) {
  SetDecimalSeparator(",");
  PracticeSettings settings = DefaultSettings(1, 0);  // the truncated cone, any unknown
  Practice practice(settings, 5);
  while (practice.Unknown() == 0) practice.NewProblem();
  const WindowInput input = practice.ToWindow();
  EXPECT_EQ(input.body, 1U);
  EXPECT_EQ(input.unknown, practice.Unknown());
  for (std::size_t k = 0; k < kMaxQuantities; ++k) {
    EXPECT_EQ(input.typed[k], k != practice.Unknown()) << k;
    // Typed as the window reads them back: the values drawn.
    if (input.typed[k]) {
      EXPECT_EQ(ParseNumber(input.inputs[k]), practice.Problem().values[k]) << k;
    }
  }
  // The volume given as the window writes it, which its input reads back.
  EXPECT_EQ(documents::CalculateInWindow(input.body, input.unknown, input.inputs).output,
            practice.Problem().solution);
  SetDecimalSeparator(".");
}

TEST(PracticeTest, SettingsFromTheWindowAndRefusedOnes) {
  const PracticeSettings defaults = DefaultSettings(4, 2);
  EXPECT_EQ(defaults.bodies,
            (std::array<bool, kBodyCount>{false, false, false, false, true, false}));
  EXPECT_TRUE(defaults.anyUnknown);
  EXPECT_EQ(defaults.range, 2U);

  Practice practice(defaults, 3);
  EXPECT_EQ(practice.Body(), 4U);
  const std::string sentence = practice.Sentence();
  PracticeSettings none = defaults;
  none.bodies = {};
  EXPECT_EQ(practice.ChangeSettings(none), "Изберете поне едно тяло.");
  PracticeSettings beyond = defaults;
  beyond.range = 5;
  EXPECT_TRUE(practice.ChangeSettings(beyond).has_value());
  EXPECT_EQ(practice.Sentence(), sentence);
  EXPECT_EQ(practice.Settings().range, 2U);

  EXPECT_EQ(practice.ChangeSettings(ConeVolumes()), std::nullopt);
  EXPECT_EQ(practice.Body(), kCone);
  EXPECT_EQ(practice.Unknown(), 0U);
  EXPECT_EQ(practice.Sentence(), documents::ProblemSentence(practice.Problem()));
  EXPECT_EQ(practice.LastFeedback().kind, VerdictKind::None);
}

TEST(PracticeTest, NoProblemRepeatsUntilTheChoiceIsExhausted) {
  const PracticeSettings settings = ConeVolumes();
  Practice practice(settings, 1);
  documents::SheetOptions options;
  options.bodies = settings.bodies;
  options.volumeOnly = true;
  const std::size_t distinct = documents::DistinctProblemCount(options);
  std::set<std::string> sentences;
  for (std::size_t i = 0; i < distinct; ++i, practice.NewProblem()) {
    EXPECT_TRUE(sentences.insert(practice.Sentence()).second) << practice.Sentence();
  }
  EXPECT_TRUE(sentences.contains(practice.Sentence()));  // the next round
}

}  // namespace
}  // namespace stereona::practice
