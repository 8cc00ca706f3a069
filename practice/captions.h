#pragma once

#include <string_view>

#include "documents/sheet_options.h"

namespace stereona::practice {

// Every caption of «Упражнение», as both faces show it: the window's title
// and menu item, the controls' captions and accessible names. The settings
// are the sheet dialog's choices and keep its captions.
struct PracticeCaptions {
  std::string_view title = "Упражнение";
  std::string_view menuItem = "Упражнение…";  // opens the window or view
  std::string_view menuShortcut = "Ctrl+U";   // the desktop's, in Qt's notation
  std::string_view problem = "Задача";        // names the sentence's label
  std::string_view answer = "Отговор";
  std::string_view check = "Провери";
  std::string_view hint = "Подсказка";
  std::string_view showSolution = "Покажи решението";
  std::string_view newProblem = "Нова задача";
  std::string_view toWindow = "Към прозореца";
  std::string_view close = "Затвори";
  std::string_view verdict = "Оценка";    // names the verdict's label
  std::string_view hints = "Подсказки";   // heads the hints shown
  std::string_view solution = "Решение";  // heads the working shown
  std::string_view score = "Резултат";    // names the score and streak lines
  std::string_view bodies = documents::kSheetCaptions.bodies;
  std::string_view anyUnknown = documents::kSheetCaptions.anyUnknown;
  std::string_view range = documents::kSheetCaptions.range;
};
inline constexpr PracticeCaptions kPracticeCaptions{};

}  // namespace stereona::practice
