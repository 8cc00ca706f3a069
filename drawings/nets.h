#pragma once

#include <string>

#include "drawings/figure.h"

// The nets of the six solids, drawn to their lengths: the pieces laid out
// so that none overlaps another, folded along the edges between them, cut
// along the outline, with a glue tab on one edge of every pair that meets
// when the net is folded into the solid.
//
// The caller computes the lengths, given apart from the texts (a cone's generatrix l, a pyramid's
// apothem k) and writes every text: the lengths as the working writes them
// ("l = 10"), the sector's angle ("α = 216°") and each piece's area
// ("S1 = 188,57"). An empty text is not written. A length that is not a
// positive finite number gives an empty figure.
namespace stereona::figures {

// A rectangular parallelepiped of length a, width b and height c: six
// rectangles as a cross, the bottom a by b in the middle.
struct BoxNet {
  double a = 0, b = 0, c = 0;
};
struct BoxNetTexts {
  std::string aText, bText, cText;
  std::string abArea, bcArea, acArea;  // each written on both faces of that size
};
Figure Net(const BoxNet& box, const BoxNetTexts& texts = {});

// A cylinder: the rectangle 2·pi·R by H and the two bases touching it.
struct CylinderNet {
  double R = 0, H = 0;
};
struct CylinderNetTexts {
  std::string RText, HText, circumferenceText;
  std::string baseArea, lateralArea;
};
Figure Net(const CylinderNet& cylinder, const CylinderNetTexts& texts = {});

// A cone: the sector of radius l and angle 360°·R/l, and the base touching
// its arc.
struct ConeNet {
  double R = 0, l = 0;
};
struct ConeNetTexts {
  std::string RText, lText, angleText;
  std::string baseArea, lateralArea;
};
Figure Net(const ConeNet& cone, const ConeNetTexts& texts = {});

// A truncated cone: the ring sector of radii L1 = l·R1/|R1 − R2| and
// L2 = l·R2/|R1 − R2| and angle 360°·|R1 − R2|/l, and the two bases, the
// larger outside its outer arc, the smaller inside its inner one. R1 = R2
// is a cylinder of height l, and is drawn as one.
struct TruncatedConeNet {
  double R1 = 0, R2 = 0, l = 0;
};
struct TruncatedConeNetTexts {
  std::string R1Text, R2Text, lText, L1Text, L2Text, angleText;
  std::string base1Area, base2Area, lateralArea;
};
Figure Net(const TruncatedConeNet& cone, const TruncatedConeNetTexts& texts = {});

// A regular four-sided pyramid: the base square a and four triangles of
// height k (the apothem) round it.
struct PyramidNet {
  double a = 0, k = 0;
};
struct PyramidNetTexts {
  std::string aText, kText;
  std::string baseArea, faceArea;  // faceArea on each triangle
};
Figure Net(const PyramidNet& pyramid, const PyramidNetTexts& texts = {});

// A truncated pyramid: the larger base square, four trapezoids of height k
// round it, and the smaller base on the outer edge of one of them.
struct TruncatedPyramidNet {
  double a = 0, b = 0, k = 0;
};
struct TruncatedPyramidNetTexts {
  std::string aText, bText, kText;
  std::string base1Area, base2Area, faceArea;  // base1 is the square a
};
Figure Net(const TruncatedPyramidNet& pyramid, const TruncatedPyramidNetTexts& texts = {});

}  // namespace stereona::figures
