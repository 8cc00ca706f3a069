#pragma once

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

}  // namespace stereona::practice
