#pragma once

#include <string_view>

#include "documents/sheet_options.h"

namespace stereona::practice {

// Every caption of «Упражнение», as both faces show them: the window's title
// and menu item, the controls' captions and accessible names. The settings
// are the sheet dialog's choices and keep its captions, as does «Затвори».
struct PracticeCaptions {
  std::string_view title = "Упражнение";
  std::string_view menuItem = "Упражнение…";  // opens the window or view
  std::string_view menuShortcut = "Ctrl+U";   // the desktop's, in Qt's notation
  std::string_view problem = "Задача";        // names the sentence's label
  std::string_view answer = "Отговор";
  // Name the keys beside the page's answer box that type what a phone's
  // decimal keypad lacks: a fraction's bar and a mixed number's space.
  std::string_view fractionBar = "Дробна черта";
  std::string_view space = "Интервал";
  std::string_view check = "Провери";
  std::string_view hint = "Подсказка";
  std::string_view showSolution = "Покажи решението";
  std::string_view newProblem = "Нова задача";
  std::string_view toWindow = "Към прозореца";
  std::string_view close = documents::kSheetCaptions.close;
  std::string_view verdict = "Оценка";    // names the verdict's label
  std::string_view hints = "Подсказки";   // heads the hints shown
  std::string_view solution = "Решение";  // heads the working shown
  std::string_view score = "Резултат";    // names the score and streak lines
  std::string_view bodies = documents::kSheetCaptions.bodies;
  std::string_view anyUnknown = documents::kSheetCaptions.anyUnknown;
  std::string_view range = documents::kSheetCaptions.range;
};
inline constexpr PracticeCaptions kPracticeCaptions{};

// Each element of the page's view that shows a caption or is named by one,
// by its id (the desktop's object name, where it has the element), and its
// caption. The page takes every caption from here by the element's id, and
// shows each element named here.
struct CaptionedElement {
  std::string_view id;
  std::string_view PracticeCaptions::*caption;
};
inline constexpr CaptionedElement kCaptionedElements[] = {
    {"Practice", &PracticeCaptions::title},  // the command that opens the view
    {"PracticeTitle", &PracticeCaptions::title},
    {"PracticeProblemPart", &PracticeCaptions::problem},
    {"PracticeAnswerLabel", &PracticeCaptions::answer},
    {"PracticeFractionBar", &PracticeCaptions::fractionBar},
    {"PracticeSpace", &PracticeCaptions::space},
    {"PracticeCheck", &PracticeCaptions::check},
    {"PracticeVerdict", &PracticeCaptions::verdict},
    {"PracticeHint", &PracticeCaptions::hint},
    {"PracticeShowSolution", &PracticeCaptions::showSolution},
    {"PracticeNew", &PracticeCaptions::newProblem},
    {"PracticeHintsTitle", &PracticeCaptions::hints},
    {"PracticeSolutionTitle", &PracticeCaptions::solution},
    {"PracticeScorePart", &PracticeCaptions::score},
    {"PracticeToWindow", &PracticeCaptions::toWindow},
    {"PracticeClose", &PracticeCaptions::close},
    {"PracticeBodiesTitle", &PracticeCaptions::bodies},
    {"PracticeAnyUnknownLabel", &PracticeCaptions::anyUnknown},
    {"PracticeRangeLabel", &PracticeCaptions::range},
};

}  // namespace stereona::practice
