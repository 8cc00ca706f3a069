#pragma once

#include <cstddef>

#include <QImage>
#include <QString>

#include "core/bodies.h"

// The labelled drawing of a body as an image, and as the tooltip of its body
// selector Option1(body). `body` is the selector's index, below kBodyCount.
// A QGuiApplication must exist (the labels need fonts).
namespace stereona::drawings {

// kDrawingSize logical pixels on a white ground, rendered with
// `devicePixelRatio` physical pixels per logical one and marked so.
QImage SolidDrawingImage(BodyIndex shape, const Body& description, qreal devicePixelRatio);
QImage SolidDrawingImage(std::size_t body, qreal devicePixelRatio);

// Rich text for QWidget::setToolTip: the drawing as an embedded PNG, sized
// in logical pixels so that a high-DPI screen shows all of its pixels.
QString SolidDrawingToolTip(std::size_t body, qreal devicePixelRatio);

}  // namespace stereona::drawings
