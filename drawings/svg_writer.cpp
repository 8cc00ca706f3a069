#include "drawings/svg_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>
#include <string_view>
#include <vector>

#include "drawings/figure_style.h"
#include "drawings/sheet.h"

namespace stereona::figures {
namespace {

// The SVG as it is written: one text that grows, numbers put straight into
// it. A net has some hundred elements and a thousand numbers, and the page
// writes it again as the pupil changes a value.
class Svg {
 public:
  Svg& operator<<(std::string_view part) {
    text_ += part;
    return *this;
  }
  // In whole hundredths of a millimetre, finer than any printer; not
  // std::to_chars of a double, which the libc++ of Debian's emscripten
  // lacks, nor printf, which follows the locale.
  Svg& operator<<(double value) {
    const long long hundredths = std::llround(value * 100.0);
    auto rest = static_cast<unsigned long long>(std::llabs(hundredths));
    std::array<char, 24> digits{};
    auto* first = digits.end();
    for (int place = 0; place < 3 || rest > 0; ++place) {
      if (place == 2) *--first = '.';
      *--first = static_cast<char>('0' + rest % 10);
      rest /= 10;
    }
    if (hundredths < 0) *--first = '-';
    text_.append(first, digits.end());
    return *this;
  }
  Svg& operator<<(Point point) { return *this << point.x << " " << point.y; }
  std::string Text() && { return std::move(text_); }

 private:
  std::string text_;
};

void Escaped(Svg& out, std::string_view text) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::string_view entity;
    switch (text[i]) {
      case '&':
        entity = "&amp;";
        break;
      case '<':
        entity = "&lt;";
        break;
      case '>':
        entity = "&gt;";
        break;
      case '"':
        entity = "&quot;";
        break;
      default:
        continue;
    }
    out << text.substr(from, i - from) << entity;
    from = i + 1;
  }
  out << text.substr(from);
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

Point OnEllipse(Point centre, double radiusX, double radiusY, double angle) {
  return {centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)};
}

// Path data of an arc from its start, in halves at most: SVG's arc command
// cannot draw a whole turn at once.
void ArcData(Svg& out, const Sheet& at, Point centre, double radiusX, double radiusY, double start,
             double sweep, bool moveFirst) {
  if (moveFirst) out << "M" << at.At(OnEllipse(centre, radiusX, radiusY, start));
  const int parts = std::abs(sweep) > std::numbers::pi ? 2 : 1;
  for (int i = 1; i <= parts; ++i) {
    const Point end = OnEllipse(centre, radiusX, radiusY, start + sweep * i / parts);
    out << "A" << at.Length(radiusX) << " " << at.Length(radiusY) << " 0 0 "
        << (sweep > 0 ? "1 " : "0 ") << at.At(end);
  }
}

void OutlineData(Svg& out, const Sheet& at, const std::vector<Point>& corners) {
  bool first = true;
  for (const Point corner : corners) {
    out << (first ? "M" : "L") << at.At(corner);
    first = false;
  }
  out << "Z";
}

void ShapeData(Svg& out, const Sheet& at, const Shape& shape) {
  if (const auto* polygon = std::get_if<PolygonShape>(&shape)) {
    OutlineData(out, at, polygon->corners);
    return;
  }
  if (const auto* circle = std::get_if<CircleShape>(&shape)) {
    ArcData(out, at, circle->centre, circle->radius, circle->radius, 0, 2 * std::numbers::pi, true);
  } else {
    const auto& ring = std::get<RingSectorShape>(shape);
    ArcData(out, at, ring.centre, ring.outer, ring.outer, ring.start, ring.sweep, true);
    if (ring.inner > 0) {
      out << "L" << at.At(OnEllipse(ring.centre, ring.inner, ring.inner, ring.start + ring.sweep));
      ArcData(out, at, ring.centre, ring.inner, ring.inner, ring.start + ring.sweep, -ring.sweep,
              false);
    } else {
      out << "L" << at.At(ring.centre);
    }
  }
  out << "Z";
}

std::string_view Class(Stroke stroke) { return StyleOf(stroke).cssClass; }

void Styles(Svg& out) {
  // Each rule under "svg": inside an HTML page an SVG's style sheet is the
  // page's, whose own elements may have the same classes (a label).
  out << "svg ." << kPieceClass << "{fill:" << kPieceFill << ";stroke:none}";
  for (const StrokeStyle& style : kStrokeStyles) {
    out << "svg ." << style.cssClass << "{fill:none;stroke:" << style.colour
        << ";stroke-width:" << style.width;
    if (style.dash[0] > 0) out << ";stroke-dasharray:" << style.dash[0] << " " << style.dash[1];
    out << "}";
  }
  out << "svg path." << kTabClass << "{fill:" << kTabFill << "}";
  out << "svg ." << kLabelClass << "{fill:" << kLabelColour
      << ";font-family:sans-serif;font-size:" << kFontSize << "px}";
}

