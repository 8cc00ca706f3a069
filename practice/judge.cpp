#include "practice/judge.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/number_text.h"
#include "practice/answer_reading.h"

namespace stereona::practice {
namespace {

__extension__ using Wide = unsigned __int128;

// The slack of a comparison, relative to the value: the window's value is
// itself rounded (a double, and the root of a root), so an answer that
// differs from it only there is the same number.
constexpr double kSlack = 1e-12;
// How near a known slip a decimal answer must be besides lying within a
// unit of its last place: a coarse answer of one or two digits lies near
// everything and says nothing about how it was reached.
constexpr double kSlipNearness = 0.005;
constexpr std::size_t kLeastSignificantDigits = 3;

// 0 to 6 places as a pupil names them: «Закръглете до стотни.»
constexpr std::array<std::string_view, 7> kPlacesWords = {
    "цяло число", "десети", "стотни", "хилядни", "десетохилядни", "стохилядни", "милионни"};

bool Near(double answer, double value, double tolerance) {
  return std::fabs(answer - value) <= tolerance + kSlack * std::fabs(value);
}

// A whole number of a double that a 64-bit integer holds exactly.
std::optional<std::uint64_t> ExactWhole(double value) {
  if (!(value > 0.0 && value < 0x1p63) || value != std::floor(value)) return std::nullopt;
  return static_cast<std::uint64_t>(value);
}

// The answer is the key's value itself: as fractions when both are held
// exactly, otherwise within the slack.
bool IsExact(const TypedAnswer& answer, const AnswerKey& key) {
  const auto numerator = ExactWhole(key.numerator);
  const auto denominator = ExactWhole(key.denominator);
  if (answer.ratio && numerator && denominator) {
    return Wide{answer.ratio->numerator} * *denominator ==
           Wide{*numerator} * answer.ratio->denominator;
  }
  return Near(answer.value, key.Value(), 0.0);
}

// A unit of the answer's last typed place: 0,01 for "139,33".
double LastPlaceUnit(const TypedAnswer& answer) {
  return std::pow(10.0, -static_cast<double>(answer.places));
}

// Whether the answer is the slip's value, within `units` of the answer's
// last place when it is a decimal.
bool MatchesSlip(const TypedAnswer& answer, double slip, double units) {
  if (!answer.decimal) return Near(answer.value, slip, 0.0);
  return Near(answer.value, slip, units * LastPlaceUnit(answer)) &&
         std::fabs(answer.value - slip) <= kSlipNearness * slip;
}

const KnownSlip* FindSlip(const TypedAnswer& answer, const std::vector<KnownSlip>& slips,
                          double units) {
  const auto slip = std::find_if(slips.begin(), slips.end(), [&](const KnownSlip& s) {
    return MatchesSlip(answer, s.value, units);
  });
  return slip == slips.end() ? nullptr : &*slip;
}

Feedback Verdict(VerdictKind kind, std::string_view message = {}) {
  return {kind, std::string(VerdictText(kind)), std::string(message)};
}

// A decimal near the right value: «Вярно!» when it is the value rounded to
// enough digits; «Почти.» when to too few, or when off by one in its last
// place (`units` 1) beyond the rounding (`units` 1/2).
std::optional<Feedback> JudgeRounding(const TypedAnswer& answer, double value, double units) {
  if (!answer.decimal || !Near(answer.value, value, units * LastPlaceUnit(answer))) {
    return std::nullopt;
  }
  if (answer.significant < kLeastSignificantDigits) {
    return Verdict(VerdictKind::Almost, kSignificantDigitsMessage);
  }
  if (units < 1.0) return Verdict(VerdictKind::Right);
  return Verdict(VerdictKind::Almost, RoundToMessage(static_cast<int>(answer.places)));
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

std::string RoundToMessage(int places) {
  if (places >= 0 && static_cast<std::size_t>(places) < kPlacesWords.size()) {
    return "Закръглете до " + std::string(kPlacesWords[static_cast<std::size_t>(places)]) + ".";
  }
  return "Закръглете до " + NumberText(places) + " знака след десетичния знак.";
}

Feedback Judge(std::string_view text, const AnswerKey& key) {
  const std::optional<TypedAnswer> answer = ReadAnswer(text);
  if (!answer) return {VerdictKind::NotANumber, {}, NotANumberMessage()};
  if (answer->value <= 0.0) return Verdict(VerdictKind::Wrong);
  if (IsExact(*answer, key)) return Verdict(VerdictKind::Right);
  // The answer rounded as it should be, the value with another pi rounded
  // so, and only then each off by one in the last place.
  for (const double units : {0.5, 1.0}) {
    if (auto rounded = JudgeRounding(*answer, key.Value(), units)) return *std::move(rounded);
    if (const KnownSlip* slip = FindSlip(*answer, key.otherPi, units)) {
      return Verdict(VerdictKind::Almost, slip->message);
    }
  }
  if (const KnownSlip* mistake = FindSlip(*answer, key.mistakes, 1.0)) {
    return Verdict(VerdictKind::Wrong, mistake->message);
  }
  return Verdict(VerdictKind::Wrong);
}

}  // namespace stereona::practice
