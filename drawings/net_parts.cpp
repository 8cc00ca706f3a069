#include "drawings/net_parts.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "drawings/figure_words.h"

namespace stereona::figures {
namespace {

// Teeth are about twice as wide as deep, with gaps between them.
constexpr double kToothShareOfSlot = 0.6;
// Base points of a tooth along its arc, and samples of its outline checked
// against the pieces.
constexpr int kToothBasePoints = 6;
constexpr int kToothCheckSamples = 10;
// The check looks a little further out than the tooth reaches.
constexpr double kToothClearance = 1.3;

Point Along(Point from, Point to, double t) { return from + (to - from) * t; }

std::vector<Point> ToothOutline(Point centre, double radius, double depth, double from, double to,
                                bool forCheck) {
  // The base lies just outside the circle (on the polygon round it, not in
  // it), so that a tooth never covers the circle it is glued to.
  const double half = (to - from) / (2 * (kToothBasePoints - 1));
  const double base = radius / std::cos(half);
  const double reach = radius + depth * (forCheck ? kToothClearance : 1);
  const double slant = (to - from) * 0.2;
  std::vector<Point> corners = {Polar(centre, reach, from + slant),
                                Polar(centre, reach, to - slant)};
  for (int i = kToothBasePoints - 1; i >= 0; --i)
    corners.push_back(Polar(centre, base, from + (to - from) * i / (kToothBasePoints - 1)));
  return corners;
}

Box Around(const std::vector<Point>& points) {
  Box box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Point point : points) {
    box.left = std::min(box.left, point.x);
    box.top = std::min(box.top, point.y);
    box.right = std::max(box.right, point.x);
    box.bottom = std::max(box.bottom, point.y);
  }
  return box;
}

// A box round the shape; a ring sector's is its whole circle's, which is
// enough to pass over the pieces far from a tooth.
Box Around(const Shape& shape) {
  if (const auto* polygon = std::get_if<PolygonShape>(&shape)) return Around(polygon->corners);
  const auto* circle = std::get_if<CircleShape>(&shape);
  const Point centre = circle ? circle->centre : std::get<RingSectorShape>(shape).centre;
  const double radius = circle ? circle->radius : std::get<RingSectorShape>(shape).outer;
  return {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
}

bool Meet(const Box& a, const Box& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

bool ReachesAPiece(const std::vector<Piece>& pieces, const std::vector<Point>& tooth) {
  const Box reach = Around(tooth);
  for (const Piece& piece : pieces) {
    if (!Meet(reach, Around(piece.shape))) continue;
    for (std::size_t i = 0; i < tooth.size(); ++i) {
      const Point from = tooth[i];
      const Point to = tooth[(i + 1) % tooth.size()];
      for (int s = 0; s < kToothCheckSamples; ++s)
        if (Covers(piece.shape, Along(from, to, double(s) / kToothCheckSamples))) return true;
    }
  }
  return false;
}

void AddArc(Figure& figure, Point centre, double radius, double start, double sweep,
            Stroke stroke) {
  figure.arcs.push_back({centre, radius, radius, start, sweep, stroke});
}

}  // namespace

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, double factor) { return {a.x * factor, a.y * factor}; }
double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }
Point Polar(Point centre, double radius, double angle) {
  return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

bool AllPositive(std::initializer_list<double> lengths) {
  return std::all_of(lengths.begin(), lengths.end(),
                     [](double length) { return std::isfinite(length) && length > 0; });
}

void AddPiece(Figure& figure, Shape shape, Point inside, std::string_view kind,
              std::vector<std::string> sizes, const std::string& area, Placement placement) {
  figure.pieces.push_back({std::move(shape), std::string(kind), std::move(sizes), area});
  AddLabel(figure, inside, area, placement);
}

Placement PlacementToward(Point direction) {
  if (std::abs(direction.x) >= std::abs(direction.y))
    return direction.x >= 0 ? Placement::Right : Placement::Left;
  return direction.y >= 0 ? Placement::Below : Placement::Above;
}

Figure Finished(Figure figure, std::string_view bodyCaption) {
  figure.bounds = Bounds(figure);
  const Box& box = figure.bounds;
  if (!std::isfinite(box.Width()) || !std::isfinite(box.Height())) return {};
  figure.title = std::string(words::kNetOf) + std::string(bodyCaption);
  return figure;
}

void AddLabel(Figure& figure, Point anchor, const std::string& text, Placement placement) {
  if (!text.empty()) figure.labels.push_back({anchor, text, placement});
}

void FoldEdge(Figure& figure, Point from, Point to) {
  figure.segments.push_back({from, to, Stroke::Fold});
}

void CutEdge(Figure& figure, Point from, Point to) {
  figure.segments.push_back({from, to, Stroke::Cut});
}

void TabbedEdge(Figure& figure, Point from, Point to, Point inside, double depth) {
  const double length = Distance(from, to);
  depth = std::min(depth, length / 2);
  const Point along = (to - from) * (1 / length);
  Point normal{-along.y, along.x};
  const Point middle = Along(from, to, 0.5);
  const Point towardsInside = inside - middle;
  if (normal.x * towardsInside.x + normal.y * towardsInside.y > 0) normal = normal * -1;
  const double inset = std::min(depth, length * 0.3);
  figure.polygons.push_back(
      {{from, from + along * inset + normal * depth, to - along * inset + normal * depth, to},
       Stroke::GlueTab});
  FoldEdge(figure, from, to);
}

void ToothedCircle(Figure& figure, Point centre, double radius, double depth) {
  depth = std::min(depth, radius * 0.4);
  const int count = std::max(8, static_cast<int>(std::round(2 * kPi * radius / (2.5 * depth))));
  const double slot = 2 * kPi / count;
  const double tooth = slot * kToothShareOfSlot;
  for (int i = 0; i < count; ++i) {
    const double from = i * slot;
    if (ReachesAPiece(figure.pieces,
                      ToothOutline(centre, radius, depth, from, from + tooth, true))) {
      AddArc(figure, centre, radius, from, slot, Stroke::Cut);
      continue;
    }
    figure.polygons.push_back({ToothOutline(centre, radius, depth, from, from + tooth, false)});
    AddArc(figure, centre, radius, from, tooth, Stroke::Fold);
    AddArc(figure, centre, radius, from + tooth, slot - tooth, Stroke::Cut);
  }
}

}  // namespace stereona::figures
