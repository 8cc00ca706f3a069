#include "documents/html.h"

#include <algorithm>
#include <string>

namespace stereona::documents {
namespace {

constexpr std::string_view kBreakBefore = " style=\"page-break-before: always\"";
constexpr std::string_view kKeptTogether = " style=\"page-break-inside: avoid\"";

// Appends text with each of `special` replaced: &, < and > by their
// entities, a carriage return by nothing. Runs of plain text are copied
// whole, which keeps a sheet of a hundred solutions quick in WebAssembly.
void AppendEscaped(std::string& out, std::string_view text, std::string_view special) {
  out.reserve(out.size() + text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t next = std::min(text.find_first_of(special, at), text.size());
    out.append(text, at, next - at);
    if (next == text.size()) break;
    switch (text[next]) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        break;
    }
    at = next + 1;
  }
}

}  // namespace

std::string Escaped(std::string_view text) {
  std::string escaped;
  AppendEscaped(escaped, text, "&<>");
  return escaped;
}

std::string HtmlDocument(std::string_view title, std::string_view body) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
  html += Escaped(title);
  html += "</title>\n</head>\n<body>\n";
  html += body;
  html += "</body>\n</html>\n";
  return html;
}

std::string Heading(int level, std::string_view text, bool breakBefore) {
  const std::string tag = "h" + std::to_string(level);
  std::string html = "<" + tag;
  if (breakBefore) html += kBreakBefore;
  html += ">" + Escaped(text) + "</" + tag + ">\n";
  return html;
}

std::string Paragraph(std::string_view text) { return "<p>" + Escaped(text) + "</p>\n"; }

std::string Preformatted(std::string_view lines) {
  std::string html = "<pre>";
  // Qt's text document shows a carriage return as a glyph of its own; the
  // solutions have none but before a line feed.
  AppendEscaped(html, lines, "&<>\r");
  html += "</pre>\n";
  return html;
}

std::string KeptTogether(std::string_view html) {
  std::string kept = "<div";
  kept += kKeptTogether;
  kept += ">\n";
  kept += html;
  kept += "</div>\n";
  return kept;
}

void OrderedList::AddItem(std::string_view html) {
  items_ += "<li";
  items_ += kKeptTogether;
  items_ += ">";
  items_ += html;
  items_ += "</li>\n";
}

std::string OrderedList::Html() const { return "<ol>\n" + items_ + "</ol>\n"; }

}  // namespace stereona::documents
