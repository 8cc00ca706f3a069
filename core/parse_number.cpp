#include "core/parse_number.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

#include "core/fault.h"

namespace stereona {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsDecimalMark(char c) { return c == '.' || c == ','; }

std::size_t SkippedLength(std::string_view text, std::size_t at) {
  if (IsSkipped(text[at])) return 1;
  const std::string_view rest = text.substr(at);
  const auto space =
      std::find_if(kNoBreakSpaces.begin(), kNoBreakSpaces.end(),
                   [rest](std::string_view s) { return rest.substr(0, s.size()) == s; });
  return space == kNoBreakSpaces.end() ? 0 : space->size();
}

// The text without its blanks, and with its first decimal mark written as
// "." whichever of "." and "," it was: a Bulgarian writes 2,5 where the
// program's own notation has 2.5. A second mark of either kind then ends the
// number, as any other character does.
std::string Compact(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  bool markSeen = false;
  for (std::size_t i = 0; i < text.size();) {
    if (const std::size_t skipped = SkippedLength(text, i); skipped > 0) {
      i += skipped;
      continue;
    }
    const char c = text[i++];
    if (!IsDecimalMark(c)) {
      compact += c;
      continue;
    }
    if (markSeen) break;  // no number goes on past its second mark
    compact += '.';
    markSeen = true;
  }
  return compact;
}

// The leading number of a text, split where the range check needs it.
struct LeadingNumber {
  bool negative = false;
  std::string_view unsignedPart;  // mantissa and exponent, as fast_float reads them
  std::string_view integerDigits;
  std::string_view fractionDigits;
  long long exponent = 0;  // saturated; only its size matters
};

std::size_t CountDigits(std::string_view s, std::size_t from) {
  std::size_t end = from;
  while (end < s.size() && IsDigit(s[end])) ++end;
  return end - from;
}

bool Scan(std::string_view s, LeadingNumber& number) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    number.negative = s[i] == '-';
    ++i;
  }
  const std::size_t start = i;
  number.integerDigits = s.substr(i, CountDigits(s, i));
  i += number.integerDigits.size();
  if (i < s.size() && s[i] == '.') {
    number.fractionDigits = s.substr(i + 1, CountDigits(s, i + 1));
    i += 1 + number.fractionDigits.size();
  }
  if (number.integerDigits.empty() && number.fractionDigits.empty()) return false;

  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    const bool negativeExponent = j < s.size() && s[j] == '-';
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t digits = CountDigits(s, j);
    if (digits > 0) {
      for (const char c : s.substr(j, digits)) {
        if (number.exponent < 1'000'000'000) number.exponent = number.exponent * 10 + (c - '0');
      }
      if (negativeExponent) number.exponent = -number.exponent;
      i = j + digits;
    }
  }
  number.unsignedPart = s.substr(start, i - start);
  return true;
}

// The significant digits of a number, from its first non-zero digit on, and
// the decimal exponent that puts a point before the first of them.
struct Significand {
  std::string digits;
  long long exponent = 0;
};

Significand SignificandOf(const LeadingNumber& number) {
  const std::string all = std::string(number.integerDigits) + std::string(number.fractionDigits);
  const auto first = all.find_first_not_of('0');
  if (first == std::string::npos) return {};
  const auto integerSize = static_cast<long long>(number.integerDigits.size());
  return {all.substr(first), integerSize - static_cast<long long>(first) + number.exponent};
}

// The largest double written with 15 significant digits rounds up to
// 1.79769313486232E+308, just beyond the double range. The program writes
// that text for its largest results, so it has to read back as the value it
// stands for rather than overflow: anything up to half a unit in the 15th
// significant digit above the largest double does.
bool WritesTheLargestDouble(const LeadingNumber& number) {
  // The largest double is 0.17976931348623157E+309; half a unit in its 15th
  // digit more is this, as the mantissa of the same exponent.
  constexpr double kLargestWrittenMantissa = 0.179769313486232070814527;
  constexpr long long kLargestExponent = std::numeric_limits<double>::max_exponent10 + 1;

  const Significand significand = SignificandOf(number);
  if (significand.exponent != kLargestExponent) return false;
  const std::string mantissa = "0." + significand.digits;
  double value = 0.0;
  fast_float::from_chars(mantissa.data(), mantissa.data() + mantissa.size(), value);
  return value <= kLargestWrittenMantissa;
}

}  // namespace

double ParseNumber(std::string_view text) {
  const std::string compact = Compact(text);
  LeadingNumber number;
  if (!Scan(compact, number)) return 0.0;

  // fast_float rounds a value below the smallest double to 0 and one beyond
  // the largest to infinity, without calling either an error.
  double value = 0.0;
  const char* first = number.unsignedPart.data();
  const auto [end, error] =
      fast_float::from_chars(first, first + number.unsignedPart.size(), value);
  if (error != std::errc{}) return 0.0;
  if (std::isinf(value)) {
    if (!WritesTheLargestDouble(number)) throw FloatingPointFault(FaultKind::Overflow);
    value = std::numeric_limits<double>::max();
  }
  return number.negative ? -value : value;
}

}  // namespace stereona
