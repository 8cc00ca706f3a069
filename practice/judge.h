#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "practice/exact_value.h"

// Judging a pupil's answer against the value the window's result line shows,
// in exact arithmetic.
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

// «Закръглете до стотни.»: how to round to the place of 10^exponent
// (-2 is стотни, 0 цяло число, 1 десетици).
std::string RoundToMessage(int exponent);

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
  ExactValue value;
  std::string_view message;
};

// What an answer is judged against, every value exact.
struct AnswerKey {
  // The value of the result line's fraction with pi = 22/7.
  ExactValue value;
  // The same values with the true pi and with 3,14: «Почти.»
  std::vector<KnownSlip> otherPi;
  // The known mistakes (the third forgotten, ...): «Грешно.» with a message.
  std::vector<KnownSlip> mistakes;
};

// An answer reads as a number (a decimal with "," or ".", a fraction a/b,
// a mixed number a b/c, blanks around and between the thousands). With x
// the key's value, a decimal of k significant digits held against x's
// own first k digits, in this order:
//   «Вярно!»  x itself, or x rounded to k >= 3 digits (half up; either
//             neighbour where x stands halfway);
//   «Грешно.» with a reason: a known mistake's value, itself or rounded
//             or cut to k digits;
//   «Почти.»  x rounded or cut to k <= 2 digits; for k >= 3, less than a
//             unit of x's k-th digit from x where x is not exact there;
//             then the value with another pi in one of those relations;
//   «Грешно.» anything else.
// A whole number may carry any k from its last digit other than 0 to its
// last digit ("1 080" is 3 or 4); a fraction is held against the values
// themselves. Any text at all: never throws.
Feedback Judge(std::string_view answer, const AnswerKey& key);

}  // namespace stereona::practice
