#include "practice/answer_reading.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "core/parse_number.h"

namespace stereona::practice {
namespace {

using Ratio = TypedAnswer::Ratio;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks a pupil's text may hold: those ParseNumber skips, and the
// carriage return a pasted line brings.
constexpr std::array<std::string_view, 6> kBlanks = {
    " ", "\t", "\n", "\r", kNoBreakSpaces[0], kNoBreakSpaces[1]};

// Reads the answer's text from left to right.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() const { return at_ == text_.size(); }
  bool Next(char c) const { return at_ < text_.size() && text_[at_] == c; }
  bool NextIsDigit() const { return at_ < text_.size() && IsDigit(text_[at_]); }
  char Current() const { return text_[at_]; }
  void Skip(char c) { at_ += Next(c) ? 1 : 0; }

  std::size_t BlankAt(std::size_t at) const {
    const auto blank = std::find_if(kBlanks.begin(), kBlanks.end(), [&](std::string_view b) {
      return text_.substr(at, b.size()) == b;
    });
    return blank == kBlanks.end() ? 0 : blank->size();
  }
  bool SkipBlanks() {
    const std::size_t start = at_;
    while (at_ < text_.size()) {
      const std::size_t blank = BlankAt(at_);
      if (blank == 0) break;
      at_ += blank;
    }
    return at_ > start;
  }
  std::string_view Digits() {
    const std::size_t start = at_;
    while (NextIsDigit()) ++at_;
    return text_.substr(start, at_ - start);
  }
  // A group of three digits after one blank, as "1 386" writes the thousands.
  std::string_view ThousandsGroup() {
    const std::size_t blank = BlankAt(at_);
    const std::size_t start = at_ + blank;
    if (blank == 0 || text_.size() - start < 3) return {};
    const std::string_view group = text_.substr(start, 3);
    if (!std::all_of(group.begin(), group.end(), IsDigit)) return {};
    if (start + 3 < text_.size() && IsDigit(text_[start + 3])) return {};
    at_ = start + 3;
    return group;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// Digits as a whole number, when it fits in 64 bits.
std::optional<std::uint64_t> Whole(std::string_view digits) {
  std::uint64_t whole = 0;
  const char* end = digits.data() + digits.size();
  if (digits.empty()) return whole;
  const auto [stop, error] = std::from_chars(digits.data(), end, whole);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return whole;
}

std::optional<Ratio> Over(std::optional<std::uint64_t> numerator,
                          std::optional<std::uint64_t> denominator) {
  if (!numerator || !denominator) return std::nullopt;
  return Ratio{*numerator, *denominator};
}

// a b/c as one fraction, (a*c + b)/c, when it fits.
std::optional<Ratio> Mixed(std::optional<std::uint64_t> a, const std::optional<Ratio>& fraction) {
  if (!a || !fraction) return std::nullopt;
  std::uint64_t numerator = 0;
  if (__builtin_mul_overflow(*a, fraction->denominator, &numerator) ||
      __builtin_add_overflow(numerator, fraction->numerator, &numerator)) {
    return std::nullopt;
  }
  return Ratio{numerator, fraction->denominator};
}

std::size_t SignificantDigits(std::string_view digits) {
  const auto first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? 0 : digits.size() - first;
}

// A number below 10^308 with these digits before and after the decimal
// mark; nothing for a larger one, which a double may not hold.
constexpr std::size_t kMostWholeDigits = 308;
std::optional<double> Number(std::string_view whole, std::string_view fraction = {}) {
  if (SignificantDigits(whole) > kMostWholeDigits) return std::nullopt;
  return ParseNumber(std::string(whole) + "." + std::string(fraction));
}

// "418/3" or "139 1/3", after the sign. A zero denominator is no number.
std::optional<TypedAnswer> ReadFraction(Scanner& scan, bool negative) {
  std::string_view whole;
  std::string_view numerator = scan.Digits();
  if (numerator.empty()) return std::nullopt;
  scan.SkipBlanks();
  if (scan.NextIsDigit()) {
    whole = numerator;
    numerator = scan.Digits();
    scan.SkipBlanks();
  }
  if (!scan.Next('/')) return std::nullopt;
  scan.Skip('/');
  scan.SkipBlanks();
  const std::string_view denominator = scan.Digits();
  if (denominator.empty() || !scan.AtEnd()) return std::nullopt;

  const auto over = Number(denominator);
  const auto part = Number(numerator);
  const auto wholePart = Number(whole);
  if (!over || !part || !wholePart || *over == 0.0) return std::nullopt;
  TypedAnswer answer;
  answer.value = *wholePart + *part / *over;
  if (!std::isfinite(answer.value)) return std::nullopt;
  if (negative) answer.value = -answer.value;
  answer.ratio = Over(Whole(numerator), Whole(denominator));
  if (!whole.empty()) answer.ratio = Mixed(Whole(whole), answer.ratio);
  return answer;
}

// "139,33", "139.33", ".5", "1 386,67", after the sign.
std::optional<TypedAnswer> ReadDecimal(Scanner& scan, bool negative) {
  std::string digits(scan.Digits());
  if (!digits.empty()) {
    for (std::string_view group = scan.ThousandsGroup(); !group.empty();
         group = scan.ThousandsGroup()) {
      digits += group;
    }
  }
  std::string_view fraction;
  if (scan.Next(',') || scan.Next('.')) {
    scan.Skip(scan.Current());
    fraction = scan.Digits();
  }
  if ((digits.empty() && fraction.empty()) || !scan.AtEnd()) return std::nullopt;

  const auto value = Number(digits, fraction);
  if (!value) return std::nullopt;
  TypedAnswer answer;
  answer.decimal = true;
  answer.value = negative ? -*value : *value;
  answer.places = fraction.size();
  digits += fraction;
  answer.significant = SignificantDigits(digits);
  if (answer.places < 20) {
    std::uint64_t scale = 1;
    for (std::size_t p = 0; p < answer.places; ++p) scale *= 10;
    answer.ratio = Over(Whole(digits), scale);
  }
  return answer;
}

std::string_view Trimmed(std::string_view text) {
  const Scanner scan(text);
  std::size_t begin = 0;
  while (begin < text.size() && scan.BlankAt(begin) > 0) begin += scan.BlankAt(begin);
  std::size_t end = text.size();
  bool trimmed = true;
  while (trimmed && end > begin) {
    trimmed = false;
    for (const std::string_view blank : kBlanks) {
      if (text.substr(begin, end - begin).ends_with(blank)) {
        end -= blank.size();
        trimmed = true;
      }
    }
  }
  return text.substr(begin, end - begin);
}

}  // namespace

std::optional<TypedAnswer> ReadAnswer(std::string_view text) {
  const std::string_view answer = Trimmed(text);
  Scanner scan(answer);
  const bool negative = scan.Next('-');
  if (scan.Next('-') || scan.Next('+')) scan.Skip(answer[0]);
  if (answer.find('/') != std::string_view::npos) return ReadFraction(scan, negative);
  return ReadDecimal(scan, negative);
}

}  // namespace stereona::practice
