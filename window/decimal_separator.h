#pragma once

class QLocale;

namespace stereona::window {

// Numbers in the output and in the random fill are written with the decimal
// separator of the given regional settings (the user's, at start). Typed
// input is always read with ".".
void UseDecimalSeparatorOf(const QLocale& locale);

}  // namespace stereona::window
