#include "drawings/figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace stereona::figures {
namespace {

class BoxGrowth {
 public:
  void Add(Point point) {
    if (empty_) {
      box_ = {point.x, point.y, point.x, point.y};
      empty_ = false;
      return;
    }
    box_.left = std::min(box_.left, point.x);
    box_.top = std::min(box_.top, point.y);
    box_.right = std::max(box_.right, point.x);
    box_.bottom = std::max(box_.bottom, point.y);
  }
  Box Result() const { return box_; }

 private:
  Box box_;
  bool empty_ = true;
};

Point OnEllipse(Point centre, double radiusX, double radiusY, double angle) {
  return {centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)};
}

// An arc reaches its extremes at its ends and at the quarter turns it passes.
void AddArc(BoxGrowth& box, Point centre, double radiusX, double radiusY, double start,
            double sweep) {
  const double from = std::min(start, start + sweep);
  const double to = std::max(start, start + sweep);
  box.Add(OnEllipse(centre, radiusX, radiusY, from));
  box.Add(OnEllipse(centre, radiusX, radiusY, to));
  const double quarter = std::numbers::pi / 2;
  // The quarter turns between the ends, where the ellipse reaches furthest.
  for (auto k = static_cast<long>(std::ceil(from / quarter)); static_cast<double>(k) * quarter < to;
       ++k) {
    box.Add(OnEllipse(centre, radiusX, radiusY, static_cast<double>(k) * quarter));
  }
}

void AddShape(BoxGrowth& box, const Shape& shape) {
  if (const auto* polygon = std::get_if<PolygonShape>(&shape)) {
    for (const Point corner : polygon->corners) box.Add(corner);
  } else if (const auto* circle = std::get_if<CircleShape>(&shape)) {
    AddArc(box, circle->centre, circle->radius, circle->radius, 0, 2 * std::numbers::pi);
  } else if (const auto* ring = std::get_if<RingSectorShape>(&shape)) {
    AddArc(box, ring->centre, ring->outer, ring->outer, ring->start, ring->sweep);
    AddArc(box, ring->centre, ring->inner, ring->inner, ring->start, ring->sweep);
  }
}

void AppendArc(std::vector<Point>& points, Point centre, double radius, double start, double sweep,
               double step) {
  const int count = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / step)));
  for (int i = 0; i <= count; ++i)
    points.push_back(OnEllipse(centre, radius, radius, start + sweep * i / count));
}

}  // namespace

Box Bounds(const Figure& figure) {
  BoxGrowth box;
  for (const Piece& piece : figure.pieces) AddShape(box, piece.shape);
  for (const Polygon& polygon : figure.polygons)
    for (const Point corner : polygon.corners) box.Add(corner);
  for (const Circle& circle : figure.circles)
    AddArc(box, circle.centre, circle.radius, circle.radius, 0, 2 * std::numbers::pi);
  for (const Arc& arc : figure.arcs)
    AddArc(box, arc.centre, arc.radiusX, arc.radiusY, arc.start, arc.sweep);
  for (const Segment& segment : figure.segments) {
    box.Add(segment.from);
    box.Add(segment.to);
  }
  for (const Label& label : figure.labels) box.Add(label.anchor);
  return box.Result();
}

std::string TextAlternative(const Figure& figure) {
  std::string text = figure.title;
  const auto sentence = [&text](const std::string& part) {
    if (part.empty()) return;
    text += text.empty() ? "" : ". ";
    text += part;
  };
  for (const Piece& piece : figure.pieces) {
    std::string line = piece.kind;
    for (std::size_t i = 0; i < piece.sizes.size(); ++i)
      line += (i == 0 ? ": " : ", ") + piece.sizes[i];
    if (!piece.area.empty()) line += "; " + piece.area;
    sentence(line);
  }
  if (figure.pieces.empty())
    for (const Label& label : figure.labels) sentence(label.text);
  if (!text.empty()) text += ".";
  return text;
}

std::vector<Point> Outline(const Shape& shape, double step) {
  std::vector<Point> points;
  if (const auto* polygon = std::get_if<PolygonShape>(&shape)) {
    points = polygon->corners;
  } else if (const auto* circle = std::get_if<CircleShape>(&shape)) {
    AppendArc(points, circle->centre, circle->radius, 0, 2 * std::numbers::pi, step);
    points.pop_back();  // the first point again
  } else if (const auto* ring = std::get_if<RingSectorShape>(&shape)) {
    AppendArc(points, ring->centre, ring->outer, ring->start, ring->sweep, step);
    if (ring->inner > 0)
      AppendArc(points, ring->centre, ring->inner, ring->start + ring->sweep, -ring->sweep, step);
    else
      points.push_back(ring->centre);
  }
  return points;
}

bool Contains(const std::vector<Point>& polygon, Point point) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point a = polygon[i];
    const Point b = polygon[j];
    if ((a.y > point.y) != (b.y > point.y) &&
        point.x < (b.x - a.x) * (point.y - a.y) / (b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside;
}

bool Covers(const Shape& shape, Point point) {
  // Rounding's share of a radius. Squares, not std::hypot: the glue tabs
  // ask this of thousands of points each time a net is drawn.
  constexpr double kHair = 1e-9;
  const auto squared = [](double length) { return length * length; };
  if (const auto* polygon = std::get_if<PolygonShape>(&shape))
    return Contains(polygon->corners, point);
  if (const auto* circle = std::get_if<CircleShape>(&shape)) {
    return squared(point.x - circle->centre.x) + squared(point.y - circle->centre.y) <
           squared(circle->radius * (1 - kHair));
  }
  const auto& ring = std::get<RingSectorShape>(shape);
  const double dx = point.x - ring.centre.x, dy = point.y - ring.centre.y;
  const double squaredRadius = squared(dx) + squared(dy);
  if (squaredRadius <= squared(ring.inner * (1 + kHair)) ||
      squaredRadius >= squared(ring.outer * (1 - kHair)))
    return false;
  const double turn = 2 * std::numbers::pi;
  if (std::abs(ring.sweep) >= turn) return true;
  // The angle past the sector's first side, turning the way it sweeps.
  const double past = std::atan2(dy, dx) - ring.start;
  const double along = std::fmod(ring.sweep >= 0 ? past : -past, turn);
  return (along < 0 ? along + turn : along) < std::abs(ring.sweep);
}

}  // namespace stereona::figures
