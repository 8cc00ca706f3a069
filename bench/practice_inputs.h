#pragma once

#include <array>
#include <string_view>

#include "practice/practice.h"

namespace stereona::bench {

// Every body, any unknown, values up to 100000: the practice's widest choice.
inline practice::PracticeSettings WidestPractice() {
  practice::PracticeSettings settings;
  settings.bodies.fill(true);
  settings.range = 4;
  return settings;
}

// What pupils type: right in each form, nearly right, a known mistake, no
// number.
inline constexpr std::array<std::string_view, 8> kAnswers = {"139,33", "418/3", "139 1/3", "139,34",
                                                             "139,28", "418",   "137,5",   "сто"};

}  // namespace stereona::bench
