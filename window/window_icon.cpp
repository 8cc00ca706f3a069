#include "window/window_icon.h"

#include <QPainter>
#include <QPainterPath>

#include "form/back_colour.h"

namespace stereona::window {
namespace {

// The window's own colours, and two darker blues of the icon's own.
const QColor kBackground = QColor::fromRgb(form::kFormBack);
const QColor kBody = QColor::fromRgb(form::kOptionBack);
const QColor kShade(0x50, 0x50, 0xC0);
const QColor kOutline(0x20, 0x20, 0x60);
const QColor kApex = QColor::fromRgb(form::kTitleBack);

void DrawCone(QPainter& painter) {
  const QRectF base(5.0, 21.0, 22.0, 8.0);
  const QPointF apex(16.0, 3.0);
  QPainterPath lit;  // the left half of the side, towards the light
  lit.moveTo(apex);
  lit.lineTo(base.left(), base.center().y());
  lit.arcTo(base, 180.0, 90.0);
  lit.closeSubpath();
  QPainterPath side;
  side.moveTo(apex);
  side.lineTo(base.left(), base.center().y());
  side.arcTo(base, 180.0, 180.0);
  side.closeSubpath();

  painter.setPen(Qt::NoPen);
  painter.setBrush(kShade);
  painter.drawPath(side);
  painter.setBrush(kBody);
  painter.drawPath(lit);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kOutline, 1.2));
  painter.drawPath(side);
  painter.setPen(QPen(kOutline, 0.8, Qt::DotLine));
  painter.drawArc(base, 0, 180 * 16);  // the hidden back rim
  painter.setPen(Qt::NoPen);
  painter.setBrush(kApex);
  painter.drawEllipse(apex + QPointF(0.0, 0.5), 2.0, 2.0);
}

}  // namespace

void PaintIcon(QPainter& painter) {
  // Opaque, in the window's own back colour: icon formats of 256 colours
  // keep transparency poorly, and the palette then takes the few dozen
  // shades of the smoothed edges exactly, without dithering.
  painter.fillRect(QRectF(0.0, 0.0, kIconSize, kIconSize), kBackground);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawCone(painter);
}

QImage IconImage() {
  QImage canvas(kIconSize, kIconSize, QImage::Format_RGB32);
  {
    QPainter painter(&canvas);
    PaintIcon(painter);
  }
  return canvas.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
}

}  // namespace stereona::window
