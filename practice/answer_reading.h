#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "practice/exact_value.h"

namespace stereona::practice {

// An answer as the pupil typed it.
struct TypedAnswer {
  enum class Form {
    Decimal,   // with a decimal mark: "139,30" carries 5 significant digits
    Whole,     // no mark: "1 080" carries 3 or 4
    Fraction,  // "418/3" or "139 1/3": taken as exact
  };
  Form form = Form::Whole;
  bool negative = false;
  Rational value;  // without the sign, exactly as typed
  // The significant digits a decimal or whole number may carry, from its
  // first digit other than 0: a decimal all it shows, a whole number from
  // its last digit other than 0 to its last digit. 0 for a zero.
  int leastDigits = 0;
  int mostDigits = 0;
  // The power of ten of its last digit other than 0: the answer is a whole
  // multiple of 10^lowestPlace (1 for "1 080", -1 for "20,50").
  int lowestPlace = 0;
};

// How many digits an answer may have in each of its numbers; a longer
// one is no number a pupil means.
inline constexpr std::size_t kMostDigits = 60;

// A decimal with "," or "." ("139,33", ".5", "-5"), a fraction "418/3" or a
// mixed number "139 1/3", with blanks around it and around the "/"; the
// thousands may be set apart by blanks ("1 386,67"). Nothing for any other
// text, for a zero denominator, and for a number of more than kMostDigits
// digits.
std::optional<TypedAnswer> ReadAnswer(std::string_view text);

}  // namespace stereona::practice
