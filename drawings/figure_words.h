#pragma once

#include <string_view>

// The words the figures write themselves; every number and quantity text
// comes from the caller.
namespace stereona::figures::words {

inline constexpr std::string_view kNotToScale = "не е в мащаб";
inline constexpr std::string_view kScale = "Мащаб 1:";

inline constexpr std::string_view kNetOf = "Развивка на ";
inline constexpr std::string_view kDrawingOf = "Чертеж на ";

inline constexpr std::string_view kRectangle = "правоъгълник";
inline constexpr std::string_view kSquare = "квадрат";
inline constexpr std::string_view kTriangle = "триъгълник";
inline constexpr std::string_view kTrapezoid = "трапец";
inline constexpr std::string_view kCircle = "кръг";
inline constexpr std::string_view kSector = "кръгов сектор";
inline constexpr std::string_view kRingSector = "сектор от кръгов пръстен";

}  // namespace stereona::figures::words
