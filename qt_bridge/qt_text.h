#pragma once

#include <QString>
#include <string_view>

// Texts cross from the calculation and the form, which keep UTF-8, to Qt here.
namespace stereona {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The calculation writes its text with CRLF line ends; a Qt text box breaks
// lines at LF and would show each CR as a stray glyph.
inline QString OutputLines(std::string_view crlfText) {
  return ToQString(crlfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace stereona