void LineData(Svg& out, const Sheet& at, const Figure& figure, Stroke stroke) {
  for (const Circle& circle : figure.circles) {
    if (circle.stroke == stroke)
      ArcData(out, at, circle.centre, circle.radius, circle.radius, 0, 2 * std::numbers::pi, true);
  }
  for (const Arc& arc : figure.arcs) {
    if (arc.stroke == stroke)
      ArcData(out, at, arc.centre, arc.radiusX, arc.radiusY, arc.start, arc.sweep, true);
  }
  for (const Segment& segment : figure.segments) {
    if (segment.stroke == stroke) out << "M" << at.At(segment.from) << "L" << at.At(segment.to);
  }
}

template <typename Element>
bool Uses(const std::vector<Element>& elements, Stroke stroke) {
  return std::any_of(elements.begin(), elements.end(),
                     [stroke](const Element& element) { return element.stroke == stroke; });
}

// The data of each kind of line as one path: a browser lays out every
// element of an SVG on its own, and a net's hundred tabs, arcs and lines are
// laid out again whenever the pupil changes its unit. Tabs come first, filled,
// under the lines.
void Strokes(Svg& out, const Figure& figure, const Sheet& at) {
  for (std::size_t kind = 0; kind < kStrokeStyles.size(); ++kind) {
    const auto stroke = static_cast<Stroke>(kind);
    if (!Uses(figure.polygons, stroke)) continue;
    out << "<path class=\"" << Class(stroke) << " " << kTabClass << "\" d=\"";
    for (const Polygon& polygon : figure.polygons) {
      if (polygon.stroke == stroke) OutlineData(out, at, polygon.corners);
    }
    out << "\"/>\n";
  }
  for (std::size_t kind = 0; kind < kStrokeStyles.size(); ++kind) {
    const auto stroke = static_cast<Stroke>(kind);
    if (!Uses(figure.circles, stroke) && !Uses(figure.arcs, stroke) &&
        !Uses(figure.segments, stroke))
      continue;
    out << "<path class=\"" << Class(stroke) << "\" d=\"";
    LineData(out, at, figure, stroke);
    out << "\"/>\n";
  }
}

void Body(Svg& out, const Figure& figure, const Sheet& at) {
  for (const Piece& piece : figure.pieces) {
    out << "<path class=\"" << kPieceClass << "\" d=\"";
    ShapeData(out, at, piece.shape);
    out << "\"/>\n";
  }
  Strokes(out, figure, at);
  for (const Label& label : figure.labels) {
    const LabelLayout layout = LayOut(label.placement);
    out << "<text class=\"" << kLabelClass << "\" x=\""
        << at.X(label.anchor.x) + layout.dx * kFontSize << "\" y=\""
        << at.Y(label.anchor.y) + layout.dy * kFontSize << "\" text-anchor=\""
        << AnchorName(layout.anchor) << "\">";
    Escaped(out, label.text);
    out << "</text>\n";
  }
}

// The size attributes, if any, come before the viewBox.
std::string Document(const Figure& figure, const Sheet& at, bool styled,
                     std::optional<Point> paperSize = std::nullopt) {
  Svg out;
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\"";
  if (paperSize) out << " width=\"" << paperSize->x << "mm\" height=\"" << paperSize->y << "mm\"";
  out << " viewBox=\"0 0 " << at.Width() << " " << at.Height() << "\">\n<title>";
  Escaped(out, figure.title);
  out << "</title>\n<desc>";
  Escaped(out, TextAlternative(figure));
  out << "</desc>\n";
  if (styled) {
    out << "<style>";
    Styles(out);
    out << "</style>\n";
  }
  Body(out, figure, at);
  out << "</svg>\n";
  return std::move(out).Text();
}

}  // namespace

std::string SvgOnPaper(const Figure& figure, double millimetresPerUnit) {
  const Sheet at(figure.bounds, millimetresPerUnit);
  return Document(figure, at, true, Point{at.Width(), at.Height()});
}

std::string SvgFitted(const Figure& figure, double size) {
  return Document(figure, Sheet::Fitted(figure.bounds, size), true);
}

std::string SvgFittedUnstyled(const Figure& figure, double size) {
  return Document(figure, Sheet::Fitted(figure.bounds, size), false);
}

std::string SvgStyleSheet() {
  Svg out;
  Styles(out);
  return std::move(out).Text();
}

}  // namespace stereona::figures
