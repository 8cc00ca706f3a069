#include "web/practice_bindings.h"

#include <optional>
#include <string>

#include "core/ranges.h"
#include "practice/captions.h"
#include "web/document_bindings.h"

namespace stereona::web {

using emscripten::val;

namespace {

template <typename Items>
val ArrayOf(const Items& items) {
  val array = val::array();
  for (const auto& item : items) array.call<void>("push", item);
  return array;
}

val SettingsView(const practice::PracticeSettings& settings) {
  val view = val::object();
  view.set("bodies", ArrayOf(settings.bodies));
  view.set("anyUnknown", settings.anyUnknown);
  view.set("range", settings.range);
  return view;
}

}  // namespace

val PracticeCaptions() {
  val captions = val::object();
  for (const auto& [id, caption] : practice::kCaptionedElements) {
    captions.set(std::string(id), std::string(practice::kPracticeCaptions.*caption));
  }
  return captions;
}

WebPractice::WebPractice(std::size_t windowBody, std::size_t windowRange)
    : practice_(practice::DefaultSettings(windowBody, windowRange)) {}

val WebPractice::ChangeSettings(val settings) {
  practice::PracticeSettings chosen;
  for (std::size_t v = 0; v < kBodyCount; ++v) chosen.bodies[v] = settings["bodies"][v].as<bool>();
  chosen.anyUnknown = settings["anyUnknown"].as<bool>();
  const long long range = WholeNumber(settings["range"]);
  // Out of bounds: an index the window has not, which the practice refuses.
  chosen.range = range < 0 ? kRanges.size() : static_cast<std::size_t>(range);
  const std::optional<std::string> refused = practice_.ChangeSettings(chosen);
  return refused ? val(*refused) : val::undefined();
}

void WebPractice::Check(const std::string& answer) { practice_.Check(answer); }
void WebPractice::Hint() { practice_.Hint(); }
void WebPractice::ShowSolution() { practice_.ShowSolution(); }
void WebPractice::NewProblem() { practice_.NewProblem(); }

val WebPractice::ToWindow() const {
  const practice::WindowInput input = practice_.ToWindow();
  val typed = val::object();
  typed.set("body", input.body);
  typed.set("unknown", input.unknown);
  typed.set("inputs", ArrayOf(input.inputs));
  typed.set("typed", ArrayOf(input.typed));
  return typed;
}

val WebPractice::View() const {
  const practice::Feedback& feedback = practice_.LastFeedback();
  val view = val::object();
  view.set("settings", SettingsView(practice_.Settings()));
  view.set("sentence", practice_.Sentence());
  view.set("body", practice_.Body());
  view.set("verdict", feedback.verdict);
  view.set("message", feedback.message);
  view.set("hints", ArrayOf(practice_.Hints()));
  view.set("canHint", practice_.CanHint());
  view.set("solution", practice_.Solution());
  view.set("canShowSolution", practice_.CanShowSolution());
  view.set("score", practice_.ScoreLine());
  view.set("streak", practice_.StreakLine());
  return view;
}

}  // namespace stereona::web
