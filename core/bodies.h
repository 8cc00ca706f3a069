#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The six bodies as the window shows them and the calculation reads them.
// This is the only place that names them: captions, Latin names, the
// captions of the quantity selectors, the words for each quantity, how many
// quantities each has, and the pi label.
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

// A quantity in words, as a sentence names it: "височина H = 7" and
// "Намерете височината H".
struct QuantityWords {
  std::string_view plain;
  std::string_view definite;  // the object form, with the short article
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
  // By slot, like quantityCaptions.
  std::array<QuantityWords, kMaxQuantities> quantityWords;
};

inline constexpr QuantityWords kVolumeWords = {"обем", "обема"};
inline constexpr QuantityWords kHeightWords = {"височина", "височината"};
inline constexpr QuantityWords kBaseRadiusWords = {"радиус на основата", "радиуса на основата"};

inline constexpr std::array<Body, kBodyCount> kBodies = {{
    {"конус",
     "cone",
     {"V", "H", "R", ""},
     3,
     true,
     {kVolumeWords, kHeightWords, kBaseRadiusWords, {}}},
    {"пресечен конус",
     "truncated_cone",
     {"V", "H", "R1", "R2"},
     4,
     true,
     {kVolumeWords,
      kHeightWords,
      {"радиус на долната основа", "радиуса на долната основа"},
      {"радиус на горната основа", "радиуса на горната основа"}}},
    {"пирамида",
     "pyramid",
     {"V", "H", "a", ""},
     3,
     false,
     {kVolumeWords, kHeightWords, {"страна на основата", "страната на основата"}, {}}},
    {"пресечена пирамида",
     "truncated_pyramid",
     {"V", "H", "a", "b"},
     4,
     false,
     {kVolumeWords,
      kHeightWords,
      {"страна на долната основа", "страната на долната основа"},
      {"страна на горната основа", "страната на горната основа"}}},
    {"цилиндър",
     "cylinder",
     {"V", "H", "R", ""},
     3,
     true,
     {kVolumeWords, kHeightWords, kBaseRadiusWords, {}}},
    {"паралелепипед",
     "parallelepiped",
     {"V", "a", "b", "c"},
     4,
     false,
     {kVolumeWords, {"дължина", "дължината"}, {"ширина", "ширината"}, kHeightWords}},
}};

inline constexpr std::string_view kPiLabel = "pi = 22/7";

}  // namespace stereona
