#include "drawings/solid_to_scale.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "drawings/figure_words.h"
#include "drawings/net_parts.h"

namespace stereona::figures {
namespace {

// Circles seen from a little above: height over width of their ellipses,
// lower for flat solids so that the apex stays above the base's outline.
constexpr double kFlattening = 0.35;
constexpr double kMaxLean = 0.7;
// Cabinet oblique: depth at 45°, drawn at half its length.
constexpr double kDepthAcross = 0.3535533905932738;

// The lengths of slots 1 to count-1 as drawn, and whether they had to be
// stretched to keep kMaxProportion.
struct Drawn {
  std::array<double, kMaxQuantities> lengths{};
  bool notToScale = false;
};

bool Known(double value) { return std::isfinite(value) && value > 0; }

Drawn DrawnLengths(const SolidDimensions& solid) {
  const std::size_t count = kBodies[static_cast<std::size_t>(solid.body)].quantityCount;
  double sum = 0;
  int known = 0;
  for (std::size_t slot = 1; slot < count; ++slot)
    if (Known(solid.values[slot])) sum += solid.values[slot], ++known;
  const double stand_in = known > 0 ? sum / known : 1;
  Drawn drawn;
  for (std::size_t slot = 1; slot < count; ++slot)
    drawn.lengths[slot] = Known(solid.values[slot]) ? solid.values[slot] : stand_in;
  const double longest =
      *std::max_element(drawn.lengths.begin() + 1, drawn.lengths.begin() + count);
  for (std::size_t slot = 1; slot < count; ++slot) {
    if (drawn.lengths[slot] * kMaxProportion < longest) {
      drawn.lengths[slot] = longest / kMaxProportion;
      drawn.notToScale = true;
    }
  }
  return drawn;
}

void Line(Figure& figure, Point from, Point to, Stroke stroke = Stroke::Edge) {
  figure.segments.push_back({from, to, stroke});
}

void Measured(Figure& figure, Point from, Point to, const std::string& text, Placement placement,
              Stroke stroke = Stroke::Measure) {
  Line(figure, from, to, stroke);
  AddLabel(figure, (from + to) * 0.5, text, placement);
}

// An upright round solid on its bottom base at the origin, `height` high:
// the outline generators touch both ellipses at the angle `silhouette`
// past their widest points, behind them when the solid narrows upwards.
void RoundSolid(Figure& figure, double bottom, double top, double height) {
  const double lean = (bottom - top) / height;
  const double flattening =
      lean == 0 ? kFlattening : std::min(kFlattening, kMaxLean / std::abs(lean));
  const double silhouette = std::asin(flattening * lean);
  const Point foot{0, 0}, head{0, -height};
  figure.arcs.push_back(
      {foot, bottom, bottom * flattening, -silhouette, kPi + 2 * silhouette, Stroke::Edge});
  figure.arcs.push_back({foot, bottom, bottom * flattening, kPi + silhouette, kPi - 2 * silhouette,
                         Stroke::HiddenEdge});
  if (top > 0) figure.arcs.push_back({head, top, top * flattening, 0, 2 * kPi, Stroke::Edge});
  for (const double side : {-1.0, 1.0}) {
    const auto touching = [&](Point centre, double radius) {
      return centre + Point{side * radius * std::cos(silhouette),
                            -radius * flattening * std::sin(silhouette)};
    };
    Line(figure, touching(head, top), touching(foot, bottom));
  }
}

// A point of a solid with flat faces: x across, depth back, z up.
Point Oblique(double x, double depth, double z) {
  return {x + kDepthAcross * depth, -z - kDepthAcross * depth};
}

struct Face {
  Point frontLeft, frontRight, backRight, backLeft;
};

// A square or rectangle parallel to the ground, `width` across and `depth`
// deep, centred on the depth `middle`.
Face Flat(double width, double depth, double middle, double z) {
  const double front = middle - depth / 2, back = middle + depth / 2;
  return {Oblique(-width / 2, front, z), Oblique(width / 2, front, z), Oblique(width / 2, back, z),
          Oblique(-width / 2, back, z)};
}

// Seen from the front right and above, the edges meeting at the bottom's
// back left corner are hidden. A top of one point is an apex.
void FlatSolid(Figure& figure, const Face& bottom, const Face& top) {
  Line(figure, bottom.frontLeft, bottom.frontRight);
  Line(figure, bottom.frontRight, bottom.backRight);
  Line(figure, bottom.backRight, bottom.backLeft, Stroke::HiddenEdge);
  Line(figure, bottom.backLeft, bottom.frontLeft, Stroke::HiddenEdge);
  if (Distance(top.frontLeft, top.frontRight) > 0) {
    Line(figure, top.frontLeft, top.frontRight);
    Line(figure, top.frontRight, top.backRight);
    Line(figure, top.backRight, top.backLeft);
    Line(figure, top.backLeft, top.frontLeft);
  }
  Line(figure, bottom.frontLeft, top.frontLeft);
  Line(figure, bottom.frontRight, top.frontRight);
  Line(figure, bottom.backRight, top.backRight);
  Line(figure, bottom.backLeft, top.backLeft, Stroke::HiddenEdge);
}

void DrawRound(Figure& figure, const SolidDimensions& solid, const Drawn& drawn) {
  const double height = drawn.lengths[1];
  const double bottom = drawn.lengths[2];
  const bool truncated = solid.body == BodyIndex::TruncatedCone;
  const double top = solid.body == BodyIndex::Cone ? 0 : truncated ? drawn.lengths[3] : bottom;
  RoundSolid(figure, bottom, top, height);
  Measured(figure, {0, -height}, {0, 0}, solid.texts[1], Placement::Left);
  Measured(figure, {0, 0}, {bottom, 0}, solid.texts[2], Placement::Below);
  if (truncated) Measured(figure, {0, -height}, {top, -height}, solid.texts[3], Placement::Above);
}

void DrawPyramid(Figure& figure, const SolidDimensions& solid, const Drawn& drawn) {
  const double height = drawn.lengths[1];
  const double bottom = drawn.lengths[2];
  const bool truncated = solid.body == BodyIndex::TruncatedPyramid;
  const double top = truncated ? drawn.lengths[3] : 0;
  const Face base = Flat(bottom, bottom, bottom / 2, 0);
  const Face lid = Flat(top, top, bottom / 2, height);
  FlatSolid(figure, base, lid);
  Measured(figure, Oblique(0, bottom / 2, height), Oblique(0, bottom / 2, 0), solid.texts[1],
           Placement::Left);
  AddLabel(figure, (base.frontLeft + base.frontRight) * 0.5, solid.texts[2], Placement::Below);
  if (truncated)
    AddLabel(figure, (lid.frontLeft + lid.frontRight) * 0.5, solid.texts[3], Placement::Above);
}

void DrawBox(Figure& figure, const SolidDimensions& solid, const Drawn& drawn) {
  const double a = drawn.lengths[1], b = drawn.lengths[2], c = drawn.lengths[3];
  const Face bottom = Flat(a, b, b / 2, 0);
  FlatSolid(figure, bottom, Flat(a, b, b / 2, c));
  AddLabel(figure, (bottom.frontLeft + bottom.frontRight) * 0.5, solid.texts[1], Placement::Below);
  AddLabel(figure, (bottom.frontRight + bottom.backRight) * 0.5, solid.texts[2], Placement::Right);
  AddLabel(figure, Oblique(-a / 2, 0, c / 2), solid.texts[3], Placement::Left);
}

}  // namespace

Figure SolidToScale(const SolidDimensions& solid) {
  const Drawn drawn = DrawnLengths(solid);
  Figure figure;
  switch (solid.body) {
    case BodyIndex::Cone:
    case BodyIndex::TruncatedCone:
    case BodyIndex::Cylinder:
      DrawRound(figure, solid, drawn);
      break;
    case BodyIndex::Pyramid:
    case BodyIndex::TruncatedPyramid:
      DrawPyramid(figure, solid, drawn);
      break;
    case BodyIndex::Parallelepiped:
      DrawBox(figure, solid, drawn);
      break;
  }
  Box box = Bounds(figure);
  if (!std::isfinite(box.Width()) || !std::isfinite(box.Height())) return {};
  const double middle = (box.left + box.right) / 2;
  // A truncated solid's top is labelled above it: on a flat one that label
  // stands where the volume's would.
  const bool topLabelled =
      std::any_of(figure.labels.begin(), figure.labels.end(),
                  [](const Label& l) { return l.placement == Placement::Above; });
  AddLabel(figure, {middle, box.top}, solid.texts[0],
           topLabelled ? Placement::AboveAnother : Placement::Above);
  if (drawn.notToScale)
    AddLabel(figure, {middle, box.bottom}, std::string(words::kNotToScale), Placement::Below);
  figure.bounds = Bounds(figure);
  figure.title = std::string(words::kDrawingOf) +
                 std::string(kBodies[static_cast<std::size_t>(solid.body)].caption);
  return figure;
}

}  // namespace stereona::figures
