#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The lengths, areas and the net's sizes a solid's surface is worked out
// in. This is the only place that names them: the symbol each result line
// begins with, and the Bulgarian name its heading, a label or a sentence
// uses.
namespace stereona::surfaces {

enum class SurfaceMeasure : std::size_t {
  l,      // generatrix of a cone or truncated cone
  k,      // apothem of a pyramid: the height of a lateral face
  e,      // lateral edge of a pyramid
  B,      // base area
  B1,     // lower base area
  B2,     // upper base area
  S1,     // lateral surface area
  S,      // total surface area
  d,      // body diagonal of the parallelepiped
  alpha,  // the net's sector angle, in degrees
  L1,     // radius of the ring sector's arc that wraps the lower base
  L2,     // radius of the ring sector's arc that wraps the upper base
};

inline constexpr std::size_t kSurfaceMeasureCount = 12;

struct MeasureWords {
  std::string_view symbol;
  std::string_view name;  // a heading or a label: "Околна повърхнина"
};

inline constexpr std::array<MeasureWords, kSurfaceMeasureCount> kSurfaceMeasures = {{
    {"l", "Образуваща"},
    {"k", "Апотема"},
    {"e", "Околен ръб"},
    {"B", "Лице на основата"},
    {"B1", "Лице на долната основа"},
    {"B2", "Лице на горната основа"},
    {"S1", "Околна повърхнина"},
    {"S", "Пълна повърхнина"},
    {"d", "Диагонал"},
    {"α", "Централен ъгъл на развивката"},
    {"L1", "Радиус на дъгата при долната основа"},
    {"L2", "Радиус на дъгата при горната основа"},
}};

constexpr const MeasureWords& WordsOf(SurfaceMeasure measure) {
  return kSurfaceMeasures[static_cast<std::size_t>(measure)];
}

// A solid's measures as its working writes them; nothing for a measure the
// body has not (a cone has no apothem, a truncated cone with equal bases no
// ring sector).
struct SurfaceMeasures {
  std::array<std::optional<double>, kSurfaceMeasureCount> values{};

  std::optional<double> operator[](SurfaceMeasure measure) const {
    return values[static_cast<std::size_t>(measure)];
  }
};

}  // namespace stereona::surfaces
