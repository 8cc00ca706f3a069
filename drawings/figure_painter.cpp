#include "drawings/figure_painter.h"

#include <cmath>
#include <string_view>

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include "drawings/figure_style.h"

namespace stereona::drawings {
namespace {

using figures::Point;

// Arcs are drawn as short chords: Qt's own arcs of ellipses count their
// angles differently from the figure's parameter.
constexpr double kArcStep = 0.5 * 3.141592653589793 / 180;

class Device {
 public:
  Device(const figures::Sheet& sheet, double pixelsPerMillimetre)
      : sheet_(sheet), scale_(pixelsPerMillimetre) {}
  QPointF At(Point point) const {
    const Point onSheet = sheet_.At(point);
    return {onSheet.x * scale_, onSheet.y * scale_};
  }
  double Millimetres(double length) const { return length * scale_; }

 private:
  figures::Sheet sheet_;
  double scale_;
};

QColor Colour(std::string_view hex) {
  return QColor(QString::fromLatin1(hex.data(), static_cast<qsizetype>(hex.size())));
}

QPen PenFor(figures::Stroke stroke, const Device& device) {
  const figures::StrokeStyle& style = figures::StyleOf(stroke);
  QPen pen(Colour(style.colour), device.Millimetres(style.width), Qt::SolidLine, Qt::FlatCap,
           Qt::MiterJoin);
  // A QPen's dashes are in widths of the pen.
  if (style.dash[0] > 0)
    pen.setDashPattern({style.dash[0] / style.width, style.dash[1] / style.width});
  return pen;
}

void AppendArc(QPainterPath& path, const Device& device, Point centre, double radiusX,
               double radiusY, double start, double sweep, bool moveFirst) {
  const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / kArcStep)));
  for (int i = 0; i <= steps; ++i) {
    const double angle = start + sweep * i / steps;
    const QPointF point =
        device.At({centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)});
    if (i == 0 && moveFirst)
      path.moveTo(point);
    else
      path.lineTo(point);
  }
}

QPainterPath ShapePath(const figures::Shape& shape, const Device& device) {
  QPainterPath path;
  if (const auto* polygon = std::get_if<figures::PolygonShape>(&shape)) {
    QPolygonF corners;
    for (const Point corner : polygon->corners) corners << device.At(corner);
    path.addPolygon(corners);
  } else if (const auto* circle = std::get_if<figures::CircleShape>(&shape)) {
    AppendArc(path, device, circle->centre, circle->radius, circle->radius, 0,
              2 * 3.141592653589793, true);
  } else {
    const auto& ring = std::get<figures::RingSectorShape>(shape);
    AppendArc(path, device, ring.centre, ring.outer, ring.outer, ring.start, ring.sweep, true);
    if (ring.inner > 0)
      AppendArc(path, device, ring.centre, ring.inner, ring.inner, ring.start + ring.sweep,
                -ring.sweep, false);
    else
      path.lineTo(device.At(ring.centre));
  }
  path.closeSubpath();
  return path;
}

void PaintLabel(QPainter& painter, const Device& device, const figures::Label& label,
                const QFont& font) {
  const figures::LabelLayout layout = figures::LayOut(label.placement);
  const QString text = QString::fromStdString(label.text);
  QPointF baseline =
      device.At(label.anchor) + QPointF(device.Millimetres(layout.dx * figures::kFontSize),
                                        device.Millimetres(layout.dy * figures::kFontSize));
  const qreal width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
  if (layout.anchor == figures::TextAnchor::Middle) baseline.rx() -= width / 2;
  if (layout.anchor == figures::TextAnchor::End) baseline.rx() -= width;
  painter.drawText(baseline, text);
}

}  // namespace

void PaintFigure(QPainter& painter, const figures::Figure& figure, const figures::Sheet& sheet,
                 double pixelsPerMillimetre, const QString& family) {
  const Device device(sheet, pixelsPerMillimetre);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Colour(figures::kPieceFill));
  for (const figures::Piece& piece : figure.pieces)
    painter.drawPath(ShapePath(piece.shape, device));
  painter.setBrush(Colour(figures::kTabFill));
  for (const figures::Polygon& polygon : figure.polygons) {
    QPolygonF corners;
    for (const Point corner : polygon.corners) corners << device.At(corner);
    painter.setPen(PenFor(polygon.stroke, device));
    painter.drawPolygon(corners);
  }
  painter.setBrush(Qt::NoBrush);
  for (const figures::Circle& circle : figure.circles) {
    painter.setPen(PenFor(circle.stroke, device));
    const double radius = device.Millimetres(sheet.Length(circle.radius));
    painter.drawEllipse(device.At(circle.centre), radius, radius);
  }
  for (const figures::Arc& arc : figure.arcs) {
    QPainterPath path;
    AppendArc(path, device, arc.centre, arc.radiusX, arc.radiusY, arc.start, arc.sweep, true);
    painter.setPen(PenFor(arc.stroke, device));
    painter.drawPath(path);
  }
  for (const figures::Segment& segment : figure.segments) {
    painter.setPen(PenFor(segment.stroke, device));
    painter.drawLine(device.At(segment.from), device.At(segment.to));
  }
  QFont font(family);
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(device.Millimetres(figures::kFontSize)))));
  painter.setFont(font);
  painter.setPen(Colour(figures::kLabelColour));
  for (const figures::Label& label : figure.labels) PaintLabel(painter, device, label, font);
  painter.restore();
}

}  // namespace stereona::drawings
