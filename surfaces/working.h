#pragma once

#include <string>
#include <string_view>

#include "surfaces/surface_measures.h"

// The lines of a surface working as they are written, and the measures they
// found.
namespace stereona::surfaces {

// A value as its decimal is written (15 significant digits), whatever the
// decimal separator: what a line after the one that wrote it carries.
double Carried(double value);

// "8*8", as a square stands under a root.
std::string Squared(double value);

class Working {
 public:
  // The measure's heading, then
  // "l = sqrt(H*H + R*R) = sqrt(8*8 + 6*6) = sqrt(100) = 10":
  // the formula, the numbers put in, the radicand and the root. Returns the
  // root as written.
  double Root(SurfaceMeasure measure, std::string_view formula, std::string_view numbers,
              double radicand);

  // The measure's heading, then
  // "S1 = pi * R * l = 22 * 6 * 10 / 7 = 1320 / 7 = 188.571428571429":
  // the formula, the numbers put in, the fraction and its decimal. Over 1,
  // the numbers are followed by the value alone: "B = a * a = 6 * 6 = 36".
  // Returns the value.
  double Ratio(SurfaceMeasure measure, std::string_view formula, std::string_view numbers,
               double numerator, double denominator = 1.0);

  // A line of its own, for what the numbers say about the solid.
  void Sentence(std::string_view sentence);

  const std::string& Lines() const noexcept { return lines_; }
  const SurfaceMeasures& Measures() const noexcept { return measures_; }

 private:
  void Heading(SurfaceMeasure measure);
  double Keep(SurfaceMeasure measure, double value);

  std::string lines_;
  SurfaceMeasures measures_;
};

}  // namespace stereona::surfaces
