// The nets close when folded: each piece is as long as the edge it is glued
// or folded to, every pair of edges that meet gets one tab, and no piece or
// tab lies on another.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "drawings/nets.h"
#include "tests/drawings/net_geometry.h"

namespace stereona::figures {
namespace {

using testing::Approximate;
using testing::Overlap;

constexpr double kPi = std::numbers::pi;

template <typename Wanted>
std::vector<Wanted> ShapesOf(const Figure& figure) {
  std::vector<Wanted> shapes;
  for (const Piece& piece : figure.pieces)
    if (const auto* shape = std::get_if<Wanted>(&piece.shape)) shapes.push_back(*shape);
  return shapes;
}

double Length(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

std::vector<double> SortedSides(const std::vector<Point>& corners) {
  std::vector<double> sides;
  for (std::size_t i = 0; i < corners.size(); ++i)
    sides.push_back(Length(corners[i], corners[(i + 1) % corners.size()]));
  std::sort(sides.begin(), sides.end());
  return sides;
}

void ExpectSides(const std::vector<Point>& corners, std::vector<double> expected) {
  std::sort(expected.begin(), expected.end());
  const std::vector<double> sides = SortedSides(corners);
  ASSERT_EQ(sides.size(), expected.size());
  for (std::size_t i = 0; i < sides.size(); ++i) EXPECT_NEAR(sides[i], expected[i], 1e-9);
}

// Radius and height pairs from flat to tall, for the cone and cylinder.
struct RoundCase {
  double R, H;
};
const RoundCase kRoundCases[] = {{6, 8}, {10, 2}, {2, 10}, {1, 0.05}, {0.3, 40}, {250, 300}};

TEST(ConeNet, SectorArcIsTheBaseCircumference) {
  for (const auto [R, H] : kRoundCases) {
    const double l = std::hypot(H, R);
    const Figure net = Net(ConeNet{R, l});
    const auto sectors = ShapesOf<RingSectorShape>(net);
    const auto circles = ShapesOf<CircleShape>(net);
    ASSERT_EQ(sectors.size(), 1u);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_NEAR(sectors[0].outer, l, 1e-12 * l);
    EXPECT_EQ(sectors[0].inner, 0);
    EXPECT_NEAR(circles[0].radius, R, 1e-12 * R);
    EXPECT_NEAR(sectors[0].outer * sectors[0].sweep, 2 * kPi * circles[0].radius, 1e-9 * R);
    EXPECT_NEAR(sectors[0].sweep * 180 / kPi, 360 * R / l, 1e-9);
  }
}

TEST(TruncatedConeNet, RingSectorArcsAreTheBasesCircumferences) {
  struct Case {
    double R1, R2, H;
  };
  for (const auto [R1, R2, H] :
       {Case{6, 3, 4}, Case{3, 6, 4}, Case{10, 9, 0.5}, Case{2, 1, 30}, Case{100, 1, 5}}) {
    const double l = std::hypot(H, R1 - R2);
    const Figure net = Net(TruncatedConeNet{R1, R2, l});
    const auto sectors = ShapesOf<RingSectorShape>(net);
    const auto circles = ShapesOf<CircleShape>(net);
    ASSERT_EQ(sectors.size(), 1u);
    ASSERT_EQ(circles.size(), 2u);
    const auto& ring = sectors[0];
    EXPECT_NEAR(ring.outer - ring.inner, l, 1e-9 * ring.outer);
    EXPECT_NEAR(ring.outer, l * std::max(R1, R2) / std::abs(R1 - R2), 1e-9 * ring.outer);
    EXPECT_NEAR(ring.outer * ring.sweep, 2 * kPi * std::max(R1, R2), 1e-9 * ring.outer);
    EXPECT_NEAR(ring.inner * ring.sweep, 2 * kPi * std::min(R1, R2), 1e-9 * ring.outer);
    std::vector<double> radii = {circles[0].radius, circles[1].radius};
    std::sort(radii.begin(), radii.end());
    EXPECT_DOUBLE_EQ(radii[0], std::min(R1, R2));
    EXPECT_DOUBLE_EQ(radii[1], std::max(R1, R2));
  }
}

TEST(TruncatedConeNet, EqualRadiiAreACylinder) {
  const Figure net = Net(TruncatedConeNet{4, 4, 7});
  EXPECT_TRUE(ShapesOf<RingSectorShape>(net).empty());
  ASSERT_EQ(ShapesOf<PolygonShape>(net).size(), 1u);
  ExpectSides(ShapesOf<PolygonShape>(net)[0].corners, {2 * kPi * 4, 2 * kPi * 4, 7, 7});
}

TEST(CylinderNet, RectangleIsTheCircumferenceLong) {
  for (const auto [R, H] : kRoundCases) {
    const Figure net = Net(CylinderNet{R, H});
    const auto rectangles = ShapesOf<PolygonShape>(net);
    const auto circles = ShapesOf<CircleShape>(net);
    ASSERT_EQ(rectangles.size(), 1u);
    ASSERT_EQ(circles.size(), 2u);
    for (const auto& circle : circles) EXPECT_DOUBLE_EQ(circle.radius, R);
    ExpectSides(rectangles[0].corners, {2 * kPi * R, 2 * kPi * R, H, H});
  }
}

struct FlatCase {
  double a, b, H;  // b unused by the pyramid
};
const FlatCase kFlatCases[] = {{6, 4, 8}, {10, 2, 1}, {2, 1, 30}, {3, 9, 2}, {100, 99, 0.1}};

TEST(PyramidNet, TrianglesFitTheBaseAndEachOther) {
  for (const auto [a, unused, H] : kFlatCases) {
    const double k = std::hypot(H, a / 2);
    const double edge = std::hypot(k, a / 2);
    const auto polygons = ShapesOf<PolygonShape>(Net(PyramidNet{a, k}));
    ASSERT_EQ(polygons.size(), 5u);
    ExpectSides(polygons[0].corners, {a, a, a, a});
    for (std::size_t i = 1; i < 5; ++i) ExpectSides(polygons[i].corners, {a, edge, edge});
  }
}

TEST(TruncatedPyramidNet, TrapezoidsFitTheBasesAndEachOther) {
  for (const auto [a, b, H] : kFlatCases) {
    const double half = (a - b) / 2;
    const double k = std::hypot(H, half);
    const double edge = std::hypot(k, half);
    const auto polygons = ShapesOf<PolygonShape>(Net(TruncatedPyramidNet{a, b, k}));
    ASSERT_EQ(polygons.size(), 6u);
    std::vector<double> squares = {SortedSides(polygons[0].corners)[0],
                                   SortedSides(polygons[1].corners)[0]};
    std::sort(squares.begin(), squares.end());
    EXPECT_NEAR(squares[0], std::min(a, b), 1e-9);
    EXPECT_NEAR(squares[1], std::max(a, b), 1e-9);
    for (std::size_t i = 2; i < 6; ++i) ExpectSides(polygons[i].corners, {a, b, edge, edge});
  }
}

TEST(BoxNet, SixRectanglesInPairs) {
  const auto polygons = ShapesOf<PolygonShape>(Net(BoxNet{4, 3, 5}));
  ASSERT_EQ(polygons.size(), 6u);
  std::vector<std::vector<double>> faces;
  faces.reserve(polygons.size());
  for (const auto& polygon : polygons) faces.push_back(SortedSides(polygon.corners));
  std::sort(faces.begin(), faces.end());
  const std::vector<std::vector<double>> expected = {{3, 3, 4, 4}, {3, 3, 4, 4}, {3, 3, 5, 5},
                                                     {3, 3, 5, 5}, {4, 4, 5, 5}, {4, 4, 5, 5}};
  ASSERT_EQ(faces.size(), expected.size());
  for (std::size_t i = 0; i < faces.size(); ++i)
    for (std::size_t j = 0; j < 4; ++j) EXPECT_NEAR(faces[i][j], expected[i][j], 1e-12);
}

// A polyhedron's net is a tree of its F faces joined by F - 1 folds; each of
// its other E - F + 1 edges is a pair of net edges, glued by one tab: the
// tab's base is folded, its partner cut.
TEST(PolyhedronNets, OneTabOnEachPairOfEdgesThatMeet) {
  struct Case {
    const char* name;
    Figure net;
    std::size_t edges, faces;
  };
  const Case cases[] = {{"box", Net(BoxNet{4, 3, 5}), 12, 6},
                        {"pyramid", Net(PyramidNet{6, 5}), 8, 5},
                        {"truncated pyramid", Net(TruncatedPyramidNet{8, 4, 3}), 12, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto count = [&](Stroke stroke) {
      return std::count_if(c.net.segments.begin(), c.net.segments.end(),
                           [&](const Segment& s) { return s.stroke == stroke; });
    };
    const std::size_t glued = c.edges - c.faces + 1;
    EXPECT_EQ(c.net.polygons.size(), glued);
    EXPECT_EQ(std::size_t(count(Stroke::Fold)), c.edges);
    EXPECT_EQ(std::size_t(count(Stroke::Cut)), glued);
    // Each tab stands on a fold of its own.
    std::vector<const Segment*> bases;
    for (const Polygon& tab : c.net.polygons) {
      const auto base =
          std::find_if(c.net.segments.begin(), c.net.segments.end(), [&](const Segment& s) {
            return s.stroke == Stroke::Fold && Length(s.from, tab.corners.front()) < 1e-12 &&
                   Length(s.to, tab.corners.back()) < 1e-12;
          });
      ASSERT_NE(base, c.net.segments.end());
      EXPECT_EQ(std::count(bases.begin(), bases.end(), &*base), 0);
      bases.push_back(&*base);
    }
  }
}

// Most of each base's rim carries teeth; where it touches its piece it
// cannot.
TEST(RoundNets, EveryBaseIsGluedAlongMostOfItsRim) {
  const Figure nets[] = {Net(ConeNet{6, 10}), Net(ConeNet{10, std::hypot(10, 2)}),
                         Net(CylinderNet{3, 8}), Net(TruncatedConeNet{6, 3, 5}),
                         Net(TruncatedConeNet{2, 1, 30})};
  for (const Figure& net : nets) {
    SCOPED_TRACE(net.title);
    for (const auto& circle : ShapesOf<CircleShape>(net)) {
      double folded = 0;
      for (const Arc& arc : net.arcs)
        if (arc.stroke == Stroke::Fold && Length(arc.centre, circle.centre) < 1e-12)
          folded += arc.sweep;
      EXPECT_GT(folded, kPi / 2) << "radius " << circle.radius;
    }
  }
}

std::vector<Figure> EveryNet() {
  std::vector<Figure> nets;
  for (const auto [R, H] : kRoundCases) {
    nets.push_back(Net(ConeNet{R, std::hypot(H, R)}));
    nets.push_back(Net(CylinderNet{R, H}));
    nets.push_back(Net(TruncatedConeNet{R, R / 3, std::hypot(H, R * 2 / 3)}));
  }
  for (const auto [a, b, H] : kFlatCases) {
    nets.push_back(Net(PyramidNet{a, std::hypot(H, a / 2)}));
    nets.push_back(Net(TruncatedPyramidNet{a, b, std::hypot(H, (a - b) / 2)}));
    nets.push_back(Net(BoxNet{a, b, H}));
  }
  return nets;
}

TEST(Nets, NoPieceOrTabLiesOnAnother) {
  for (const Figure& net : EveryNet()) {
    SCOPED_TRACE(net.title + ", " + std::to_string(net.bounds.Width()) + " wide");
    std::vector<testing::Ring> parts;
    for (const Piece& piece : net.pieces) parts.push_back(Approximate(piece.shape));
    for (const Polygon& tab : net.polygons) parts.push_back(tab.corners);
    const double tolerance = 1e-9 * std::max(net.bounds.Width(), net.bounds.Height());
    for (std::size_t i = 0; i < parts.size(); ++i)
      for (std::size_t j = i + 1; j < parts.size(); ++j)
        EXPECT_FALSE(Overlap(parts[i], parts[j], tolerance)) << "parts " << i << " and " << j;
  }
}

// The glue tabs keep off the pieces by this test; a sector that crosses the
// angle 0, or sweeps the other way, must still hold only its own angles.
TEST(Shapes, CoverTheirInsideAndNotTheirRim) {
  const Shape ring = RingSectorShape{{0, 0}, 1, 2, -0.5, 1};
  const Shape backwards = RingSectorShape{{0, 0}, 0, 2, 0.5, -1};
  const Shape circle = CircleShape{{5, 0}, 1};
  const struct {
    const Shape* shape;
    Point point;
    bool covered;
  } cases[] = {
      {&ring, {1.5, 0}, true},      {&ring, {1.5 * std::cos(-0.4), 1.5 * std::sin(-0.4)}, true},
      {&ring, {-1.5, 0}, false},    {&ring, {1.5 * std::cos(0.6), 1.5 * std::sin(0.6)}, false},
      {&ring, {0.5, 0}, false},     {&ring, {2.5, 0}, false},
      {&backwards, {1, 0.1}, true}, {&backwards, {1, -0.1}, true},
      {&backwards, {0, 1}, false},  {&circle, {5.5, 0.5}, true},
      {&circle, {6, 0}, false},     {&circle, {5 + std::cos(1.0), std::sin(1.0)}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Covers(*c.shape, c.point), c.covered) << c.point.x << ", " << c.point.y;
}

TEST(Nets, LengthsThatAreNotPositiveGiveNoFigure) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const double bad : {0.0, -1.0, nan, inf}) {
    EXPECT_TRUE(Net(ConeNet{bad, 5}).pieces.empty());
    EXPECT_TRUE(Net(ConeNet{5, bad}).pieces.empty());
    EXPECT_TRUE(Net(TruncatedConeNet{3, bad, 5}).pieces.empty());
    EXPECT_TRUE(Net(CylinderNet{bad, 5}).pieces.empty());
    EXPECT_TRUE(Net(PyramidNet{5, bad}).pieces.empty());
    EXPECT_TRUE(Net(TruncatedPyramidNet{bad, 2, 5}).pieces.empty());
    EXPECT_TRUE(Net(BoxNet{1, 2, bad}).pieces.empty());
  }
  // A generatrix no longer than what it spans leaves no height.
  EXPECT_TRUE(Net(ConeNet{5, 5}).pieces.empty());
  EXPECT_TRUE(Net(TruncatedConeNet{6, 2, 3}).pieces.empty());
  // Overflowing lengths give nothing rather than infinite coordinates.
  EXPECT_TRUE(Net(BoxNet{1e308, 1e308, 1e308}).pieces.empty());
}

}  // namespace
}  // namespace stereona::figures
