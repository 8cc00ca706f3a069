#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

namespace stereona::drawings {

// How a stroke reads in a school figure of a solid.
enum class Stroke {
  Edge,        // an edge or outline the viewer sees: solid
  HiddenEdge,  // an edge behind the solid: dashed
  Height,      // the height, inside the solid: dashed, in the quantity colour
  Measure,     // a radius or side the student types in: solid, in the quantity colour
  Mark,        // the right-angle mark at the foot of the height
};

// The figures draw only through this, so that what a figure says (its
// labels, which edges are hidden) can be checked without reading pixels.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void Line(QPointF from, QPointF to, Stroke stroke) = 0;
  // Part of the ellipse inscribed in `bounds`; degrees counter-clockwise
  // from three o'clock as seen on the screen, like QPainter::drawArc.
  virtual void Arc(const QRectF& bounds, qreal startDegrees, qreal spanDegrees, Stroke stroke) = 0;
  // The centre of a base, where a height or a radius starts.
  virtual void Dot(QPointF centre) = 0;
  // The ink of `text` centred on `centre`, in the drawing font.
  virtual void Label(QPointF centre, const QString& text) = 0;
};

}  // namespace stereona::drawings
