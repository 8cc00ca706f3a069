#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/bodies.h"
#include "core/random_source.h"
#include "documents/practice_problem.h"
#include "practice/captions.h"
#include "practice/judge.h"

// «Упражнение»: the pupil is given a problem, types an answer, and the
// program judges it, gives hints step by step, shows the working on demand
// and keeps the score while the program runs. Nothing here is stored.
//
// A face (the Qt window or the page) keeps one Practice for the whole run,
// made on first use, and is a thin view of it:
//
//   button / event          the face calls             then shows again
//   ---------------------   ------------------------   --------------------------
//   window or view opened   Practice(DefaultSettings(   everything below
//                             window's body, range))
//   a setting changed       ChangeSettings(settings)   everything; on refusal the
//                                                      message it returns, and
//                                                      the settings of Settings()
//   «Провери» / Enter       Check(answer box text)     LastFeedback() (announce
//                                                      it), the score lines,
//                                                      CanHint()
//   «Подсказка»             Hint()                     Hints(), CanHint()
//   «Покажи решението»      ShowSolution()             Solution(), the score
//                                                      lines, CanHint(),
//                                                      CanShowSolution()
//   «Нова задача»           NewProblem()               everything; the face
//                                                      empties the answer box
//   «Към прозореца»         ToWindow()                 puts it into the main
//                                                      window, calculates nothing
//
// Every text the faces show comes from here (kPracticeCaptions, the
// verdicts, the messages), numbers written with the decimal separator the
// face set through SetDecimalSeparator.
namespace stereona::practice {

// What the pupil chooses. The same choices as a practice sheet's.
struct PracticeSettings {
  std::array<bool, kBodyCount> bodies{};  // at least one
  bool anyUnknown = true;                 // otherwise the volume is always asked
  std::size_t range = 0;                  // index of the window's range ("10", "100", ...)
};

// The defaults when the practice opens: the body selected in the window,
// any unknown, the window's range.
PracticeSettings DefaultSettings(std::size_t windowBody, std::size_t windowRange);

// What «Към прозореца» puts into the main window, as a pupil would type it:
// select body, then unknown, then type inputs[k] into input k for every
// k in `typed` (the known quantities of the body). The unknown's input and
// a body's hidden fourth input are left as they are. Nothing is calculated.
struct WindowInput {
  std::size_t body = 0;
  std::size_t unknown = 0;
  std::array<std::string, kMaxQuantities> inputs;  // in the user's decimal separator
  std::array<bool, kMaxQuantities> typed{};
};

class Practice {
 public:
  // Poses the first problem. The settings must be valid (DefaultSettings
  // gives valid ones); others throw documents::SheetOptionsError. The seed
  // makes the problems reproducible in tests; faces leave it to the clock.
  explicit Practice(const PracticeSettings& settings, std::uint32_t seed = ClockSeed());
  ~Practice();
  Practice(const Practice&) = delete;
  Practice& operator=(const Practice&) = delete;

  // --- what the faces call ----------------------------------------------

  // A setting changed: takes the new settings and poses a new problem from
  // them (a problem left unanswered is not counted). Settings a face could
  // not have offered (no body, a range the window has not) are refused:
  // the message in Bulgarian comes back, and settings and problem stay.
  std::optional<std::string> ChangeSettings(const PracticeSettings& settings);

  // «Провери» (and Enter in the answer box): reads and judges the answer
  // box's text. Any text at all is taken; what is no number gets the
  // «Въведете число…» message and is no try. LastFeedback() then holds the
  // verdict.
  void Check(std::string_view answer);

  // «Подсказка»: shows the next hint; does nothing unless CanHint().
  void Hint();

  // «Покажи решението»: shows the whole working. Shown before a right
  // answer, the problem counts as not solved.
  void ShowSolution();

  // «Нова задача»: poses another problem from the settings; none repeats
  // until the choice is exhausted. A problem left before any counted try
  // does not count. The face empties the answer box.
  void NewProblem();

  // «Към прозореца»: what to put into the main window. Changes nothing here.
  WindowInput ToWindow() const;

  // --- what the faces show ----------------------------------------------

  const PracticeSettings& Settings() const noexcept;

  // "Конус има височина H = 7 и радиус на основата R = 6. Намерете обема V."
  const std::string& Sentence() const noexcept;
  // The body for the labelled drawing (the drawings' and kBodies' index) and
  // the quantity asked (the body's slot; 0 is the volume).
  std::size_t Body() const noexcept;
  std::size_t Unknown() const noexcept;

  // The verdict of the last Check on this problem; kind None before any.
  const Feedback& LastFeedback() const noexcept;

  // The hints shown so far, in order, each one line without line end: the
  // formula solved for the unknown, then the numbers put in.
  const std::vector<std::string>& Hints() const noexcept;
  // Whether «Подсказка» is enabled: after a wrong answer, while a hint is
  // left and the solution is not shown.
  bool CanHint() const noexcept;

  // The whole working, byte for byte the window's text for the problem
  // (lines ending in CRLF, the fraction and the decimal); empty until shown.
  const std::string& Solution() const noexcept;
  // Whether «Покажи решението» is enabled: until the solution is shown.
  bool CanShowSolution() const noexcept;

  // «Решени от първия опит: N от M»: N problems solved at the first counted
  // try without the solution, of M that had a counted try or their solution
  // shown.
  std::string ScoreLine() const;
  // «Поредни решени от първия опит: K», the current streak.
  std::string StreakLine() const;
  int SolvedCount() const noexcept;
  int CountedCount() const noexcept;
  int Streak() const noexcept;

  // The problem as drawn and what answers are judged against (tests,
  // benchmarks).
  const documents::PracticeProblem& Problem() const noexcept;
  const AnswerKey& Key() const noexcept;

 private:
  struct Session;
  std::unique_ptr<Session> session_;
};

}  // namespace stereona::practice
