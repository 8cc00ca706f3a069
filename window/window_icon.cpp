#include "window/window_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace stereona::window {
namespace {

const QColor kBackground(0xC0, 0xC0, 0xFF);
const QColor kBody(0x80, 0x80, 0xFF);
const QColor kShade(0x50, 0x50, 0xC0);
const QColor kOutline(0x20, 0x20, 0x60);
const QColor kApex(0xFF, 0xC0, 0x80);

void DrawCone(QPainter& painter) {
  const QRectF base(5.0, 21.0, 22.0, 8.0);
  QPainterPath side;
  side.moveTo(16.0, 3.0);
  side.lineTo(base.left(), base.center().y());
  side.arcTo(base, 180.0, 180.0);
  side.closeSubpath();

  QLinearGradient light(base.left(), 0.0, base.right(), 0.0);
  light.setColorAt(0.0, kBody);
  light.setColorAt(1.0, kShade);
  painter.setPen(QPen(kOutline, 1.2));
  painter.setBrush(light);
  painter.drawPath(side);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kOutline, 0.8, Qt::DashLine));
  painter.drawArc(base, 0, 180 * 16);  // the hidden back rim
  painter.setPen(Qt::NoPen);
  painter.setBrush(kApex);
  painter.drawEllipse(QPointF(16.0, 3.5), 2.0, 2.0);
}

}  // namespace

QImage IconImage() {
  QImage canvas(kIconSize, kIconSize, QImage::Format_ARGB32);
  canvas.fill(Qt::transparent);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackground);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31.0, 31.0), 5.0, 5.0);
    DrawCone(painter);
  }
  // Antialiasing and the gradient make more shades than a palette holds;
  // the conversion picks at most 256 of them.
  return canvas.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
}

QIcon WindowIcon() { return QIcon(QPixmap::fromImage(IconImage())); }

}  // namespace stereona::window
