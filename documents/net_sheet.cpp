#include "documents/net_sheet.h"

#include "documents/html.h"
#include "documents/sentences.h"
#include "drawings/svg_writer.h"

namespace stereona::documents {
namespace {

// The solid's drawing on paper, along its longer side.
constexpr int kSolidMillimetres = 90;

// The margins round the sheet's printable area, which the net's scale was
// chosen for: stated in the sheet's page rule, so that a browser and the
// window both leave the net that room.
constexpr int kMarginMillimetres = 10;
static_assert(210 - 2 * kMarginMillimetres == figures::kA4Printable.width &&
                  297 - 2 * kMarginMillimetres == figures::kA4Printable.height,
              "A4 less the margins is the printable area the scale is chosen for");

// Room on the net's page for the heading and the scale above it, taken
// from the sheet's printable area either way round: a net chosen for the
// whole area would not fit below them and go to a page of its own.
constexpr double kHeadingRoom = 30;
constexpr figures::PaperSize kRoomForTheNet = {figures::kA4Printable.width - kHeadingRoom,
                                               figures::kA4Printable.height - kHeadingRoom};

// The page rule: A4, turned where the net is laid across it.
std::string PageRule(bool landscape) {
  return std::string("<style>@page { size: A4 ") + (landscape ? "landscape" : "portrait") +
         "; margin: " + std::to_string(kMarginMillimetres) + "mm; }</style>\n";
}

std::string NetOnPaper(const NetView& view, figures::LengthUnit unit) {
  const auto scale = figures::ChoosePaperScale(view.net.bounds, unit, kRoomForTheNet);
  if (!scale) return {};
  std::string html = PageRule(scale->landscape);
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
