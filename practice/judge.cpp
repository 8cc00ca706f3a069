#include "practice/judge.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/number_text.h"
#include "practice/answer_reading.h"

namespace stereona::practice {
namespace {

constexpr int kLeastSignificantDigits = 3;

// The places a pupil names, from 10^-6 to 10^14: «Закръглете до стотни.»
constexpr int kFirstPlace = -6;
constexpr std::array<std::string_view, 21> kPlaceWords = {
    "милионни",         "стохилядни",       "десетохилядни",   "хилядни",
    "стотни",           "десети",           "цяло число",      "десетици",
    "стотици",          "хиляди",           "десетки хиляди",  "стотици хиляди",
    "милиони",          "десетки милиони",  "стотици милиони", "милиарди",
    "десетки милиарди", "стотици милиарди", "трилиони",        "десетки трилиони",
    "стотици трилиони"};

// The answer `n` held against a value v's first k significant digits,
// whose last has the unit u = 10^(v's exponent - k + 1).
class DigitsOf {
 public:
  DigitsOf(const ExactValue& v, const TypedAnswer& answer, int k)
      : v_(v),
        n_(answer.value),
        place_(v.Exponent() - k + 1),
        unit_(Rational::PowerOfTen(place_)),
        onPlace_(answer.lowestPlace >= place_) {}

  int Place() const { return place_; }
  // n is v rounded half up to k digits, or the other neighbour where v
  // stands halfway.
  bool Rounded() const {
    const Rational half = unit_ * Rational{BigInteger(1), BigInteger(2)};
    return onPlace_ && v_.CompareWith(n_ - half) >= 0 && v_.CompareWith(n_ + half) <= 0;
  }
  // n is v with its digits after the k-th dropped.
  bool Cut() const { return onPlace_ && v_.CompareWith(n_) >= 0 && v_.CompareWith(n_ + unit_) < 0; }
  // n is less than one unit from v, which is not exact at k digits.
  bool WithinUnit() const {
    return v_.CompareWith(n_ - unit_) > 0 && v_.CompareWith(n_ + unit_) < 0 &&
           !v_.IsMultipleOfPowerOfTen(place_);
  }

 private:
  const ExactValue& v_;
  const Rational& n_;
  int place_;
  Rational unit_;
  bool onPlace_;  // n is a whole multiple of the unit
};

// Whether some k the answer may carry, within [least, most], passes `test`.
template <typename Test>
std::optional<int> AnyDigits(const TypedAnswer& answer, int least, int most, Test test) {
  for (int k = std::max(least, answer.leastDigits); k <= std::min(most, answer.mostDigits); ++k) {
    if (test(k)) return k;
  }
  return std::nullopt;
}

constexpr int kAnyDigits = 1 << 30;

bool IsExactly(const ExactValue& v, const TypedAnswer& answer) {
  return v.CompareWith(answer.value) == 0;
}

// v itself, or v rounded or cut to one of the answer's k.
bool IsRoundedOrCut(const ExactValue& v, const TypedAnswer& answer) {
  return IsExactly(v, answer) || AnyDigits(answer, 1, kAnyDigits, [&](int k) {
           const DigitsOf digits(v, answer, k);
           return digits.Rounded() || digits.Cut();
         });
}

const KnownSlip* FindSlip(const std::vector<KnownSlip>& slips,
                          bool (*matches)(const ExactValue&, const TypedAnswer&),
                          const TypedAnswer& answer) {
  const auto slip = std::find_if(slips.begin(), slips.end(),
                                 [&](const KnownSlip& s) { return matches(s.value, answer); });
  return slip == slips.end() ? nullptr : &*slip;
}

// Another pi's value rounded or cut, or for k >= 3 within a unit.
bool IsNearOtherPi(const ExactValue& v, const TypedAnswer& answer) {
  return IsRoundedOrCut(v, answer) ||
         AnyDigits(answer, kLeastSignificantDigits, kAnyDigits,
                   [&](int k) { return DigitsOf(v, answer, k).WithinUnit(); });
}

Feedback Verdict(VerdictKind kind, std::string_view message = {}) {
  return {kind, std::string(VerdictText(kind)), std::string(message)};
}

Feedback JudgeNumber(const TypedAnswer& answer, const AnswerKey& key) {
  const ExactValue& x = key.value;
  if (answer.negative) return Verdict(VerdictKind::Wrong);  // no length is below 0
  if (answer.value.Sign() == 0 || x.CompareWith({}) <= 0) {
    return Verdict(IsExactly(x, answer) ? VerdictKind::Right : VerdictKind::Wrong);
  }
  if (IsExactly(x, answer) || AnyDigits(answer, kLeastSignificantDigits, kAnyDigits,
                                        [&](int k) { return DigitsOf(x, answer, k).Rounded(); })) {
    return Verdict(VerdictKind::Right);
  }
  if (const KnownSlip* mistake = FindSlip(key.mistakes, IsRoundedOrCut, answer)) {
    return Verdict(VerdictKind::Wrong, mistake->message);
  }
  if (AnyDigits(answer, 1, kLeastSignificantDigits - 1, [&](int k) {
        const DigitsOf digits(x, answer, k);
        return digits.Rounded() || digits.Cut();
      })) {
    return Verdict(VerdictKind::Almost, kSignificantDigitsMessage);
  }
  if (const auto near = AnyDigits(answer, kLeastSignificantDigits, kAnyDigits,
                                  [&](int k) { return DigitsOf(x, answer, k).WithinUnit(); })) {
    return Verdict(VerdictKind::Almost, RoundToMessage(DigitsOf(x, answer, *near).Place()));
  }
  if (const KnownSlip* slip = FindSlip(key.otherPi, IsNearOtherPi, answer)) {
    return Verdict(VerdictKind::Almost, slip->message);
  }
  return Verdict(VerdictKind::Wrong);
}

}  // namespace

std::string_view VerdictText(VerdictKind kind) {
  switch (kind) {
    case VerdictKind::Right:
      return kRightText;
    case VerdictKind::Almost:
      return kAlmostText;
    case VerdictKind::Wrong:
      return kWrongText;
    case VerdictKind::None:
    case VerdictKind::NotANumber:
      break;
  }
  return {};
}

std::string NotANumberMessage() {
  return "Въведете число, например " + NumberText(139.33) + " или 418/3.";
}

std::string RoundToMessage(int exponent) {
  const int index = exponent - kFirstPlace;
  if (index >= 0 && static_cast<std::size_t>(index) < kPlaceWords.size()) {
    return "Закръглете до " + std::string(kPlaceWords[static_cast<std::size_t>(index)]) + ".";
  }
  if (exponent < 0) {
    return "Закръглете до " + NumberText(-exponent) + " знака след десетичния знак.";
  }
  return "Закръглете до 10^" + NumberText(exponent) + ".";
}

Feedback Judge(std::string_view text, const AnswerKey& key) {
  const std::optional<TypedAnswer> answer = ReadAnswer(text);
  if (!answer) return {VerdictKind::NotANumber, {}, NotANumberMessage()};
  return JudgeNumber(*answer, key);
}

}  // namespace stereona::practice
