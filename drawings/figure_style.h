#pragma once

#include <array>
#include <string_view>

#include "drawings/figure.h"

// How a figure looks, for every output alike: the SVG writer and the
// QPainter canvas read these. Lengths are millimetres on paper; a figure
// fitted to a screen is drawn as if on paper as wide as the view.
namespace stereona::figures {

struct StrokeStyle {
  std::string_view cssClass;
  std::string_view colour;  // #rrggbb
  double width;
  std::array<double, 2> dash;  // dash and gap, {0, 0} for solid
};

// By Stroke. Folds are dashed and lighter than cuts, so that a pupil cuts
// along the solid lines only.
inline constexpr std::array<StrokeStyle, 6> kStrokeStyles = {{
    {"edge", "#000000", 0.35, {0, 0}},
    {"hidden-edge", "#000000", 0.25, {1.5, 1.0}},
    {"fold", "#555555", 0.25, {2.0, 1.0}},
    {"cut", "#000000", 0.35, {0, 0}},
    {"glue-tab", "#000000", 0.25, {0, 0}},
    {"measure", "#1a3cb4", 0.3, {1.2, 0.8}},
}};

inline const StrokeStyle& StyleOf(Stroke stroke) {
  return kStrokeStyles[static_cast<std::size_t>(stroke)];
}

inline constexpr std::string_view kPieceClass = "piece";
inline constexpr std::string_view kPieceFill = "#eef2fb";
inline constexpr std::string_view kTabClass = "tab";  // a glue tab, filled
inline constexpr std::string_view kTabFill = "#e2e2e2";
inline constexpr std::string_view kLabelClass = "label";
inline constexpr std::string_view kLabelColour = "#1a3cb4";

// Label letters 3,5 mm high (10 point), and room round the geometry for the
// labels written outside it.
inline constexpr double kFontSize = 3.5;
inline constexpr double kLabelMargin = 12;

enum class TextAnchor { Start, Middle, End };

// Where a label's baseline starts from its anchor, in font sizes.
struct LabelLayout {
  double dx, dy;
  TextAnchor anchor;
};

inline constexpr LabelLayout LayOut(Placement placement) {
  switch (placement) {
    case Placement::Above:
      return {0, -0.45, TextAnchor::Middle};
    case Placement::AboveAnother:
      return {0, -1.65, TextAnchor::Middle};
    case Placement::Below:
      return {0, 1.15, TextAnchor::Middle};
    case Placement::Left:
      return {-0.4, 0.35, TextAnchor::End};
    case Placement::Right:
      return {0.4, 0.35, TextAnchor::Start};
    case Placement::Centre:
      break;
  }
  return {0, 0.35, TextAnchor::Middle};
}

}  // namespace stereona::figures
