#pragma once

class QLocale;

namespace stereona::window {

// Numbers in the output and in the random fill are written with the decimal
// separator of the given regional settings (the user's, at start). Typed
// input is read with either mark.
void UseDecimalSeparatorOf(const QLocale& locale);

}  // namespace stereona::window
