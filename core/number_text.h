#pragma once

#include <string>
#include <string_view>

namespace stereona {

// The one conversion of a number to text: at most 15 significant digits,
// general format as C's "%.15G" writes it in the C locale, never "-0", and
// the decimal separator of the user's regional settings.
std::string NumberText(double value);

// "." unless set; the face sets it once from the regional settings.
void SetDecimalSeparator(std::string_view separator);
std::string_view DecimalSeparator();

}  // namespace stereona
