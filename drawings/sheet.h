#pragma once

#include <algorithm>

#include "drawings/figure.h"
#include "drawings/figure_style.h"

namespace stereona::figures {

// Where a figure lands on its sheet: millimetres from the sheet's top left,
// the geometry `scale` millimetres per unit, with kLabelMargin round it for
// the labels. Every output places a figure through this.
class Sheet {
 public:
  Sheet(const Box& box, double scale) : box_(box), scale_(scale) {}

  // The scale that makes the figure's longer side `size` millimetres long.
  static Sheet Fitted(const Box& box, double size) {
    const double extent = std::max(box.Width(), box.Height());
    return Sheet(box, extent > 0 ? size / extent : 1);
  }

  double X(double x) const { return (x - box_.left) * scale_ + kLabelMargin; }
  double Y(double y) const { return (y - box_.top) * scale_ + kLabelMargin; }
  Point At(Point point) const { return {X(point.x), Y(point.y)}; }
  double Length(double length) const { return length * scale_; }
  double Width() const { return box_.Width() * scale_ + 2 * kLabelMargin; }
  double Height() const { return box_.Height() * scale_ + 2 * kLabelMargin; }

 private:
  Box box_;
  double scale_;
};

}  // namespace stereona::figures
