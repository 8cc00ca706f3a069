#include "drawings/solid_drawing.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>

#include "drawings/drawing_style.h"
#include "drawings/painter_canvas.h"
#include "drawings/solid_figures.h"

namespace stereona::drawings {

QImage SolidDrawingImage(BodyIndex shape, const Body& description, qreal devicePixelRatio,
                         const QFont& labels) {
  QImage image((kDrawingSize * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  QPainter painter(&image);
  PaintSolidDrawing(painter, shape, description, labels);
  return image;
}

void PaintSolidDrawing(QPainter& painter, BodyIndex shape, const Body& description,
                       const QFont& labels) {
  // A ground of its own keeps black lines readable on a dark tooltip theme.
  painter.fillRect(QRectF(QPointF(0, 0), kDrawingSize), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  PainterCanvas canvas(painter, labels);
  DrawSolid(canvas, shape, description);
}

QImage SolidDrawingImage(std::size_t body, qreal devicePixelRatio, const QFont& labels) {
  return SolidDrawingImage(static_cast<BodyIndex>(body), kBodies.at(body), devicePixelRatio,
                           labels);
}

QString SolidDrawingToolTip(std::size_t body, qreal devicePixelRatio, const QFont& labels) {
  // A tooltip is a QLabel of its own, so there is no document to add a
  // resource to; a data URL carries the image inside the text instead.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  SolidDrawingImage(body, devicePixelRatio, labels).save(&buffer, "PNG");
  return QStringLiteral(R"(<img src="data:image/png;base64,%1" width="%2" height="%3">)")
      .arg(QString::fromLatin1(png.toBase64()))
      .arg(kDrawingSize.width())
      .arg(kDrawingSize.height());
}

}  // namespace stereona::drawings
