// Answers held against fixed problems, one table for every verdict: the
// right value in each accepted form, each «Почти.» case, each known
// mistake, the wrong answers that only look near, and texts that are no
// number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/number_text.h"
#include "practice/answer_key.h"
#include "tests/practice/made_problem.h"

namespace stereona::practice {
namespace {

constexpr auto kRight = VerdictKind::Right;
constexpr auto kAlmost = VerdictKind::Almost;
constexpr auto kWrong = VerdictKind::Wrong;
constexpr auto kNaN = VerdictKind::NotANumber;

struct Answer {
  std::string text;
  VerdictKind kind;
  std::string message;  // "" for none
};

struct Case {
  std::string name;
  AnswerKey key;
  std::vector<Answer> answers;
};

AnswerKey KeyOf(const documents::PracticeProblem& problem) { return Solve(problem).key; }

// A value with no slips: numerator / denominator.
AnswerKey Value(std::int64_t numerator, std::int64_t denominator) {
  AnswerKey key;
  key.value = ExactValue(Rational{BigInteger(numerator), BigInteger(denominator)});
  return key;
}

std::vector<Case> Cases() {
  const std::string pi(kUsePiMessage);
  const std::string third(kForgotThirdMessage);
  const std::string diameter(kDiameterMessage);
  const std::string root(kNoRootMessage);
  const std::string digits(kSignificantDigitsMessage);
  return {
      {"cone volume 2750/21 = 130,952...",
       KeyOf(MadeProblem(0, 0, {"", "5", "5", ""})),
       {{"130,95", kRight, ""},
        {"130.95", kRight, ""},
        {" 131 ", kRight, ""},
        {"2750/21", kRight, ""},
        {"5500/42", kRight, ""},
        {"130 20/21", kRight, ""},
        {"130,952380952", kRight, ""},
        {"130,952380953", kAlmost, "Закръглете до 9 знака след десетичния знак."},
        {"130,952380954", kWrong, ""},  // no slack past ten digits
        {"130,96", kAlmost, "Закръглете до стотни."},
        {"130,9", kAlmost, "Закръглете до десети."},  // cut short, not the true pi's 130,90
        {"130", kAlmost, digits},
        {"130,90", kAlmost, pi},
        {"130,83", kAlmost, pi},
        {"1,3E2", kNaN, ""},
        {"392,86", kWrong, third},
        {"393", kWrong, third},
        {"523,81", kWrong, diameter},
        {"137,50", kWrong, ""},
        {"130 1/3", kWrong, ""}}},
      {"cone radius 6",
       KeyOf(MadeProblem(0, 2, {"264", "7", "", ""})),
       {{"6", kRight, ""},
        {"6,00", kRight, ""},
        {"12/2", kRight, ""},
        {"5,99", kWrong, ""},  // 6 is exact at three digits: nothing to round
        {"36", kWrong, root},
        {"12", kWrong, diameter},
        {"3,46", kWrong, third}}},
      {"cone height 6",
       KeyOf(MadeProblem(0, 1, {"308", "", "7", ""})),
       {{"6", kRight, ""},
        {"7", kWrong, ""},
        {"6,002", kAlmost, pi},
        {"6,005", kAlmost, pi},
        {"2", kWrong, third},
        {"1,5", kWrong, diameter}}},
      {"truncated cone volume 2926/21 = 139,333...",
       KeyOf(MadeProblem(1, 0, {"", "7", "3", "2"})),
       {{"139", kRight, ""},
        {"139,3", kRight, ""},
        {"139,33", kRight, ""},
        {"418/3", kRight, ""},
        {"139 1/3", kRight, ""},
        {"\t139.333\u00A0", kRight, ""},
        {"139,34", kAlmost, "Закръглете до стотни."},
        {"140", kAlmost, digits},
        {"139,28", kAlmost, pi},
        {"139,21", kAlmost, pi},
        {"418", kWrong, third},
        {"557,33", kWrong, diameter}}},
      {"truncated cone volume above 2^53",
       KeyOf(MadeProblem(1, 0, {"", "75229", "64641", "62171"})),
       {{"19963875572648854/21", kRight, ""},
        {"39927751145297708/42", kRight, ""},
        {"950660741554707 7/21", kRight, ""},
        {"950660741554707,33", kRight, ""},
        {"950660741554707,34", kAlmost, "Закръглете до стотни."},
        {"19963875572648855/21", kWrong, ""}}},
      {"truncated cone radius 3, a whole root",
       KeyOf(MadeProblem(1, 2, {"418", "21", "", "2"})),
       {{"3", kRight, ""}, {"3,002", kAlmost, pi}, {"6", kWrong, diameter}, {"9", kWrong, ""}}},
      {"truncated cone radius 2,896385271224880017..., a quadratic's root",
       KeyOf(MadeProblem(1, 2, {"400", "21", "", "2"})),
       {{"2,90", kRight, ""},
        {"2,8963852712248800177", kRight, ""},
        {"2,8963852712248800176", kAlmost, "Закръглете до 19 знака след десетичния знак."},
        {"2,8963852712248800178", kWrong, ""},
        {"2,89", kAlmost, "Закръглете до стотни."},
        {"2,9", kAlmost, digits},
        {"3", kAlmost, digits},
        {"2,8985", kAlmost, pi}}},
      {"pyramid volume 84",
       KeyOf(MadeProblem(2, 0, {"", "7", "6", ""})),
       {{"84", kRight, ""}, {"252", kWrong, third}, {"336", kWrong, ""}}},
      {"pyramid volume 1/3: the third forgotten, not too few digits",
       KeyOf(MadeProblem(2, 0, {"", "1", "1", ""})),
       {{"1", kWrong, third}, {"0,333", kRight, ""}, {"0,3", kAlmost, digits}}},
      {"pyramid side 6",
       KeyOf(MadeProblem(2, 2, {"84", "7", "", ""})),
       {{"6", kRight, ""}, {"36", kWrong, root}, {"12", kWrong, ""}}},
      {"truncated pyramid volume 28",
       KeyOf(MadeProblem(3, 0, {"", "3", "4", "2"})),
       {{"28", kRight, ""}, {"84", kWrong, third}, {"28,1", kWrong, ""}}},
      {"cylinder volume 792",
       KeyOf(MadeProblem(4, 0, {"", "7", "6", ""})),
       {{"792", kRight, ""},
        {"793", kWrong, ""},  // 792 is exact: nothing to round
        {"791,68", kAlmost, pi},
        {"791,28", kAlmost, pi},
        {"3168", kWrong, diameter},
        {"2376", kWrong, ""}}},
      {"cylinder radius 6",
       KeyOf(MadeProblem(4, 2, {"792", "7", "", ""})),
       {{"6", kRight, ""}, {"36", kWrong, root}, {"12", kWrong, diameter}}},
      {"parallelepiped volume 20",
       KeyOf(MadeProblem(5, 0, {"", "2", "2", "5"})),
       {{"20", kRight, ""},
        {"20,0", kRight, ""},
        {"20.00", kRight, ""},
        {"20/1", kRight, ""},
        {"19 2/2", kRight, ""},
        {"21", kWrong, ""},
        {"19", kWrong, ""}}},
      {"parallelepiped volume 10",
       KeyOf(MadeProblem(5, 0, {"", "2", "5", "1"})),
       {{"11", kWrong, ""}, {"9", kWrong, ""}, {"10", kRight, ""}}},
      {"1078: the whole part rounded",
       Value(1078, 1),
       {{"1 080", kRight, ""},
        {"1 078", kRight, ""},
        {"1070", kAlmost, "Закръглете до десетици."},
        {"1 38", kNaN, ""}}},
      {"196 706,19", Value(19670619, 100), {{"197000", kRight, ""}, {"196 706", kRight, ""}}},
      {"1103,14", Value(110314, 100), {{"1100", kRight, ""}, {"1000", kAlmost, digits}}},
      {"858", Value(858, 1), {{"900", kAlmost, digits}, {"860", kAlmost, digits}}},
      {"84,86",
       Value(8486, 100),
       {{"80", kAlmost, digits},
        {"84", kAlmost, digits},
        {"84,9", kRight, ""},
        {"100", kWrong, ""},
        {"90", kWrong, ""}}},
      {"parallelepiped height 1/14 = 0,0714...",
       KeyOf(MadeProblem(5, 3, {"1", "2", "7", ""})),
       {{"0,0714", kRight, ""},
        {"0,07143", kRight, ""},
        {"1/14", kRight, ""},
        {"0,07", kAlmost, digits},
        {"0,071", kAlmost, digits},
        {"0,08", kWrong, ""},
        {"0,0715", kAlmost, "Закръглете до десетохилядни."},
        {"0,0716", kWrong, ""},
        // No number, or no answer: never a counted try, never a throw.
        {"", kNaN, ""},
        {"   ", kNaN, ""},
        {"1/0", kNaN, ""},
        {"0/0", kNaN, ""},
        {"1E+999", kNaN, ""},
        {"abc", kNaN, ""},
        {"1/2/3", kNaN, ""},
        {"1/2 3/4", kNaN, ""},
        {"0,07,14", kNaN, ""},
        {"--5", kNaN, ""},
        {"1 2", kNaN, ""},
        {std::string(61, '9'), kNaN, ""},
        {std::string(1 << 20, '7'), kNaN, ""},
        {"0," + std::string(1 << 20, '0') + "1", kNaN, ""},
        {"-5", kWrong, ""},
        {"-0,0714", kWrong, ""},
        {"-1/14", kWrong, ""},
        {"0", kWrong, ""},
        {"0/5", kWrong, ""},
        {"0," + std::string(57, '0') + "1", kWrong, ""},
        {"1/" + std::string(60, '9'), kWrong, ""}}},
  };
}

TEST(JudgeTest, EveryVerdictForEachBody) {
  SetDecimalSeparator(",");
  for (const Case& c : Cases()) {
    for (const Answer& answer : c.answers) {
      const Feedback feedback = Judge(answer.text, c.key);
      const std::string shown = answer.text.substr(0, 40);
      EXPECT_EQ(feedback.kind, answer.kind) << c.name << ": " << shown << " " << feedback.message;
      EXPECT_EQ(feedback.verdict, VerdictText(answer.kind)) << c.name << ": " << shown;
      const std::string message = answer.kind == kNaN ? NotANumberMessage() : answer.message;
      EXPECT_EQ(feedback.message, message) << c.name << ": " << shown;
    }
  }
  SetDecimalSeparator(".");
}

// The digits d (a whole number) at the place 10^place, as a pupil writes
// them: "14300" for 143 at 10^2, "0,0143" for 143 at 10^-4.
std::string Written(std::string d, int place) {
  if (place >= 0) return d + std::string(static_cast<std::size_t>(place), '0');
  const auto decimals = static_cast<std::size_t>(-place);
  if (d.size() <= decimals) d.insert(0, decimals + 1 - d.size(), '0');
  return d.insert(d.size() - decimals, ",");
}

// The first k digits, rounded half up by the next one when `rounded`.
std::string FirstDigits(const std::string& digits, int k, bool rounded) {
  std::string first = digits.substr(0, static_cast<std::size_t>(k));
  if (!rounded || digits[static_cast<std::size_t>(k)] < '5') return first;
  for (auto at = first.size(); at-- > 0;) {
    if (first[at] != '9') {
      ++first[at];
      return first;
    }
    first[at] = '0';
  }
  return "1" + first;
}

// 10/7 and sqrt(2) at every magnitude from 10^-6 to 10^5, rounded and cut
// to each k from 1 to 10 digits: right from three digits on, too few
// below; cut short where that is not the rounding, a place to round to.
TEST(JudgeTest, RoundingToEveryDigitAtEveryMagnitude) {
  SetDecimalSeparator(",");
  const struct {
    std::string digits;  // 1,4285714285714...
    ExactValue (*at)(int exponent);
  } values[] = {
      {"142857142857142",
       [](int e) {
         return ExactValue(Rational{BigInteger(10), BigInteger(7)} * Rational::PowerOfTen(e));
       }},
      {"141421356237309",
       [](int e) {
         return *ExactValue::Root(
             BigInteger(0), Rational{BigInteger(2)} * Rational::PowerOfTen(2 * e), BigInteger(1));
       }},
  };
  for (const auto& value : values) {
    for (int exponent = -6; exponent <= 5; ++exponent) {
      AnswerKey key;
      key.value = value.at(exponent);
      for (int k = 1; k <= 10; ++k) {
        const int place = exponent - k + 1;
        const std::string rounded = Written(FirstDigits(value.digits, k, true), place);
        const Feedback right = Judge(rounded, key);
        EXPECT_EQ(right.kind, k >= 3 ? kRight : kAlmost) << rounded;
        if (k <= 2) {
          EXPECT_EQ(right.message, kSignificantDigitsMessage) << rounded;
        }

        const std::string cut = Written(FirstDigits(value.digits, k, false), place);
        if (cut == rounded) continue;
        const Feedback almost = Judge(cut, key);
        EXPECT_EQ(almost.kind, kAlmost) << cut;
        EXPECT_EQ(almost.message,
                  k >= 3 ? RoundToMessage(place) : std::string(kSignificantDigitsMessage))
            << cut;
      }
    }
  }
  SetDecimalSeparator(".");
}

TEST(JudgeTest, MessagesWriteNumbersWithTheDecimalSeparator) {
  const struct {
    std::string_view separator;
    std::string notANumber;
  } rows[] = {{",", "Въведете число, например 139,33 или 418/3."},
              {".", "Въведете число, например 139.33 или 418/3."}};
  for (const auto& row : rows) {
    SetDecimalSeparator(row.separator);
    EXPECT_EQ(NotANumberMessage(), row.notANumber);
  }
  SetDecimalSeparator(".");
}

}  // namespace
}  // namespace stereona::practice
