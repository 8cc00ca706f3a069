// ParseNumber and NumberText on arbitrary bytes: parsing never yields a
// non-finite value, and every number text reads back as the same value
// within its 15 significant digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/fault.h"
#include "core/number_text.h"
#include "core/parse_number.h"
#include "fuzz/fuzz_check.h"

namespace {

using stereona::fuzz::Require;

void CheckRoundTrip(double value) {
  const std::string text = stereona::NumberText(value);
  Require(stereona::fuzz::HasNoNonNumbers(text), "number text has no inf or nan", text);
  Require(text != "-0", "zero has no sign", text);
  double back = 0;
  try {
    back = stereona::ParseNumber(text);
  } catch (const stereona::FloatingPointFault&) {
    Require(false, "a number text always parses back", text);
  }
  const double tolerance = std::fmax(6e-15 * std::fabs(value), 5e-324);
  Require(std::fabs(back - value) <= tolerance, "number text reads back within 15 digits", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const double value = stereona::ParseNumber(text);
    Require(std::isfinite(value), "parsed values are finite", text);
    CheckRoundTrip(value);
  } catch (const stereona::FloatingPointFault& fault) {
    Require(fault.Number() == 6, "parsing only ever overflows", text);
  }

  if (size >= sizeof(double)) {
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    if (std::isfinite(raw)) CheckRoundTrip(raw);
  }
  return 0;
}
