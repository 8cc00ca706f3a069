#include "drawings/solid_figures.h"

#include "drawings/figure_parts.h"

// Coordinates are logical pixels of the 200 x 160 drawing, y downwards.
// Each body's quantity slots follow its row of kBodies: slot 1 is the height
// for all but the box, whose slots 1 to 3 are its edges.
namespace stereona::drawings {
namespace {

// Leaning back to the right by as much as one receding edge of a square.
const QPointF kDepth(44, -30);
// Where labels sit from the middle of their segments.
const QPointF kLeftOfHeight(-11, 0);
const QPointF kBelowRadius(0, 10);
const QPointF kBelowEdge(0, 11);

void DrawCone(Canvas& canvas, const Body& body) {
  const QPointF foot(100, 122);
  const QPointF apex(100, 14);
  const qreal radius = 72;
  RoundSolid(canvas, foot, radius, apex, 0);
  Height(canvas, apex, foot, {1, 0}, kLeftOfHeight, QuantityCaption(body, 1));
  LabelledSegment(canvas, foot, foot + QPointF(radius, 0), Stroke::Measure, kBelowRadius,
                  QuantityCaption(body, 2));
}

void DrawTruncatedCone(Canvas& canvas, const Body& body) {
  const QPointF bottom(100, 124);
  const QPointF top(100, 36);
  const qreal bottomRadius = 72;
  const qreal topRadius = 40;
  RoundSolid(canvas, bottom, bottomRadius, top, topRadius);
  Height(canvas, top, bottom, {1, 0}, kLeftOfHeight, QuantityCaption(body, 1));
  LabelledSegment(canvas, bottom, bottom + QPointF(bottomRadius, 0), Stroke::Measure, kBelowRadius,
                  QuantityCaption(body, 2));
  // The top circle is too flat to hold a label, so R2 sits just past its end.
  LabelledSegment(canvas, top, top + QPointF(topRadius, 0), Stroke::Measure,
                  QPointF(topRadius / 2 + 15, -2), QuantityCaption(body, 3));
  canvas.Dot(top);
}

void DrawPyramid(Canvas& canvas, const Body& body) {
  const Flat base = FlatRectangle({28, 136}, 112, kDepth);
  const QPointF foot = Centre(base);
  const QPointF apex(foot.x(), 14);
  FlatSolid(canvas, base, Apex(apex));
  BaseDiagonals(canvas, base);
  // Lower down, where the hidden edge to the back corner has moved away.
  Height(canvas, apex, foot, base.frontRight - foot, kLeftOfHeight + QPointF(0, 20),
         QuantityCaption(body, 1));
  LabelledSegment(canvas, base.frontLeft, base.frontRight, Stroke::Measure, kBelowEdge,
                  QuantityCaption(body, 2));
}

void DrawTruncatedPyramid(Canvas& canvas, const Body& body) {
  const Flat bottom = FlatRectangle({28, 138}, 112, kDepth);
  const QPointF foot = Centre(bottom);
  const Flat top = ScaledFlat(bottom, 0.6, QPointF(foot.x(), 34));
  FlatSolid(canvas, bottom, top);
  BaseDiagonals(canvas, bottom);
  Height(canvas, Centre(top), foot, bottom.frontRight - foot, kLeftOfHeight,
         QuantityCaption(body, 1));
  LabelledSegment(canvas, bottom.frontLeft, bottom.frontRight, Stroke::Measure, kBelowEdge,
                  QuantityCaption(body, 2));
  // On the top face: below the edge it would sit between the height and a
  // hidden edge and could be read as naming either.
  LabelledSegment(canvas, top.frontLeft, top.frontRight, Stroke::Measure, {0, -9},
                  QuantityCaption(body, 3));
  canvas.Dot(Centre(top));
}

void DrawCylinder(Canvas& canvas, const Body& body) {
  const QPointF bottom(100, 126);
  const QPointF top(100, 34);
  const qreal radius = 62;
  RoundSolid(canvas, bottom, radius, top, radius);
  Height(canvas, top, bottom, {1, 0}, kLeftOfHeight, QuantityCaption(body, 1));
  LabelledSegment(canvas, bottom, bottom + QPointF(radius, 0), Stroke::Measure, kBelowRadius,
                  QuantityCaption(body, 2));
  canvas.Dot(top);
}

void DrawParallelepiped(Canvas& canvas, const Body& body) {
  const Flat bottom = FlatRectangle({30, 142}, 110, kDepth);
  const QPointF up(0, -88);
  const Flat top = ScaledFlat(bottom, 1, Centre(bottom) + up);
  FlatSolid(canvas, bottom, top);
  LabelledSegment(canvas, bottom.frontLeft, bottom.frontRight, Stroke::Measure, kBelowEdge,
                  QuantityCaption(body, 1));
  LabelledSegment(canvas, bottom.frontRight, bottom.backRight, Stroke::Measure, {10, 8},
                  QuantityCaption(body, 2));
  LabelledSegment(canvas, bottom.frontLeft, top.frontLeft, Stroke::Measure, {-10, 0},
                  QuantityCaption(body, 3));
}

}  // namespace

void DrawSolid(Canvas& canvas, BodyIndex shape, const Body& body) {
  switch (shape) {
    case BodyIndex::Cone:
      return DrawCone(canvas, body);
    case BodyIndex::TruncatedCone:
      return DrawTruncatedCone(canvas, body);
    case BodyIndex::Pyramid:
      return DrawPyramid(canvas, body);
    case BodyIndex::TruncatedPyramid:
      return DrawTruncatedPyramid(canvas, body);
    case BodyIndex::Cylinder:
      return DrawCylinder(canvas, body);
    case BodyIndex::Parallelepiped:
      return DrawParallelepiped(canvas, body);
  }
}

}  // namespace stereona::drawings
