// What the page may call: the layout table, the window's facts, the form
// with its actions and state, the decimal separator of the student's
// language, the documents a teacher prints, «Упражнение» and «Развивка».
// The page adds no behaviour of its own.
#include <emscripten/bind.h>

#include <string>

#include "core/number_text.h"
#include "web/document_bindings.h"
#include "web/layout_rows.h"
#include "web/net_bindings.h"
#include "web/practice_bindings.h"
#include "web/web_form.h"

namespace {

void UseDecimalSeparator(const std::string& separator) { stereona::SetDecimalSeparator(separator); }

}  // namespace

EMSCRIPTEN_BINDINGS(stereona) {
  using stereona::web::WebForm;
  using stereona::web::WebPractice;
  emscripten::function("layoutRows", &stereona::web::LayoutRows);
  emscripten::function("windowFacts", &stereona::web::WindowFacts);
  emscripten::function("vocabulary", &stereona::web::Vocabulary);
  emscripten::function("drawingOf", &stereona::web::DrawingOf);
  emscripten::function("useDecimalSeparator", &UseDecimalSeparator);
  emscripten::function("sheetChoices", &stereona::web::SheetChoices);
  emscripten::function("practiceSheet", &stereona::web::PracticeSheet);
  emscripten::function("practiceCaptions", &stereona::web::PracticeCaptions);
  emscripten::function("netChoices", &stereona::web::NetChoices);
  emscripten::function("figureStyle", &stereona::web::FigureStyle);
  emscripten::class_<WebPractice>("Practice")
      .constructor<std::size_t, std::size_t>()
      .function("changeSettings", &WebPractice::ChangeSettings)
      .function("check", &WebPractice::Check)
      .function("hint", &WebPractice::Hint)
      .function("showSolution", &WebPractice::ShowSolution)
      .function("newProblem", &WebPractice::NewProblem)
      .function("toWindow", &WebPractice::ToWindow)
      .function("view", &WebPractice::View)
      .function("solid", &stereona::web::PracticeSolidOf);
  emscripten::class_<WebForm>("Form")
      .constructor<>()
      .function("setListener", &WebForm::SetListener)
      .function("reportAll", &WebForm::ReportAll)
      .function("load", &WebForm::Load)
      .function("click", &WebForm::Click)
      .function("type", &WebForm::Type)
      .function("chooseRow", &WebForm::ChooseRow)
      .function("state", &WebForm::State)
      .function("solutionDocument", &WebForm::SolutionDocument)
      .function("netView", &stereona::web::NetViewOf)
      .function("netSheet", &stereona::web::NetSheetOf)
      .function("solid", &stereona::web::WindowSolidOf);
}
