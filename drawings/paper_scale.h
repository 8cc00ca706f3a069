#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "drawings/figure.h"

// The scale a figure is printed at on A4.
namespace stereona::figures {

enum class LengthUnit { Centimetre, Decimetre, Metre };

// Millimetres in one unit, and the unit's short name, by LengthUnit.
struct UnitFacts {
  double millimetres;
  std::string_view name;
};
inline constexpr UnitFacts kUnits[] = {{10, "см"}, {100, "дм"}, {1000, "м"}};

inline const UnitFacts& FactsOf(LengthUnit unit) { return kUnits[static_cast<int>(unit)]; }

// A4 less 10 mm margins, in millimetres, upright.
struct PaperSize {
  double width, height;
};
inline constexpr PaperSize kA4Printable = {190, 277};

struct PaperScale {
  double denominator;  // 1:denominator
  bool landscape;
  double millimetresPerUnit;  // one unit of the figure on paper
  std::string text;           // «Мащаб 1:5»
};

// 1:1 when the figure of `size` (in `unit`s) fits the sheet either way
// round with room for its labels, otherwise the largest of 1:2, 1:5, 1:10,
// 1:20, 1:50, ... that fits; upright where both fit. Nothing for a size
// that is not finite.
std::optional<PaperScale> ChoosePaperScale(const Box& size, LengthUnit unit,
                                           PaperSize printable = kA4Printable);

}  // namespace stereona::figures
