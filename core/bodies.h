#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The six bodies as the window shows them and the calculation reads them.
// This is the only place that names them: captions, Latin names, the
// captions of the quantity selectors, how many quantities each has, and the
// pi label.
namespace stereona {

inline constexpr std::size_t kBodyCount = 6;
inline constexpr std::size_t kMaxQuantities = 4;

enum class BodyIndex : std::size_t {
  Cone = 0,
  TruncatedCone = 1,
  Pyramid = 2,
  TruncatedPyramid = 3,
  Cylinder = 4,
  Parallelepiped = 5,
};

struct Body {
  std::string_view caption;
  std::string_view latinName;  // for file and test names, where Cyrillic would not do
  // Captions of the unknown selectors Option2(0..3); a body with three
  // quantities leaves the fourth empty, and the window then keeps whatever
  // caption the hidden fourth selector had.
  std::array<std::string_view, kMaxQuantities> quantityCaptions;
  std::size_t quantityCount;
  bool usesPi;  // the "pi = 22/7" label shows for these
};

inline constexpr std::array<Body, kBodyCount> kBodies = {{
    {"конус", "cone", {"V", "H", "R", ""}, 3, true},
    {"пресечен конус", "truncated_cone", {"V", "H", "R1", "R2"}, 4, true},
    {"пирамида", "pyramid", {"V", "H", "a", ""}, 3, false},
    {"пресечена пирамида", "truncated_pyramid", {"V", "H", "a", "b"}, 4, false},
    {"цилиндър", "cylinder", {"V", "H", "R", ""}, 3, true},
    {"паралелепипед", "parallelepiped", {"V", "a", "b", "c"}, 4, false},
}};

inline constexpr std::string_view kPiLabel = "pi = 22/7";

}  // namespace stereona
