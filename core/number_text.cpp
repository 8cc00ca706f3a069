#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace stereona {
namespace {

constexpr int kSignificantDigits = 15;
// The general format writes a value positionally from this exponent up to
// kSignificantDigits - 1, and in the scientific form outside.
constexpr int kLowestPositionalExponent = -4;

std::string& Separator() {
  static std::string separator = ".";
  return separator;
}

// A positive finite value rounded to 15 significant digits: those digits
// without trailing zeros, and the decimal exponent of the first of them.
struct RoundedDecimal {
  std::string digits;
  int exponent = 0;
};

// printf rounds exactly, ties to even, in the C libraries of both the native
// and the WebAssembly build. Only its digits and exponent are taken: the
// window's toolkit installs the user's locale for printf, whose decimal point
// may be "," or even more than one byte.
RoundedDecimal RoundToSignificantDigits(double magnitude) {
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.*e", kSignificantDigits - 1, magnitude);

  RoundedDecimal rounded;
  const char* c = buffer.data();
  for (; *c != '\0' && *c != 'e'; ++c) {
    if (*c >= '0' && *c <= '9') rounded.digits += *c;
  }
  if (*c == 'e') {
    ++c;
    if (*c == '+') ++c;
    std::from_chars(c, buffer.data() + buffer.size(), rounded.exponent);
  }
  rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
  return rounded;
}

std::string Positional(const RoundedDecimal& rounded) {
  const std::string& digits = rounded.digits;
  if (rounded.exponent < 0) {
    const auto leadingZeros = static_cast<std::size_t>(-rounded.exponent - 1);
    return "0" + Separator() + std::string(leadingZeros, '0') + digits;
  }
  const auto wholeDigits = static_cast<std::size_t>(rounded.exponent) + 1;
  if (digits.size() <= wholeDigits) return digits + std::string(wholeDigits - digits.size(), '0');
  return digits.substr(0, wholeDigits) + Separator() + digits.substr(wholeDigits);
}

// Mantissa, "E", the exponent's sign and at least two of its digits.
std::string Scientific(const RoundedDecimal& rounded) {
  std::string text = rounded.digits.substr(0, 1);
  if (rounded.digits.size() > 1) text += Separator() + rounded.digits.substr(1);
  text += rounded.exponent < 0 ? "E-" : "E+";
  const int exponentSize = std::abs(rounded.exponent);
  if (exponentSize < 10) text += '0';
  return text + std::to_string(exponentSize);
}

}  // namespace

void SetDecimalSeparator(std::string_view separator) { Separator() = separator; }

std::string NumberText(double value) {
  if (value == 0.0) return "0";  // also -0.0, which must not show a sign
  if (std::isnan(value)) return "NAN";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isinf(value)) return sign + "INF";

  const RoundedDecimal rounded = RoundToSignificantDigits(std::fabs(value));
  const bool positional =
      rounded.exponent >= kLowestPositionalExponent && rounded.exponent < kSignificantDigits;
  return sign + (positional ? Positional(rounded) : Scientific(rounded));
}

}  // namespace stereona
