#include "window/qt_text.h"

namespace stereona::window {

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString OutputLines(std::string_view crlfText) {
  return ToQString(crlfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace stereona::window
