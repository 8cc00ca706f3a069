#include "window/decimal_separator.h"

#include <QLocale>

#include "core/number_text.h"

namespace stereona::window {

void UseDecimalSeparatorOf(const QLocale& locale) {
  SetDecimalSeparator(locale.decimalPoint().toStdString());
}

}  // namespace stereona::window
