#include "core/number_text.h"

#include <array>
#include <charconv>

namespace stereona {
namespace {

std::string& Separator() {
  static std::string separator = ".";
  return separator;
}

}  // namespace

void SetDecimalSeparator(std::string_view separator) { Separator() = separator; }

const std::string& DecimalSeparator() { return Separator(); }

std::string NumberText(double value) {
  if (value == 0.0) return "0";  // also -0.0, which must not show a sign

  // to_chars in general format with a precision is "%.15g" in the C locale,
  // whatever locale the window's toolkit has installed for printf.
  std::array<char, 32> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::general, 15);
  if (error != std::errc{}) return "0";

  std::string text;
  text.reserve(static_cast<std::size_t>(end - buffer.data()) + 2);
  for (const char* c = buffer.data(); c != end; ++c) {
    if (*c == '.') {
      text += Separator();
    } else if (*c == 'e') {
      text += 'E';
    } else {
      text += *c;
    }
  }
  return text;
}

}  // namespace stereona
