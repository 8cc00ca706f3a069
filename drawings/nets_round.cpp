// The nets of the round solids: the cylinder, the cone and the truncated
// cone.
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/bodies.h"
#include "drawings/figure_words.h"
#include "drawings/net_parts.h"
#include "drawings/nets.h"

namespace stereona::figures {
namespace {

// A seam's tab starts this share of the seam away from a cone's apex,
// where the sector is too narrow for it.
constexpr double kSeamTabFromApex = 0.2;
// The share of the angle between the seam's two edges that its tab may
// turn through, seen from the apex, so that it stays clear of the other.
constexpr double kSeamTabShareOfGap = 0.6;
// The angle's mark, as a share of the sector's radius.
constexpr double kAngleMarkShare = 0.12;
// How much of the hollow of a ring sector, from its inner arc towards the
// apex, the smaller base may fill; and the steps it is turned in along the
// outer arc where it does not fit there.
constexpr double kSmallBaseShareOfHollow = 0.75;
constexpr double kTurnStep = 0.005;

std::string_view Caption(BodyIndex body) { return kBodies[static_cast<std::size_t>(body)].caption; }

// A base: its radius measured and labelled, its area below the centre, and
// teeth round it.
void AddBase(Figure& figure, Point centre, double radius, const std::string& radiusText,
             const std::string& area) {
  AddPiece(figure, CircleShape{centre, radius}, centre, words::kCircle, {radiusText}, area,
           Placement::Below);
  const Point end = centre + Point{radius, 0};
  figure.segments.push_back({centre, end, Stroke::Measure});
  AddLabel(figure, (centre + end) * 0.5, radiusText, Placement::Above);
}

// The sector (`inner` 0) or ring sector round the origin, symmetric about
// the downward axis, with its seam: a tab on the edge where the sweep
// starts, the other edge cut and labelled `seamText`, the angle marked.
void AddLateral(Figure& figure, double inner, double outer, double sweep, const Piece& texts,
                const std::string& seamText, const std::string& angleText, double tab) {
  const Point apex{0, 0};
  const double start = kPi / 2 - sweep / 2;
  const double end = start + sweep;
  const RingSectorShape shape{apex, inner, outer, start, sweep};
  AddPiece(figure, shape, Polar(apex, (inner + outer) / 2, kPi / 2), texts.kind, texts.sizes,
           texts.area);
  figure.arcs.push_back({apex, outer, outer, start, sweep, Stroke::Cut});
  if (inner > 0) figure.arcs.push_back({apex, inner, inner, start, sweep, Stroke::Cut});

  const double tabFrom = std::max(inner, kSeamTabFromApex * outer);
  const double gap = std::min(2 * kPi - sweep, kPi / 2);
  const double seamTab = std::min(tab, tabFrom * std::tan(kSeamTabShareOfGap * gap));
  if (inner == 0) CutEdge(figure, apex, Polar(apex, tabFrom, start));
  TabbedEdge(figure, Polar(apex, tabFrom, start), Polar(apex, outer, start),
             Polar(apex, outer, kPi / 2), seamTab);
  const Point seamFrom = Polar(apex, inner, end);
  const Point seamTo = Polar(apex, outer, end);
  CutEdge(figure, seamFrom, seamTo);
  AddLabel(figure, (seamFrom + seamTo) * 0.5, seamText,
           PlacementToward(Polar({}, 1, end + kPi / 2)));

  const double mark = kAngleMarkShare * (inner > 0 ? inner : outer);
  figure.arcs.push_back({apex, mark, mark, start, sweep, Stroke::Measure});
  AddLabel(figure, Polar(apex, mark, kPi / 2), angleText, Placement::Below);
}

// The smaller base of a truncated cone touches the inner arc from the
// hollow where it stays clear of the apex (and of the angle marked there);
// otherwise it touches the outer arc beside the larger base, turned as
// little as keeps their teeth apart, where the arc is long enough for that.
Point SmallBaseCentre(double inner, double outer, double large, double small, double sweep,
                      double tab) {
  const Point inside{0, inner - small};
  if (2 * small <= kSmallBaseShareOfHollow * inner) return inside;
  const Point largeCentre{0, outer + large};
  for (int step = 0; step * kTurnStep <= sweep / 2; ++step) {
    const Point centre = Polar({0, 0}, outer + small, kPi / 2 + step * kTurnStep);
    if (Distance(centre, largeCentre) >= large + small + 3 * tab) return centre;
  }
  return inside;
}

}  // namespace

Figure Net(const CylinderNet& cylinder, const CylinderNetTexts& texts) {
  if (!AllPositive({cylinder.R, cylinder.H})) return {};
  const double R = cylinder.R, H = cylinder.H;
  const double width = 2 * kPi * R;
  Figure figure;
  const Point topLeft{0, 0}, topRight{width, 0}, bottomRight{width, H}, bottomLeft{0, H};
  AddPiece(figure, PolygonShape{{topLeft, topRight, bottomRight, bottomLeft}}, {width / 2, H / 2},
           words::kRectangle, {texts.circumferenceText, texts.HText}, texts.lateralArea);
  const Point top{width / 2, -R}, bottom{width / 2, H + R};
  AddBase(figure, top, R, texts.RText, texts.baseArea);
  AddBase(figure, bottom, R, texts.RText, texts.baseArea);
  const double tab = kTabShare * std::max(2 * R, H);
  CutEdge(figure, topLeft, topRight);
  CutEdge(figure, bottomLeft, bottomRight);
  CutEdge(figure, topLeft, bottomLeft);
  TabbedEdge(figure, topRight, bottomRight, {width / 2, H / 2}, tab);
  ToothedCircle(figure, top, R, tab);
  ToothedCircle(figure, bottom, R, tab);
  AddLabel(figure, {0, H / 2}, texts.HText, Placement::Left);
  AddLabel(figure, {width / 4, H}, texts.circumferenceText, Placement::Below);
  return Finished(std::move(figure), Caption(BodyIndex::Cylinder));
}

Figure Net(const ConeNet& cone, const ConeNetTexts& texts) {
  // A generatrix no longer than the radius leaves no height.
  if (!AllPositive({cone.R, cone.l}) || cone.l <= cone.R) return {};
  const double sweep = 2 * kPi * cone.R / cone.l;
  const double tab = kTabShare * std::max(cone.l, 2 * cone.R);
  Figure figure;
  AddLateral(figure, 0, cone.l, sweep,
             {{}, std::string(words::kSector), {texts.lText, texts.angleText}, texts.lateralArea},
             texts.lText, texts.angleText, tab);
  const Point centre{0, cone.l + cone.R};
  AddBase(figure, centre, cone.R, texts.RText, texts.baseArea);
  ToothedCircle(figure, centre, cone.R, tab);
  return Finished(std::move(figure), Caption(BodyIndex::Cone));
}

Figure Net(const TruncatedConeNet& cone, const TruncatedConeNetTexts& texts) {
  const double difference = std::abs(cone.R1 - cone.R2);
  if (!AllPositive({cone.R1, cone.R2, cone.l}) || cone.l < difference) return {};
  if (difference == 0 || !std::isfinite(cone.l / difference)) {
    Figure figure = Net(CylinderNet{cone.R1, cone.l},
                        {texts.R1Text, texts.lText, "", texts.base1Area, texts.lateralArea});
    figure.title = std::string(words::kNetOf) + std::string(Caption(BodyIndex::TruncatedCone));
    return figure;
  }
  const bool firstLarger = cone.R1 > cone.R2;
  const double large = std::max(cone.R1, cone.R2), small = std::min(cone.R1, cone.R2);
  const double outer = cone.l * large / difference, inner = cone.l * small / difference;
  const double sweep = 2 * kPi * difference / cone.l;
  const double tab = kTabShare * std::max(cone.l, 2 * large);
  Figure figure;
  AddLateral(figure, inner, outer, sweep,
             {{},
              std::string(words::kRingSector),
              {texts.L1Text, texts.L2Text, texts.lText, texts.angleText},
              texts.lateralArea},
             texts.lText, texts.angleText, tab);
  // The radii from the apex to the inner arc and to the outer one.
  const double seam = kPi / 2 + sweep / 2;
  figure.segments.push_back({{0, 0}, Polar({0, 0}, inner, seam), Stroke::Measure});
  AddLabel(figure, Polar({0, 0}, inner / 2, seam), firstLarger ? texts.L2Text : texts.L1Text,
           PlacementToward(Polar({}, 1, seam + kPi / 2)));
  AddLabel(figure, Polar({0, 0}, outer, seam), firstLarger ? texts.L1Text : texts.L2Text,
           std::sin(seam) < 0 ? Placement::Above : Placement::Below);
  const Point largeCentre{0, outer + large};
  const Point smallCentre = SmallBaseCentre(inner, outer, large, small, sweep, tab);
  AddBase(figure, largeCentre, large, firstLarger ? texts.R1Text : texts.R2Text,
          firstLarger ? texts.base1Area : texts.base2Area);
  AddBase(figure, smallCentre, small, firstLarger ? texts.R2Text : texts.R1Text,
          firstLarger ? texts.base2Area : texts.base1Area);
  ToothedCircle(figure, largeCentre, large, tab);
  ToothedCircle(figure, smallCentre, small, tab);
  return Finished(std::move(figure), Caption(BodyIndex::TruncatedCone));
}

}  // namespace stereona::figures
