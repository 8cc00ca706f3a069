#pragma once

#include <QString>
#include <string_view>

// Texts cross from the calculation, which keeps UTF-8, to Qt here.
namespace stereona::window {

QString ToQString(std::string_view utf8);

// The calculation writes its text with CRLF line ends; a Qt text box breaks
// lines at LF and would show each CR as a stray glyph.
QString OutputLines(std::string_view crlfText);

}  // namespace stereona::window
