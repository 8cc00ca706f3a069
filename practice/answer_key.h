#pragma once

#include <optional>
#include <string>
#include <vector>

#include "documents/practice_problem.h"
#include "practice/judge.h"

namespace stereona::practice {

inline constexpr std::string_view kForgotThirdMessage = "Изглежда сте забравили да разделите на 3.";
inline constexpr std::string_view kDiameterMessage = "Изглежда сте взели диаметъра вместо радиуса.";
inline constexpr std::string_view kNoRootMessage = "Изглежда не сте извадили квадратния корен.";

// A drawn problem as the window solves it, and what its answers are judged
// against.
struct SolvedProblem {
  AnswerKey key;
  std::string solution;            // the window's whole text, lines ending in CRLF
  std::vector<std::string> hints;  // the first two lines of the working, without the result
};

SolvedProblem Solve(const documents::PracticeProblem& problem);

// The problem's answer with another value of pi, by the window's own
// calculation: pi enters every formula with the volume alone (V = pi * f(H,
// R, ...)), so the dimensions with pi are those the window finds for the
// volume scaled by (22/7) / pi, and the volume with pi is the window's
// scaled by pi / (22/7). Nothing when the window finds no value.
std::optional<double> ValueWithPi(const documents::PracticeProblem& problem, double pi);

}  // namespace stereona::practice
