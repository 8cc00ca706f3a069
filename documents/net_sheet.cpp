#include "documents/net_sheet.h"

#include "documents/html.h"
#include "documents/sentences.h"
#include "drawings/svg_writer.h"

namespace stereona::documents {
namespace {

// The solid's drawing on paper, along its longer side.
constexpr int kSolidMillimetres = 90;

// A landscape sheet where the net is laid across the page.
constexpr std::string_view kLandscape = "<style>@page { size: A4 landscape; }</style>\n";

std::string NetOnPaper(const NetView& view, figures::LengthUnit unit) {
  const auto scale = figures::ChoosePaperScale(view.net.bounds, unit);
  if (!scale) return {};
  std::string html = scale->landscape ? std::string(kLandscape) : std::string();
  html += Paragraph(scale->text + ", в " + std::string(figures::FactsOf(unit).name) + ".");
  html +=
      "<div class=\"net\">" + figures::SvgOnPaper(view.net, scale->millimetresPerUnit) + "</div>\n";
  return html;
}

}  // namespace

std::string NetSheet(std::string_view title, std::size_t body, const NetView& view,
                     figures::LengthUnit unit) {
  const std::string name = CapitalFirst(kBodies.at(body).caption);
  std::string html = Heading(1, "Развивка: " + name);
  const bool worked = view.working.Worked() && !view.net.pieces.empty();
  if (worked) {
    html += NetOnPaper(view, unit);
    html += Heading(2, "Повърхнина", true);
    html += Preformatted(view.working.lines);
  } else {
    html += Paragraph(view.working.message);
  }
  html += "<div class=\"solid\" style=\"width: " + std::to_string(kSolidMillimetres) + "mm\">" +
          figures::SvgFitted(view.solid, kSolidMillimetres) + "</div>\n";
  return HtmlDocument(std::string(title) + ": " + name, html);
}

}  // namespace stereona::documents
