#pragma once

#include <QFont>
#include <QPainter>

#include "drawings/canvas.h"

namespace stereona::drawings {

// Draws the figures for real, on whatever the painter paints.
class PainterCanvas : public Canvas {
 public:
  PainterCanvas(QPainter& painter, const QFont& font);

  void Line(QPointF from, QPointF to, Stroke stroke) override;
  void Arc(const QRectF& bounds, qreal startDegrees, qreal spanDegrees, Stroke stroke) override;
  void Dot(QPointF centre) override;
  void Label(QPointF centre, const QString& text) override;

 private:
  QPainter& painter_;
  QFont font_;
};

}  // namespace stereona::drawings
