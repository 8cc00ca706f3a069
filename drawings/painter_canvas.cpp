#include "drawings/painter_canvas.h"

#include <QFontMetricsF>
#include <QPen>
#include <QtMath>

namespace stereona::drawings {
namespace {

// The quantities the student types in stand out from the plain edges.
const QColor kInk(Qt::black);
const QColor kQuantityInk(0x1a, 0x3c, 0xb4);

QPen PenFor(Stroke stroke) {
  QPen pen(kInk, 1.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  switch (stroke) {
    case Stroke::Edge:
      break;
    case Stroke::HiddenEdge:
      pen.setWidthF(1.0);
      pen.setDashPattern({4.0, 3.0});
      break;
    case Stroke::Height:
      pen.setColor(kQuantityInk);
      pen.setDashPattern({4.0, 3.0});
      break;
    case Stroke::Measure:
      pen.setColor(kQuantityInk);
      pen.setWidthF(2.0);
      break;
    case Stroke::Mark:
      pen.setWidthF(0.9);
      break;
  }
  return pen;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, const QFont& font)
    : painter_(painter), font_(font) {}

void PainterCanvas::Line(QPointF from, QPointF to, Stroke stroke) {
  painter_.setPen(PenFor(stroke));
  painter_.drawLine(from, to);
}

void PainterCanvas::Arc(const QRectF& bounds, qreal startDegrees, qreal spanDegrees,
                        Stroke stroke) {
  painter_.setPen(PenFor(stroke));
  painter_.setBrush(Qt::NoBrush);
  // QPainter counts arcs in sixteenths of a degree.
  painter_.drawArc(bounds, qRound(startDegrees * 16), qRound(spanDegrees * 16));
}

void PainterCanvas::Dot(QPointF centre) {
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(kInk);
  painter_.drawEllipse(centre, 1.8, 1.8);
}

void PainterCanvas::Label(QPointF centre, const QString& text) {
  // Centring the ink rather than the line box keeps a short label such as
  // "a" as close to its segment as a tall one such as "H".
  painter_.setFont(font_);
  painter_.setPen(kQuantityInk);
  const QRectF ink = QFontMetricsF(font_, painter_.device()).tightBoundingRect(text);
  painter_.drawText(centre - ink.center(), text);
}

}  // namespace stereona::drawings
