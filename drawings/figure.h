#pragma once

#include <string>
#include <variant>
#include <vector>

// A figure as plain geometry, free of any toolkit: the solid drawn to its
// numbers and its net are built as this, and the faces only paint it (a
// QPainter in the window, SVG for the page and the documents). Coordinates
// are in the solid's unit (centimetres unless the pupil chose another), x to
// the right and y downwards, as on a screen and in SVG.
namespace stereona::figures {

struct Point {
  double x = 0;
  double y = 0;
};

// What a line means, and so how every output draws it.
enum class Stroke {
  Edge,        // an edge of the solid the viewer sees
  HiddenEdge,  // an edge behind the solid
  Fold,        // a net's edge between two pieces: folded, not cut
  Cut,         // a net's outline: cut along
  GlueTab,     // the outline of a glue tab, cut along; its base is a Fold
  Measure,     // a length the problem gives or asks: a height, a radius
};

struct Segment {
  Point from, to;
  Stroke stroke = Stroke::Edge;
};

// Part of the axis-parallel ellipse (a circle when the radii are equal)
// through centre + (radiusX cos t, radiusY sin t), for t from `start` over
// `sweep` radians; with y downwards a positive sweep turns clockwise on the
// screen, as SVG's sweep flag 1 does.
struct Arc {
  Point centre;
  double radiusX = 0, radiusY = 0;
  double start = 0, sweep = 0;
  Stroke stroke = Stroke::Edge;
};

struct Circle {
  Point centre;
  double radius = 0;
  Stroke stroke = Stroke::Cut;
};

// A closed outline: a glue tab.
struct Polygon {
  std::vector<Point> corners;
  Stroke stroke = Stroke::GlueTab;
};

// Where a label's text stands from its anchor, at a distance the output
// chooses from its font (model units say nothing about the size of letters).
// AboveAnother stands a line higher than Above, over a label placed Above
// at about the same point.
enum class Placement { Centre, Above, AboveAnother, Below, Left, Right };

struct Label {
  Point anchor;
  std::string text;
  Placement placement = Placement::Centre;
};

// The region of a piece of a net, for its shading and for the checks that
// pieces do not overlap. Its outline is drawn by the figure's strokes.
struct PolygonShape {
  std::vector<Point> corners;
};
struct CircleShape {
  Point centre;
  double radius = 0;
};
// A circular sector (inner 0) or ring sector, over the angles of an Arc.
struct RingSectorShape {
  Point centre;
  double inner = 0, outer = 0;
  double start = 0, sweep = 0;
};
using Shape = std::variant<PolygonShape, CircleShape, RingSectorShape>;

// A face of the solid in its net, with the texts the text alternative
// lists: what it is ("кръгов сектор"), its lengths ("l = 10") and its area.
struct Piece {
  Shape shape;
  std::string kind;
  std::vector<std::string> sizes;
  std::string area;
};

struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
};

struct Figure {
  std::string title;  // what the figure shows: «Развивка на конус»
  std::vector<Piece> pieces;
  std::vector<Polygon> polygons;
  std::vector<Circle> circles;
  std::vector<Arc> arcs;
  std::vector<Segment> segments;
  std::vector<Label> labels;
  Box bounds;  // of the geometry, labels left out: Bounds() below
};

// The box round every piece, polygon, circle, arc and segment, and each
// label's anchor; an empty figure's is all zeros.
Box Bounds(const Figure& figure);

// The figure's text alternative: its title, then each piece with its sizes
// and area, or, for a drawing without pieces, its labels.
std::string TextAlternative(const Figure& figure);

// The outline of a shape as a polygon whose vertices lie on the true
// outline, at most `step` radians apart along its arcs.
std::vector<Point> Outline(const Shape& shape, double step);

// Whether `point` lies inside `polygon` (even-odd rule).
bool Contains(const std::vector<Point>& polygon, Point point);

// Whether `point` lies inside the shape and off its outline (a point on a
// circle, within rounding, is not in it); exact for the round shapes, which
// Outline() only approaches.
bool Covers(const Shape& shape, Point point);

}  // namespace stereona::figures
