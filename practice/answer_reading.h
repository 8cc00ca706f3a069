#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace stereona::practice {

// An answer as the pupil typed it.
struct TypedAnswer {
  double value = 0.0;
  // The same without its sign, exactly, as a whole numerator over a whole
  // denominator (139,33 is 13933 over 100, 139 1/3 is 418 over 3); nothing
  // when either does not fit in 64 bits.
  struct Ratio {
    std::uint64_t numerator = 0;
    std::uint64_t denominator = 1;
  };
  std::optional<Ratio> ratio;
  // A decimal or whole number, which may be rounded; a fraction or a mixed
  // number is taken as exact.
  bool decimal = false;
  std::size_t places = 0;       // digits typed after the decimal mark
  std::size_t significant = 0;  // from the first digit other than 0 to the last typed
};

// A decimal with "," or "." ("139,33", ".5", "-5"), a fraction "418/3" or a
// mixed number "139 1/3", with blanks around it and around the "/"; the
// thousands may be set apart by blanks ("1 386,67"). Nothing for any other
// text, for a zero denominator, and for a number of 10^308 or more.
std::optional<TypedAnswer> ReadAnswer(std::string_view text);

}  // namespace stereona::practice
