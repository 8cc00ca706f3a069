#pragma once

#include <string_view>

// What a screen reader says for the output box Text1(0), which has no caption
// of its own to name it.
namespace stereona::window {

inline constexpr std::string_view kOutputBoxName = "Решение";
inline constexpr std::string_view kOutputBoxDescription =
    "Решението стъпка по стъпка: формулата за неизвестното, формулата с въведените числа и "
    "резултатът като дроб и като десетично число. Преди първото изчисление: заданието и "
    "формулите на телата с примери.";

}  // namespace stereona::window
