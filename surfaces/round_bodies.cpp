#include <cmath>
#include <string>

#include "core/checked_math.h"
#include "core/number_text.h"
#include "surfaces/body_workings.h"

// The cone, the truncated cone and the cylinder, with pi = 22/7: every area
// is a numerator over 7.
namespace stereona::surfaces {
namespace {

using checked::Add;
using checked::Mul;
using checked::Sub;
using M = SurfaceMeasure;

std::string T(double value) { return NumberText(value); }

}  // namespace

void WorkCone(const Values& values, Working& working) {
  const double h = values[Slot(BodyIndex::Cone, "H")];
  const double r = values[Slot(BodyIndex::Cone, "R")];
  const double l =
      working.Root(M::l, "sqrt(H*H + R*R)", "sqrt(" + Squared(h) + " + " + Squared(r) + ")",
                   Add(Mul(h, h), Mul(r, r)));
  const double base = Mul(Mul(22.0, r), r);
  working.Ratio(M::B, "pi * R * R", "22 * " + T(r) + " * " + T(r) + " / 7", base, 7.0);
  const double lateral = Mul(Mul(22.0, r), l);
  working.Ratio(M::S1, "pi * R * l", "22 * " + T(r) + " * " + T(l) + " / 7", lateral, 7.0);
  working.Ratio(M::S, "B + S1", "(" + T(base) + " + " + T(lateral) + ") / 7", Add(base, lateral),
                7.0);
  // The sector's arc, 2*pi*l * alpha/360, wraps the base's 2*pi*R.
  working.Ratio(M::alpha, "360 * R / l", "360 * " + T(r) + " / " + T(l), Mul(360.0, r), l);
}

void WorkTruncatedCone(const Values& values, Working& working) {
  constexpr auto kBody = BodyIndex::TruncatedCone;
  const double h = values[Slot(kBody, "H")];
  const double r1 = values[Slot(kBody, "R1")];
  const double r2 = values[Slot(kBody, "R2")];
  const std::string difference = "(" + T(r1) + " - " + T(r2) + ")";
  const double gap = std::fabs(Sub(r1, r2));
  const double l = working.Root(M::l, "sqrt(H*H + (R1 - R2)*(R1 - R2))",
                                "sqrt(" + Squared(h) + " + " + difference + "*" + difference + ")",
                                Add(Mul(h, h), Mul(gap, gap)));
  const double lower = Mul(Mul(22.0, r1), r1);
  working.Ratio(M::B1, "pi * R1 * R1", "22 * " + T(r1) + " * " + T(r1) + " / 7", lower, 7.0);
  const double upper = Mul(Mul(22.0, r2), r2);
  working.Ratio(M::B2, "pi * R2 * R2", "22 * " + T(r2) + " * " + T(r2) + " / 7", upper, 7.0);
  const double lateral = Mul(Mul(22.0, Add(r1, r2)), l);
  working.Ratio(M::S1, "pi * (R1 + R2) * l",
                "22 * (" + T(r1) + " + " + T(r2) + ") * " + T(l) + " / 7", lateral, 7.0);
  working.Ratio(M::S, "B1 + B2 + S1",
                "(" + T(lower) + " + " + T(upper) + " + " + T(lateral) + ") / 7",
                Add(Add(lower, upper), lateral), 7.0);
  if (gap == 0.0) {
    working.Sentence(
        "При R1 = R2 пресеченият конус е цилиндър: околната му повърхнина се развива в "
        "правоъгълник, а не в част от кръгов пръстен.");
    return;
  }
  // The ring sector is what is left of the whole cone's sector, of radius
  // l * R1 / |R1 - R2|, when the small cone's, of radius l * R2 / |R1 - R2|,
  // is cut away.
  const std::string gapText = "|" + T(r1) + " - " + T(r2) + "|";
  working.Ratio(M::alpha, "360 * |R1 - R2| / l", "360 * " + gapText + " / " + T(l), Mul(360.0, gap),
                l);
  working.Ratio(M::L1, "l * R1 / |R1 - R2|", T(l) + " * " + T(r1) + " / " + gapText, Mul(l, r1),
                gap);
  working.Ratio(M::L2, "l * R2 / |R1 - R2|", T(l) + " * " + T(r2) + " / " + gapText, Mul(l, r2),
                gap);
}

void WorkCylinder(const Values& values, Working& working) {
  const double h = values[Slot(BodyIndex::Cylinder, "H")];
  const double r = values[Slot(BodyIndex::Cylinder, "R")];
  const double base = Mul(Mul(22.0, r), r);
  working.Ratio(M::B, "pi * R * R", "22 * " + T(r) + " * " + T(r) + " / 7", base, 7.0);
  const double lateral = Mul(Mul(Mul(2.0, 22.0), r), h);
  working.Ratio(M::S1, "2 * pi * R * H", "2 * 22 * " + T(r) + " * " + T(h) + " / 7", lateral, 7.0);
  working.Ratio(M::S, "2 * B + S1", "(2 * " + T(base) + " + " + T(lateral) + ") / 7",
                Add(Mul(2.0, base), lateral), 7.0);
}

}  // namespace stereona::surfaces
