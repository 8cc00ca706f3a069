#pragma once

#include <string>
#include <string_view>
#include <vector>

// Judging a pupil's answer against the value the window's result line shows.
namespace stereona::practice {

enum class VerdictKind {
  None,        // nothing checked yet on this problem
  NotANumber,  // the text is no number: the message says what to type; no try counted
  Right,       // «Вярно!»
  Almost,      // «Почти.», with what to mend; no try counted against the pupil
  Wrong,       // «Грешно.», with a message when the answer is a known mistake
};

inline constexpr std::string_view kRightText = "Вярно!";
inline constexpr std::string_view kAlmostText = "Почти.";
inline constexpr std::string_view kWrongText = "Грешно.";
inline constexpr std::string_view kUsePiMessage = "Използвайте pi = 22/7.";
inline constexpr std::string_view kSignificantDigitsMessage = "Дайте поне три значещи цифри.";

// «Вярно!», «Почти.», «Грешно.»; empty for None and NotANumber.
std::string_view VerdictText(VerdictKind kind);

// «Въведете число, например 139,33 или 418/3.», the number written with the
// decimal separator in use.
std::string NotANumberMessage();

// «Закръглете до стотни.»: how to round to the given decimal places.
std::string RoundToMessage(int places);

// What a face shows after «Провери»: the verdict (announced) and the message
// under it. Either may be empty: no message for a plain «Вярно!» or an
// unexplained «Грешно.», no verdict for NotANumber.
struct Feedback {
  VerdictKind kind = VerdictKind::None;
  std::string verdict;
  std::string message;
};

// A value the pupil may have reached by a known slip, and what to say then.
struct KnownSlip {
  double value = 0.0;
  std::string_view message;
};

// What an answer is judged against.
struct AnswerKey {
  // The result line's fraction, pi = 22/7, Quantity(18) over Quantity(19).
  double numerator = 0.0;
  double denominator = 1.0;
  // The same values with the true pi and with 3,14: «Почти.»
  std::vector<KnownSlip> otherPi;
  // The known mistakes (the third forgotten, ...): «Грешно.» with a message.
  std::vector<KnownSlip> mistakes;

  double Value() const { return numerator / denominator; }
};

// Reads the answer (a decimal with "," or ".", a fraction a/b, a mixed number
// a b/c, blanks around) and judges it. Any text at all: never throws.
Feedback Judge(std::string_view answer, const AnswerKey& key);

}  // namespace stereona::practice
