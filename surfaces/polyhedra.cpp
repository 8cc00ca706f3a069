#include <string>

#include "core/checked_math.h"
#include "core/number_text.h"
#include "surfaces/body_workings.h"

// The regular four-sided pyramid and truncated pyramid, and the rectangular
// parallelepiped: no pi, so every value is whole over 1 or a root.
namespace stereona::surfaces {
namespace {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sub;
using M = SurfaceMeasure;

std::string T(double value) { return NumberText(value); }

// The apothem from the height, and the lateral edge from the apothem: each
// over half the difference of the bases' sides (a whole side for the
// pyramid), written as `half`. Returns the apothem.
double WorkSlant(double h, double half, std::string_view halfFormula, const std::string& halfText,
                 Working& working) {
  const std::string halfSquared = halfText + "*" + halfText;
  const std::string formulaSquared = std::string(halfFormula) + "*" + std::string(halfFormula);
  const double k = working.Root(M::k, "sqrt(H*H + " + formulaSquared + ")",
                                "sqrt(" + Squared(h) + " + " + halfSquared + ")",
                                Add(Mul(h, h), Mul(half, half)));
  working.Root(M::e, "sqrt(k*k + " + formulaSquared + ")",
               "sqrt(" + Squared(k) + " + " + halfSquared + ")", Add(Mul(k, k), Mul(half, half)));
  return k;
}

}  // namespace

void WorkPyramid(const Values& values, Working& working) {
  const double h = values[Slot(BodyIndex::Pyramid, "H")];
  const double a = values[Slot(BodyIndex::Pyramid, "a")];
  const double k = WorkSlant(h, Div(a, 2.0), "(a/2)", "(" + T(a) + "/2)", working);
  const double base = Mul(a, a);
  working.Ratio(M::B, "a * a", T(a) + " * " + T(a), base);
  const double lateral = Mul(Mul(2.0, a), k);
  working.Ratio(M::S1, "2 * a * k", "2 * " + T(a) + " * " + T(k), lateral);
  working.Ratio(M::S, "B + S1", T(base) + " + " + T(lateral), Add(base, lateral));
}

void WorkTruncatedPyramid(const Values& values, Working& working) {
  constexpr auto kBody = BodyIndex::TruncatedPyramid;
  const double h = values[Slot(kBody, "H")];
  const double a = values[Slot(kBody, "a")];
  const double b = values[Slot(kBody, "b")];
  const double k = WorkSlant(h, Div(Sub(a, b), 2.0), "((a - b)/2)",
                             "((" + T(a) + " - " + T(b) + ")/2)", working);
  const double lower = Mul(a, a);
  working.Ratio(M::B1, "a * a", T(a) + " * " + T(a), lower);
  const double upper = Mul(b, b);
  working.Ratio(M::B2, "b * b", T(b) + " * " + T(b), upper);
  const double lateral = Mul(Mul(2.0, Add(a, b)), k);
  working.Ratio(M::S1, "2 * (a + b) * k", "2 * (" + T(a) + " + " + T(b) + ") * " + T(k), lateral);
  working.Ratio(M::S, "B1 + B2 + S1", T(lower) + " + " + T(upper) + " + " + T(lateral),
                Add(Add(lower, upper), lateral));
  if (a == b) working.Sentence("При a = b пресечената пирамида е правилна четириъгълна призма.");
}

void WorkParallelepiped(const Values& values, Working& working) {
  const double a = values[Slot(BodyIndex::Parallelepiped, "a")];
  const double b = values[Slot(BodyIndex::Parallelepiped, "b")];
  const double c = values[Slot(BodyIndex::Parallelepiped, "c")];
  const double base = Mul(a, b);
  working.Ratio(M::B, "a * b", T(a) + " * " + T(b), base);
  working.Ratio(M::S1, "2 * (a + b) * c", "2 * (" + T(a) + " + " + T(b) + ") * " + T(c),
                Mul(Mul(2.0, Add(a, b)), c));
  const double bc = Mul(b, c);
  const double ac = Mul(a, c);
  working.Ratio(M::S, "2 * (a*b + b*c + a*c)",
                "2 * (" + T(a) + "*" + T(b) + " + " + T(b) + "*" + T(c) + " + " + T(a) + "*" +
                    T(c) + ") = 2 * (" + T(base) + " + " + T(bc) + " + " + T(ac) + ")",
                Mul(2.0, Add(Add(base, bc), ac)));
  working.Root(M::d, "sqrt(a*a + b*b + c*c)",
               "sqrt(" + Squared(a) + " + " + Squared(b) + " + " + Squared(c) + ")",
               Add(Add(Mul(a, a), Mul(b, b)), Mul(c, c)));
}

}  // namespace stereona::surfaces
