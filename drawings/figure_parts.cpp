#include "drawings/figure_parts.h"

#include <QLineF>
#include <QRectF>
#include <QtMath>

#include "qt_bridge/qt_text.h"

namespace stereona::drawings {
namespace {

// Height over width of every circle seen at the view's angle.
constexpr qreal kFlattening = 0.35;
// Length of each arm of a right-angle mark.
constexpr qreal kMarkArm = 7;

QPointF Unit(QPointF vector) {
  const qreal length = QLineF(QPointF(), vector).length();
  return vector / length;
}

void RightAngleMark(Canvas& canvas, QPointF corner, QPointF alongOne, QPointF alongOther) {
  const QPointF one = Unit(alongOne) * kMarkArm;
  const QPointF other = Unit(alongOther) * kMarkArm;
  canvas.Line(corner + one, corner + one + other, Stroke::Mark);
  canvas.Line(corner + one + other, corner + other, Stroke::Mark);
}

QRectF CircleBounds(QPointF centre, qreal radius) {
  const qreal halfHeight = radius * kFlattening;
  return QRectF(centre.x() - radius, centre.y() - halfHeight, 2 * radius, 2 * halfHeight);
}

// Where a generator on the outline touches a circle: `silhouette` degrees
// behind the ends of its width, on the right (+1) or the left (-1).
QPointF Touching(QPointF centre, qreal radius, qreal silhouette, int side) {
  const qreal angle = qDegreesToRadians(silhouette);
  return centre + QPointF(side * radius * qCos(angle), -radius * kFlattening * qSin(angle));
}

// Screen angles run counter-clockwise, so the near part of a circle is the
// one from the left outline point down through six o'clock to the right.
void Circle(Canvas& canvas, QPointF centre, qreal radius, qreal silhouette, bool farPartHidden) {
  const QRectF bounds = CircleBounds(centre, radius);
  canvas.Arc(bounds, 180 - silhouette, 180 + 2 * silhouette, Stroke::Edge);
  canvas.Arc(bounds, silhouette, 180 - 2 * silhouette,
             farPartHidden ? Stroke::HiddenEdge : Stroke::Edge);
}

void Outline(Canvas& canvas, const Flat& face) {
  canvas.Line(face.frontLeft, face.frontRight, Stroke::Edge);
  canvas.Line(face.frontRight, face.backRight, Stroke::Edge);
  canvas.Line(face.backRight, face.backLeft, Stroke::Edge);
  canvas.Line(face.backLeft, face.frontLeft, Stroke::Edge);
}

}  // namespace

QString QuantityCaption(const Body& body, std::size_t slot) {
  return ToQString(body.quantityCaptions.at(slot));
}

void LabelledSegment(Canvas& canvas, QPointF from, QPointF to, Stroke stroke, QPointF labelOffset,
                     const QString& caption) {
  canvas.Line(from, to, stroke);
  canvas.Label((from + to) / 2 + labelOffset, caption);
}

void Height(Canvas& canvas, QPointF top, QPointF foot, QPointF alongBase, QPointF labelOffset,
            const QString& caption) {
  LabelledSegment(canvas, top, foot, Stroke::Height, labelOffset, caption);
  RightAngleMark(canvas, foot, top - foot, alongBase);
  canvas.Dot(foot);
}

void RoundSolid(Canvas& canvas, QPointF bottomCentre, qreal bottomRadius, QPointF topCentre,
                qreal topRadius) {
  // The outline generators run to the apex of the whole cone and so touch
  // both circles at the same angle, which grows as the sides lean in; a
  // cylinder's touch the ends of the width.
  const qreal lean = (bottomRadius - topRadius) / (bottomCentre.y() - topCentre.y());
  const qreal silhouette = qRadiansToDegrees(qAsin(kFlattening * lean));
  Circle(canvas, bottomCentre, bottomRadius, silhouette, true);
  if (topRadius > 0) Circle(canvas, topCentre, topRadius, silhouette, false);
  for (const int side : {-1, 1})
    canvas.Line(Touching(topCentre, topRadius, silhouette, side),
                Touching(bottomCentre, bottomRadius, silhouette, side), Stroke::Edge);
}

Flat FlatRectangle(QPointF frontLeft, qreal width, QPointF depth) {
  const QPointF frontRight = frontLeft + QPointF(width, 0);
  return {frontLeft, frontRight, frontRight + depth, frontLeft + depth};
}

QPointF Centre(const Flat& face) { return (face.frontLeft + face.backRight) / 2; }

Flat ScaledFlat(const Flat& face, qreal scale, QPointF centre) {
  const QPointF from = Centre(face);
  const auto move = [&](QPointF corner) { return centre + (corner - from) * scale; };
  return {move(face.frontLeft), move(face.frontRight), move(face.backRight), move(face.backLeft)};
}

Flat Apex(QPointF apex) { return {apex, apex, apex, apex}; }

void FlatSolid(Canvas& canvas, const Flat& bottom, const Flat& top) {
  canvas.Line(bottom.frontLeft, bottom.frontRight, Stroke::Edge);
  canvas.Line(bottom.frontRight, bottom.backRight, Stroke::Edge);
  canvas.Line(bottom.backRight, bottom.backLeft, Stroke::HiddenEdge);
  canvas.Line(bottom.backLeft, bottom.frontLeft, Stroke::HiddenEdge);
  if (top.frontLeft != top.frontRight) Outline(canvas, top);
  canvas.Line(bottom.frontLeft, top.frontLeft, Stroke::Edge);
  canvas.Line(bottom.frontRight, top.frontRight, Stroke::Edge);
  canvas.Line(bottom.backRight, top.backRight, Stroke::Edge);
  canvas.Line(bottom.backLeft, top.backLeft, Stroke::HiddenEdge);
}

void BaseDiagonals(Canvas& canvas, const Flat& bottom) {
  canvas.Line(bottom.frontLeft, bottom.backRight, Stroke::HiddenEdge);
  canvas.Line(bottom.frontRight, bottom.backLeft, Stroke::HiddenEdge);
}

}  // namespace stereona::drawings
