#include "window/mnemonics.h"

#include "qt_bridge/qt_text.h"

namespace stereona::window {

QString Mnemonics::operator()(std::string_view caption) {
  QString text = ToQString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar letter = text[i].toLower();
    if (!text[i].isLetter() || taken_.contains(letter)) continue;
    taken_ += letter;
    return text.insert(i, QLatin1Char('&'));
  }
  return text;
}

}  // namespace stereona::window
