#include "documents/net_view.h"

#include <cmath>
#include <string>

#include "core/number_text.h"
#include "drawings/nets.h"
#include "drawings/solid_to_scale.h"

namespace stereona::documents {
namespace {

using surfaces::SurfaceMeasure;

// A label's number: two decimals are what a ruler and a pupil read.
std::string Short(double value) { return NumberText(std::round(value * 100.0) / 100.0); }

// The texts of one solid's pieces, in one unit.
class Texts {
 public:
  Texts(const surfaces::SurfaceMeasures& measures, figures::LengthUnit unit)
      : measures_(measures), unit_(figures::FactsOf(unit).name) {}

  std::string Length(std::string_view symbol, double value) const {
    return std::string(symbol) + " = " + Short(value) + " " + unit_;
  }
  std::string Length(SurfaceMeasure measure) const {
    return Length(surfaces::WordsOf(measure).symbol, Value(measure));
  }
  std::string Area(SurfaceMeasure measure, double share = 1.0) const {
    return std::string(surfaces::WordsOf(measure).symbol) + (share == 1.0 ? "" : "/4") + " = " +
           Short(Value(measure) * share) + " " + unit_ + "²";
  }
  std::string Area(std::string_view name, double value) const {
    return std::string(name) + " = " + Short(value) + " " + unit_ + "²";
  }
  std::string Angle() const { return "α = " + Short(Value(SurfaceMeasure::alpha)) + "°"; }
  double Value(SurfaceMeasure measure) const { return measures_[measure].value_or(0.0); }

 private:
  const surfaces::SurfaceMeasures& measures_;
  std::string unit_;
};

// The body's dimensions by slot, 0 where not known.
double At(const surfaces::Dimensions& dimensions, std::size_t slot) {
  return dimensions[slot].value_or(0.0);
}

figures::Figure NetOf(std::size_t body, const surfaces::Dimensions& d, const Texts& t) {
  using M = SurfaceMeasure;
  const std::string_view* caption = kBodies[body].quantityCaptions.data();
  switch (static_cast<BodyIndex>(body)) {
    case BodyIndex::Cone:
      return figures::Net(
          figures::ConeNet{At(d, 2), t.Value(M::l)},
          {t.Length(caption[2], At(d, 2)), t.Length(M::l), t.Angle(), t.Area(M::B), t.Area(M::S1)});
    case BodyIndex::TruncatedCone:
      return figures::Net(
          figures::TruncatedConeNet{At(d, 2), At(d, 3), t.Value(M::l)},
          {t.Length(caption[2], At(d, 2)), t.Length(caption[3], At(d, 3)), t.Length(M::l),
           t.Value(M::L1) > 0 ? t.Length(M::L1) : "", t.Value(M::L2) > 0 ? t.Length(M::L2) : "",
           t.Value(M::alpha) > 0 ? t.Angle() : "", t.Area(M::B1), t.Area(M::B2), t.Area(M::S1)});
    case BodyIndex::Pyramid:
      return figures::Net(
          figures::PyramidNet{At(d, 2), t.Value(M::k)},
          {t.Length(caption[2], At(d, 2)), t.Length(M::k), t.Area(M::B), t.Area(M::S1, 0.25)});
    case BodyIndex::TruncatedPyramid:
      return figures::Net(figures::TruncatedPyramidNet{At(d, 2), At(d, 3), t.Value(M::k)},
                          {t.Length(caption[2], At(d, 2)), t.Length(caption[3], At(d, 3)),
                           t.Length(M::k), t.Area(M::B1), t.Area(M::B2), t.Area(M::S1, 0.25)});
    case BodyIndex::Cylinder:
      return figures::Net(
          figures::CylinderNet{At(d, 2), At(d, 1)},
          {t.Length(caption[2], At(d, 2)), t.Length(caption[1], At(d, 1)),
           t.Length("2·pi·R", 2.0 * 22.0 / 7.0 * At(d, 2)), t.Area(M::B), t.Area(M::S1)});
    case BodyIndex::Parallelepiped: {
      const double a = At(d, 1), b = At(d, 2), c = At(d, 3);
      return figures::Net(
          figures::BoxNet{a, b, c},
          {t.Length(caption[1], a), t.Length(caption[2], b), t.Length(caption[3], c),
           t.Area("a·b", a * b), t.Area("b·c", b * c), t.Area("a·c", a * c)});
    }
  }
  return {};
}

figures::Figure SolidOf(const surfaces::WindowProblem& problem,
                        const surfaces::Dimensions& dimensions, figures::LengthUnit unit) {
  const Body& body = kBodies.at(problem.body);
  figures::SolidDimensions solid;
  solid.body = static_cast<BodyIndex>(problem.body);
  const std::string_view name = figures::FactsOf(unit).name;
  for (std::size_t k = 0; k < body.quantityCount; ++k) {
    std::optional<double> value = k == 0 ? problem.values[0] : dimensions[k];
    if (k == 0 && problem.unknown == 0 && problem.solved && problem.solved->denominator != 0.0) {
      value = problem.solved->numerator / problem.solved->denominator;
    }
    const std::string caption(body.quantityCaptions[k]);
    const bool known = value && std::isfinite(*value) && *value > 0.0;
    solid.values[k] = known ? *value : std::nan("");
    solid.texts[k] = caption + " = " +
                     (known ? Short(*value) + " " + std::string(name) + (k == 0 ? "³" : "") : "?");
  }
  return figures::SolidToScale(solid);
}

}  // namespace

NetView MakeNetView(const surfaces::WindowProblem& problem, figures::LengthUnit unit) {
  NetView view;
  view.working = surfaces::SurfacesOfWindow(problem);
  const surfaces::Dimensions dimensions = surfaces::DimensionsOf(problem);
  view.solid = SolidOf(problem, dimensions, unit);
  if (view.working.Worked()) {
    view.net = NetOf(problem.body, dimensions, Texts(view.working.measures, unit));
  }
  return view;
}

figures::Figure MakeSolidView(const surfaces::WindowProblem& problem, figures::LengthUnit unit) {
  return SolidOf(problem, surfaces::DimensionsOf(problem), unit);
}

}  // namespace stereona::documents
