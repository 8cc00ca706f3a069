#include "drawings/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string_view>

#include "drawings/figure_style.h"
#include "drawings/sheet.h"

namespace stereona::figures {
namespace {

// Hundredths of a millimetre: finer than any printer.
constexpr std::size_t kDecimals = 2;

// In whole hundredths, not std::to_chars of a double, which the libc++ of
// Debian's emscripten lacks, nor printf, which follows the locale.
std::string Number(double value) {
  const long long hundredths = std::llround(value * 100.0);
  const unsigned long long size = static_cast<unsigned long long>(std::llabs(hundredths));
  std::string fraction = std::to_string(size % 100);
  if (fraction.size() < kDecimals) fraction.insert(0, "0");
  return (hundredths < 0 ? "-" : "") + std::to_string(size / 100) + "." + fraction;
}

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string_view AnchorName(TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::Start:
      return "start";
    case TextAnchor::End:
      return "end";
    case TextAnchor::Middle:
      break;
  }
  return "middle";
}

std::string Pair(const Sheet& at, Point point) {
  return Number(at.X(point.x)) + " " + Number(at.Y(point.y));
}

Point OnEllipse(Point centre, double radiusX, double radiusY, double angle) {
  return {centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)};
}

// Path data of an arc from its start, in halves at most: SVG's arc command
// cannot draw a whole turn at once.
std::string ArcData(const Sheet& at, Point centre, double radiusX, double radiusY, double start,
                    double sweep, bool moveFirst) {
  std::string data;
  if (moveFirst) data += "M" + Pair(at, OnEllipse(centre, radiusX, radiusY, start));
  const int parts = std::abs(sweep) > std::numbers::pi ? 2 : 1;
  for (int i = 1; i <= parts; ++i) {
    const Point end = OnEllipse(centre, radiusX, radiusY, start + sweep * i / parts);
    data += "A" + Number(at.Length(radiusX)) + " " + Number(at.Length(radiusY)) + " 0 0 " +
            (sweep > 0 ? "1 " : "0 ") + Pair(at, end);
  }
  return data;
}

std::string ShapeData(const Sheet& at, const Shape& shape) {
  if (const auto* polygon = std::get_if<PolygonShape>(&shape)) {
    std::string data;
    for (const Point corner : polygon->corners)
      data += (data.empty() ? "M" : "L") + Pair(at, corner);
    return data + "Z";
  }
  if (const auto* circle = std::get_if<CircleShape>(&shape))
    return ArcData(at, circle->centre, circle->radius, circle->radius, 0, 2 * std::numbers::pi,
                   true) +
           "Z";
  const auto& ring = std::get<RingSectorShape>(shape);
  std::string data = ArcData(at, ring.centre, ring.outer, ring.outer, ring.start, ring.sweep, true);
  if (ring.inner > 0)
    data += "L" +
            Pair(at, OnEllipse(ring.centre, ring.inner, ring.inner, ring.start + ring.sweep)) +
            ArcData(at, ring.centre, ring.inner, ring.inner, ring.start + ring.sweep, -ring.sweep,
                    false);
  else
    data += "L" + Pair(at, ring.centre);
  return data + "Z";
}

std::string Class(Stroke stroke) { return std::string(StyleOf(stroke).cssClass); }

std::string Styles() {
  // Each rule under "svg": inside an HTML page an SVG's style sheet is the
  // page's, whose own elements may have the same classes (a label).
  std::string css =
      "svg ." + std::string(kPieceClass) + "{fill:" + std::string(kPieceFill) + ";stroke:none}";
  for (const StrokeStyle& style : kStrokeStyles) {
    css += "svg ." + std::string(style.cssClass) +
           "{fill:none;stroke:" + std::string(style.colour) +
           ";stroke-width:" + Number(style.width);
    if (style.dash[0] > 0)
      css += ";stroke-dasharray:" + Number(style.dash[0]) + " " + Number(style.dash[1]);
    css += "}";
  }
  css += "svg polygon." + std::string(StyleOf(Stroke::GlueTab).cssClass) +
         "{fill:" + std::string(kTabFill) + "}";
  css += "svg ." + std::string(kLabelClass) + "{fill:" + std::string(kLabelColour) +
         ";font-family:sans-serif;font-size:" + Number(kFontSize) + "px}";
  return css;
}

std::string Body(const Figure& figure, const Sheet& at) {
  std::string body;
  for (const Piece& piece : figure.pieces)
    body += "<path class=\"" + std::string(kPieceClass) + "\" d=\"" + ShapeData(at, piece.shape) +
            "\"/>\n";
  for (const Polygon& polygon : figure.polygons) {
    body += "<polygon class=\"" + Class(polygon.stroke) + "\" points=\"";
    for (std::size_t i = 0; i < polygon.corners.size(); ++i)
      body += (i ? " " : "") + Number(at.X(polygon.corners[i].x)) + "," +
              Number(at.Y(polygon.corners[i].y));
    body += "\"/>\n";
  }
  for (const Circle& circle : figure.circles)
    body += "<circle class=\"" + Class(circle.stroke) + "\" cx=\"" + Number(at.X(circle.centre.x)) +
            "\" cy=\"" + Number(at.Y(circle.centre.y)) + "\" r=\"" +
            Number(at.Length(circle.radius)) + "\"/>\n";
  for (const Arc& arc : figure.arcs)
    body += "<path class=\"" + Class(arc.stroke) + "\" d=\"" +
            ArcData(at, arc.centre, arc.radiusX, arc.radiusY, arc.start, arc.sweep, true) +
            "\"/>\n";
  for (const Segment& segment : figure.segments)
    body += "<line class=\"" + Class(segment.stroke) + "\" x1=\"" + Number(at.X(segment.from.x)) +
            "\" y1=\"" + Number(at.Y(segment.from.y)) + "\" x2=\"" + Number(at.X(segment.to.x)) +
            "\" y2=\"" + Number(at.Y(segment.to.y)) + "\"/>\n";
  for (const Label& label : figure.labels) {
    const LabelLayout layout = LayOut(label.placement);
    body += "<text class=\"" + std::string(kLabelClass) + "\" x=\"" +
            Number(at.X(label.anchor.x) + layout.dx * kFontSize) + "\" y=\"" +
            Number(at.Y(label.anchor.y) + layout.dy * kFontSize) + "\" text-anchor=\"" +
            std::string(AnchorName(layout.anchor)) + "\">" + Escaped(label.text) + "</text>\n";
  }
  return body;
}

std::string Document(const Figure& figure, const Sheet& at, const std::string& size,
                     bool styled = true) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\"" + size + " viewBox=\"0 0 " +
         Number(at.Width()) + " " + Number(at.Height()) + "\">\n<title>" + Escaped(figure.title) +
         "</title>\n<desc>" + Escaped(TextAlternative(figure)) + "</desc>\n" +
         (styled ? "<style>" + Styles() + "</style>\n" : "") + Body(figure, at) + "</svg>\n";
}

}  // namespace

std::string SvgOnPaper(const Figure& figure, double millimetresPerUnit) {
  const Sheet at(figure.bounds, millimetresPerUnit);
  return Document(
      figure, at,
      " width=\"" + Number(at.Width()) + "mm\" height=\"" + Number(at.Height()) + "mm\"");
}

std::string SvgFitted(const Figure& figure, double size) {
  return Document(figure, Sheet::Fitted(figure.bounds, size), "");
}

std::string SvgFittedUnstyled(const Figure& figure, double size) {
  return Document(figure, Sheet::Fitted(figure.bounds, size), "", false);
}

std::string SvgStyleSheet() { return Styles(); }

}  // namespace stereona::figures
