#pragma once

#include <cmath>
#include <numbers>
#include <variant>
#include <vector>

#include "drawings/figure.h"

// The tests' own reading of a net: each piece and tab as a polygon, and
// whether two of them overlap, written apart from the library's outlines.
namespace stereona::figures::testing {

using Ring = std::vector<Point>;

inline Point At(Point centre, double radius, double angle) {
  return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

// Vertices on the true outline, so that curved pieces that touch at a
// point come out apart.
inline Ring Approximate(const Shape& shape) {
  constexpr int kSteps = 720;
  Ring ring;
  if (const auto* polygon = std::get_if<PolygonShape>(&shape)) return polygon->corners;
  if (const auto* circle = std::get_if<CircleShape>(&shape)) {
    for (int i = 0; i < kSteps; ++i)
      ring.push_back(At(circle->centre, circle->radius, 2 * std::numbers::pi * i / kSteps));
    return ring;
  }
  const auto& sector = std::get<RingSectorShape>(shape);
  for (int i = 0; i <= kSteps; ++i)
    ring.push_back(At(sector.centre, sector.outer, sector.start + sector.sweep * i / kSteps));
  if (sector.inner == 0) ring.push_back(sector.centre);
  for (int i = kSteps; i >= 0 && sector.inner > 0; --i)
    ring.push_back(At(sector.centre, sector.inner, sector.start + sector.sweep * i / kSteps));
  return ring;
}

// Which side of the line ab the point c is on, 0 within `tolerance` of it.
inline int Side(Point a, Point b, Point c, double tolerance) {
  const double cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
  const double limit = tolerance * std::hypot(b.x - a.x, b.y - a.y);
  return cross > limit ? 1 : cross < -limit ? -1 : 0;
}

inline double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::fmax(0, std::fmin(1, t));
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

inline bool StrictlyInside(const Ring& ring, Point p, double tolerance) {
  bool inside = false;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    if (DistanceToSegment(p, ring[i], ring[j]) <= tolerance) return false;
    if ((ring[i].y > p.y) != (ring[j].y > p.y) &&
        p.x < (ring[j].x - ring[i].x) * (p.y - ring[i].y) / (ring[j].y - ring[i].y) + ring[i].x)
      inside = !inside;
  }
  return inside;
}

// Sharing an edge or a point is not overlapping; crossing edges or a
// corner strictly inside the other is.
inline bool Overlap(const Ring& a, const Ring& b, double tolerance) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    const Point p = a[i], q = a[(i + 1) % a.size()];
    for (std::size_t j = 0; j < b.size(); ++j) {
      const Point r = b[j], s = b[(j + 1) % b.size()];
      if (Side(p, q, r, tolerance) * Side(p, q, s, tolerance) < 0 &&
          Side(r, s, p, tolerance) * Side(r, s, q, tolerance) < 0)
        return true;
    }
  }
  for (const Point p : a)
    if (StrictlyInside(b, p, tolerance)) return true;
  for (const Point p : b)
    if (StrictlyInside(a, p, tolerance)) return true;
  return false;
}

}  // namespace stereona::figures::testing
