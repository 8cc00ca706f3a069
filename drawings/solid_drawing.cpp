#include "drawings/solid_drawing.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>

#include "drawings/drawing_style.h"
#include "drawings/painter_canvas.h"
#include "drawings/solid_figures.h"

namespace stereona::drawings {

QImage SolidDrawingImage(BodyIndex shape, const Body& description, qreal devicePixelRatio) {
  QImage image((kDrawingSize * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  // A ground of its own keeps black lines readable on a dark tooltip theme.
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PainterCanvas canvas(painter, LayoutFont());
  DrawSolid(canvas, shape, description);
  return image;
}

QImage SolidDrawingImage(std::size_t body, qreal devicePixelRatio) {
  return SolidDrawingImage(static_cast<BodyIndex>(body), kBodies.at(body), devicePixelRatio);
}

QString SolidDrawingToolTip(std::size_t body, qreal devicePixelRatio) {
  // A tooltip is a QLabel of its own, so there is no document to add a
  // resource to; a data URL carries the image inside the text instead.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  SolidDrawingImage(body, devicePixelRatio).save(&buffer, "PNG");
  return QStringLiteral(R"(<img src="data:image/png;base64,%1" width="%2" height="%3">)")
      .arg(QString::fromLatin1(png.toBase64()))
      .arg(kDrawingSize.width())
      .arg(kDrawingSize.height());
}

}  // namespace stereona::drawings
