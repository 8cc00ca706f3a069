// Answers to a few problems of each body, one table for every verdict: the
// right value in each accepted form and separator, each «Почти.» case, each
// known mistake, and texts that are no number.
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
  documents::PracticeProblem problem;
  std::vector<Answer> answers;
};

std::vector<Case> Cases() {
  const std::string pi(kUsePiMessage);
  const std::string third(kForgotThirdMessage);
  const std::string diameter(kDiameterMessage);
  const std::string root(kNoRootMessage);
  const std::string digits(kSignificantDigitsMessage);
  return {
      {"cone volume 2750/21",
       MadeProblem(0, 0, {"", "5", "5", ""}),
       {{"130,95", kRight, ""},
        {"130.95", kRight, ""},
        {" 131 ", kRight, ""},
        {"2750/21", kRight, ""},
        {"130 20/21", kRight, ""},
        {"130,9523809524", kRight, ""},
        {"130,96", kAlmost, "Закръглете до стотни."},
        {"130,9", kAlmost, pi},  // the true pi's value, rounded right
        {"1,3E2", kNaN, ""},
        {"130,90", kAlmost, pi},
        {"130,83", kAlmost, pi},
        {"392,86", kWrong, third},
        {"523,81", kWrong, diameter},
        {"137,50", kWrong, ""},
        {"130 1/3", kWrong, ""}}},
      {"cone radius",
       MadeProblem(0, 2, {"264", "7", "", ""}),
       {{"6", kRight, ""},
        {"6,00", kRight, ""},
        {"12/2", kRight, ""},
        {"36", kWrong, root},
        {"12", kWrong, diameter},
        {"3,46", kWrong, third}}},
      {"cone height",
       MadeProblem(0, 1, {"264", "", "6", ""}),
       {{"7", kRight, ""},
        {"7,003", kAlmost, pi},
        {"7,006", kAlmost, pi},
        {"2,33", kWrong, third},
        {"1,75", kWrong, diameter}}},
      {"truncated cone volume 2926/21",
       MadeProblem(1, 0, {"", "7", "3", "2"}),
       {{"139", kRight, ""},
        {"139,3", kRight, ""},
        {"139,33", kRight, ""},
        {"418/3", kRight, ""},
        {"139 1/3", kRight, ""},
        {"\t139.333\u00A0", kRight, ""},
        {"139,34", kAlmost, "Закръглете до стотни."},
        {"140", kAlmost, "Закръглете до цяло число."},
        {"139,28", kAlmost, pi},
        {"139,21", kAlmost, pi},
        {"418", kWrong, third},
        {"557,33", kWrong, diameter}}},
      {"truncated cone radius",
       MadeProblem(1, 2, {"139.333333333333", "7", "", "2"}),
       {{"3", kRight, ""}, {"3,002", kAlmost, pi}, {"6", kWrong, diameter}, {"9", kWrong, ""}}},
      {"pyramid volume",
       MadeProblem(2, 0, {"", "7", "6", ""}),
       {{"84", kRight, ""}, {"252", kWrong, third}, {"336", kWrong, ""}}},
      {"pyramid side",
       MadeProblem(2, 2, {"84", "7", "", ""}),
       {{"6", kRight, ""}, {"36", kWrong, root}, {"12", kWrong, ""}}},
      {"truncated pyramid volume",
       MadeProblem(3, 0, {"", "3", "4", "2"}),
       {{"28", kRight, ""}, {"84", kWrong, third}, {"28,1", kAlmost, "Закръглете до десети."}}},
      {"cylinder volume",
       MadeProblem(4, 0, {"", "7", "6", ""}),
       {{"792", kRight, ""},
        {"791,68", kAlmost, pi},
        {"791,28", kAlmost, pi},
        {"3168", kWrong, diameter},
        {"2376", kWrong, ""}}},
      {"cylinder radius",
       MadeProblem(4, 2, {"792", "7", "", ""}),
       {{"6", kRight, ""}, {"36", kWrong, root}, {"12", kWrong, diameter}}},
      {"parallelepiped volume",
       MadeProblem(5, 0, {"", "2", "3", "5"}),
       {{"30", kRight, ""},
        {"30/1", kRight, ""},
        {"29 2/2", kRight, ""},
        {"90", kWrong, ""},
        {"120", kWrong, ""}}},
      {"parallelepiped volume in thousands",
       MadeProblem(5, 0, {"", "6", "7", "33"}),
       {{"1 386", kRight, ""}, {"1\u00A0386,0", kRight, ""}, {"1 38", kNaN, ""}}},
      {"parallelepiped height 1/14",
       MadeProblem(5, 3, {"1", "2", "7", ""}),
       {{"0,0714", kRight, ""},
        {"0,07143", kRight, ""},
        {"1/14", kRight, ""},
        {"0,07", kAlmost, digits},
        {"0,071", kAlmost, digits},
        {"0,08", kAlmost, digits},
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
        {std::string(400, '9'), kNaN, ""},
        {std::string(1 << 20, '7'), kNaN, ""},
        {"-5", kWrong, ""},
        {"-0,0714", kWrong, ""},
        {"0", kWrong, ""},
        {"0/5", kWrong, ""},
        {"0," + std::string(1 << 20, '0') + "1", kWrong, ""}}},
  };
}

TEST(JudgeTest, EveryVerdictForEachBody) {
  SetDecimalSeparator(",");
  for (const Case& c : Cases()) {
    const AnswerKey key = Solve(c.problem).key;
    for (const Answer& answer : c.answers) {
      const Feedback feedback = Judge(answer.text, key);
      const std::string shown = answer.text.substr(0, 40);
      EXPECT_EQ(feedback.kind, answer.kind) << c.name << ": " << shown << " " << feedback.message;
      EXPECT_EQ(feedback.verdict, VerdictText(answer.kind)) << c.name << ": " << shown;
      const std::string message = answer.kind == kNaN ? NotANumberMessage() : answer.message;
      EXPECT_EQ(feedback.message, message) << c.name << ": " << shown;
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
    EXPECT_EQ(RoundToMessage(8), "Закръглете до 8 знака след десетичния знак.");
  }
  SetDecimalSeparator(".");
}

}  // namespace
}  // namespace stereona::practice
