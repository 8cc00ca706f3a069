#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>

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
  std::array<char, kSignificantDigits> digits{};
  std::size_t size = 0;
  int exponent = 0;

  std::string_view Digits() const { return {digits.data(), size}; }
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
    if (*c >= '0' && *c <= '9' && rounded.size < rounded.digits.size()) {
      rounded.digits[rounded.size++] = *c;
    }
  }
  if (*c == 'e') {
    ++c;
    if (*c == '+') ++c;
    std::from_chars(c, buffer.data() + buffer.size(), rounded.exponent);
  }
  while (rounded.size > 1 && rounded.digits[rounded.size - 1] == '0') --rounded.size;
  return rounded;
}

// The longest text but for the separator: a sign and either "0", three
// zeros and 15 digits, or a digit, 14 more, "E-" and three exponent digits.
constexpr std::size_t kLongestWithoutSeparator = 1 + 1 + 14 + 2 + 3;

// Lays the number out into a buffer sized beforehand. A number is written
// for every value shown, and in the WebAssembly build each string operation
// that may throw costs a trip through JavaScript; plain writes cost nothing.
class Layout {
 public:
  Layout(char* out, std::string_view separator) : out_(out), separator_(separator) {}

  char* Write(bool negative, const RoundedDecimal& rounded) {
    if (negative) Put("-");
    const bool positional =
        rounded.exponent >= kLowestPositionalExponent && rounded.exponent < kSignificantDigits;
    positional ? Positional(rounded) : Scientific(rounded);
    return out_;
  }

 private:
  void Put(std::string_view text) { out_ = std::copy(text.begin(), text.end(), out_); }
  void Zeros(std::size_t count) { out_ = std::fill_n(out_, count, '0'); }

  void Positional(const RoundedDecimal& rounded) {
    const std::string_view digits = rounded.Digits();
    if (rounded.exponent < 0) {
      Put("0");
      Put(separator_);
      Zeros(static_cast<std::size_t>(-rounded.exponent - 1));
      Put(digits);
      return;
    }
    const auto wholeDigits = static_cast<std::size_t>(rounded.exponent) + 1;
    if (digits.size() <= wholeDigits) {
      Put(digits);
      Zeros(wholeDigits - digits.size());
      return;
    }
    Put(digits.substr(0, wholeDigits));
    Put(separator_);
    Put(digits.substr(wholeDigits));
  }

  // Mantissa, "E", the exponent's sign and at least two of its digits.
  void Scientific(const RoundedDecimal& rounded) {
    const std::string_view digits = rounded.Digits();
    Put(digits.substr(0, 1));
    if (digits.size() > 1) {
      Put(separator_);
      Put(digits.substr(1));
    }
    Put(rounded.exponent < 0 ? "E-" : "E+");
    const int exponentSize = std::abs(rounded.exponent);
    if (exponentSize < 10) Zeros(1);
    out_ = std::to_chars(out_, out_ + 3, exponentSize).ptr;
  }

  char* out_;
  std::string_view separator_;
};

}  // namespace

void SetDecimalSeparator(std::string_view separator) { Separator() = separator; }

std::string_view DecimalSeparator() { return Separator(); }

std::string NumberText(double value) {
  if (value == 0.0) return "0";  // also -0.0, which must not show a sign
  if (std::isnan(value)) return "NAN";
  const bool negative = std::signbit(value);
  if (std::isinf(value)) return negative ? "-INF" : "INF";

  const RoundedDecimal rounded = RoundToSignificantDigits(std::fabs(value));
  const std::string_view separator = Separator();
  // Sized for the longest text, then cut to the one written.
  std::string text(kLongestWithoutSeparator + separator.size(), '\0');
  const char* end = Layout(text.data(), separator).Write(negative, rounded);
  text.resize(static_cast<std::size_t>(end - text.data()));
  return text;
}

}  // namespace stereona
