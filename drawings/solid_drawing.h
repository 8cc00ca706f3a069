#pragma once

#include <cstddef>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include "core/bodies.h"

// The labelled drawing of a body as an image, and as the tooltip of its body
// selector Option1(body). `body` is the selector's index, below kBodyCount.
// The labels are written in the caller's font, the one its captions use, so
// that a drawing names the quantities as the window does. A QGuiApplication
// must exist (the labels need fonts).
namespace stereona::drawings {

// The drawing on a white ground of kDrawingSize logical pixels, on whatever
// the painter paints: an image, or an SVG file for the browser.
void PaintSolidDrawing(QPainter& painter, BodyIndex shape, const Body& description,
                       const QFont& labels);

// kDrawingSize logical pixels on a white ground, rendered with
// `devicePixelRatio` physical pixels per logical one and marked so.
QImage SolidDrawingImage(BodyIndex shape, const Body& description, qreal devicePixelRatio,
                         const QFont& labels);
QImage SolidDrawingImage(std::size_t body, qreal devicePixelRatio, const QFont& labels);

// Rich text for QWidget::setToolTip: the drawing as an embedded PNG, sized
// in logical pixels so that a high-DPI screen shows all of its pixels.
QString SolidDrawingToolTip(std::size_t body, qreal devicePixelRatio, const QFont& labels);

}  // namespace stereona::drawings
