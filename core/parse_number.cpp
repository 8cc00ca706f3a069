#include "core/parse_number.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

#include "core/fault.h"

namespace stereona {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutBlanks(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (const char c : text) {
    if (!IsSkipped(c)) compact += c;
  }
  return compact;
}

// The leading number of a text, split where the range check needs it.
struct LeadingNumber {
  bool negative = false;
  std::string_view unsignedPart;  // mantissa and exponent, as from_chars takes them
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

// Whether a number that from_chars found out of range is too large (rather
// than too small): the decimal position of its first significant digit.
bool IsTooLarge(const LeadingNumber& number) {
  long long position = 0;
  const auto first = number.integerDigits.find_first_not_of('0');
  if (first != std::string_view::npos) {
    position = static_cast<long long>(number.integerDigits.size() - first);
  } else {
    const auto firstFraction = number.fractionDigits.find_first_not_of('0');
    if (firstFraction == std::string_view::npos) return false;
    position = -static_cast<long long>(firstFraction);
  }
  return position + number.exponent > 0;
}

// The largest double written with 15 significant digits rounds up to
// 1.79769313486232E+308, just beyond the double range. The program writes
// that text for its largest results, so it has to read back as the value it
// stands for rather than overflow.
bool WritesTheLargestDouble(std::string_view unsignedPart) {
  // Half a unit in the 15th significant digit above the largest double.
  constexpr long double kLargestWritten =
      static_cast<long double>(std::numeric_limits<double>::max()) + 5e293L;
  long double wide = 0;
  const char* first = unsignedPart.data();
  const auto [end, error] = std::from_chars(first, first + unsignedPart.size(), wide);
  return error == std::errc{} && wide <= kLargestWritten;
}

}  // namespace

double ParseNumber(std::string_view text) {
  const std::string compact = WithoutBlanks(text);
  LeadingNumber number;
  if (!Scan(compact, number)) return 0.0;

  double value = 0.0;
  const char* first = number.unsignedPart.data();
  const auto [end, error] = std::from_chars(first, first + number.unsignedPart.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (!IsTooLarge(number)) {
      value = 0.0;
    } else if (WritesTheLargestDouble(number.unsignedPart)) {
      value = std::numeric_limits<double>::max();
    } else {
      throw FloatingPointFault(FaultKind::Overflow);
    }
  } else if (error != std::errc{}) {
    return 0.0;
  }
  return number.negative ? -value : value;
}

}  // namespace stereona
