#pragma once

#include <cstddef>

#include <QPointF>
#include <QString>

#include "core/bodies.h"
#include "drawings/canvas.h"

// The pieces the six figures are built from. All figures share one view:
// from the front, a little from the right and from above, so that circles
// become ellipses of one flattening and squares lean back to the right.
namespace stereona::drawings {

// The caption of quantity `slot` of `body`, as its unknown selector shows it.
QString QuantityCaption(const Body& body, std::size_t slot);

// A segment the student gives a value for, with its caption placed at
// `labelOffset` from the segment's middle.
void LabelledSegment(Canvas& canvas, QPointF from, QPointF to, Stroke stroke, QPointF labelOffset,
                     const QString& caption);

// The height from `top` down to `foot`, dashed, with the right-angle mark
// it makes with the base line leaving `foot` towards `alongBase`.
void Height(Canvas& canvas, QPointF top, QPointF foot, QPointF alongBase, QPointF labelOffset,
            const QString& caption);

// A cone, a truncated cone or a cylinder standing on its larger base: the
// bottom circle with the part behind the outline hidden, the top circle (none when
// `topRadius` is 0, the apex) and the two outer generators.
void RoundSolid(Canvas& canvas, QPointF bottomCentre, qreal bottomRadius, QPointF topCentre,
                qreal topRadius);

// A face parallel to the ground, seen as a parallelogram.
struct Flat {
  QPointF frontLeft, frontRight, backRight, backLeft;
};

// A rectangle `width` wide in front whose sides run back along `depth`.
Flat FlatRectangle(QPointF frontLeft, qreal width, QPointF depth);
QPointF Centre(const Flat& face);
// `face` shrunk by `scale` about its centre and moved to `centre`.
Flat ScaledFlat(const Flat& face, qreal scale, QPointF centre);
// A face shrunk to a point, the apex of a pyramid.
Flat Apex(QPointF apex);

// A pyramid, truncated pyramid or box: the bottom with the edges meeting at
// its back left corner hidden, the top face (none for an apex) and the
// lateral edges, of which the back left one is hidden.
void FlatSolid(Canvas& canvas, const Flat& bottom, const Flat& top);

// The two diagonals of the bottom, hidden inside the solid, that find the
// foot of a pyramid's height.
void BaseDiagonals(Canvas& canvas, const Flat& bottom);

}  // namespace stereona::drawings
