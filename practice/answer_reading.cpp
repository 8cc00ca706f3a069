#include "practice/answer_reading.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/parse_number.h"

namespace stereona::practice {
namespace {

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

std::optional<BigInteger> Whole(std::string_view digits) {
  if (digits.size() > kMostDigits) return std::nullopt;
  return BigInteger::FromDigits(digits);
}

// "418/3" or "139 1/3", after the sign. A zero denominator is no number.
std::optional<TypedAnswer> ReadFraction(Scanner& scan) {
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

  const auto over = Whole(denominator);
  const auto part = Whole(numerator);
  const auto wholePart = Whole(whole);
  if (!over || !part || !wholePart || over->IsZero()) return std::nullopt;
  TypedAnswer answer;
  answer.form = TypedAnswer::Form::Fraction;
  answer.value = {*wholePart * *over + *part, *over};
  return answer;
}

// "139,33", "139.33", ".5", "1 386,67", after the sign.
std::optional<TypedAnswer> ReadDecimal(Scanner& scan) {
  std::string digits(scan.Digits());
  if (!digits.empty()) {
    for (std::string_view group = scan.ThousandsGroup(); !group.empty();
         group = scan.ThousandsGroup()) {
      digits += group;
    }
  }
  const bool marked = scan.Next(',') || scan.Next('.');
  std::string_view fraction;
  if (marked) {
    scan.Skip(scan.Current());
    fraction = scan.Digits();
  }
  if ((digits.empty() && fraction.empty()) || !scan.AtEnd()) return std::nullopt;

  const std::size_t places = fraction.size();
  digits += fraction;
  const auto value = Whole(digits);
  if (!value) return std::nullopt;
  TypedAnswer answer;
  answer.form = marked ? TypedAnswer::Form::Decimal : TypedAnswer::Form::Whole;
  answer.value = {*value, BigInteger::PowerOfTen(places)};
  // The first and last digits other than 0.
  const std::size_t first = digits.find_first_not_of('0');
  const std::size_t last = digits.find_last_not_of('0');
  if (first == std::string::npos) return answer;  // zero
  answer.mostDigits = static_cast<int>(digits.size() - first);
  answer.leastDigits = marked ? answer.mostDigits : static_cast<int>(last - first + 1);
  answer.lowestPlace = static_cast<int>(digits.size() - 1 - last) - static_cast<int>(places);
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
  const std::string_view trimmed = Trimmed(text);
  Scanner scan(trimmed);
  const bool negative = scan.Next('-');
  if (scan.Next('-') || scan.Next('+')) scan.Skip(trimmed[0]);
  std::optional<TypedAnswer> answer =
      trimmed.find('/') != std::string_view::npos ? ReadFraction(scan) : ReadDecimal(scan);
  if (answer) answer->negative = negative && answer->value.Sign() != 0;
  return answer;
}

}  // namespace stereona::practice
