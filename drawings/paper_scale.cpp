#include "drawings/paper_scale.h"

#include <cmath>
#include <cstdio>

#include "drawings/figure_style.h"
#include "drawings/figure_words.h"

namespace stereona::figures {
namespace {

// Past 1:10^15 no figure of finite size is left to print.
constexpr int kMaxDecades = 15;

bool Fits(double width, double height, double across, double down) {
  return width + 2 * kLabelMargin <= across && height + 2 * kLabelMargin <= down;
}

std::string ScaleText(double denominator) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.0f", denominator);
  return std::string(words::kScale) + digits;
}

}  // namespace

std::optional<PaperScale> ChoosePaperScale(const Box& size, LengthUnit unit, PaperSize printable) {
  const double width = size.Width(), height = size.Height();
  if (!std::isfinite(width) || !std::isfinite(height)) return std::nullopt;
  double decade = 1;
  for (int i = 0; i <= kMaxDecades; ++i, decade *= 10) {
    for (const double step : {1, 2, 5}) {
      const double denominator = step * decade;
      const double perUnit = FactsOf(unit).millimetres / denominator;
      const double across = width * perUnit, down = height * perUnit;
      for (const bool landscape : {false, true}) {
        const double sheetAcross = landscape ? printable.height : printable.width;
        const double sheetDown = landscape ? printable.width : printable.height;
        if (Fits(across, down, sheetAcross, sheetDown))
          return PaperScale{denominator, landscape, perUnit, ScaleText(denominator)};
      }
    }
  }
  return std::nullopt;
}

}  // namespace stereona::figures
