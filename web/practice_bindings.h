#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <string>

#include "practice/practice.h"

// «Упражнение» as the page sees it.
namespace stereona::web {

// The captions of «Упражнение» by the id of the page's element that shows
// each or is named by it (practice/captions.h, kCaptionedElements).
emscripten::val PracticeCaptions();

// One practice for the page's whole run, made when the pupil first opens
// it. The actions are practice.h's, one per button; after each the page
// shows View() again, whole.
class WebPractice {
 public:
  // The window's selected body and range give the first settings.
  WebPractice(std::size_t windowBody, std::size_t windowRange);

  // Settings as {bodies: [a boolean per body], anyUnknown, range}: the
  // refusal's message in Bulgarian, or undefined when taken.
  emscripten::val ChangeSettings(emscripten::val settings);
  void Check(const std::string& answer);
  void Hint();
  void ShowSolution();
  void NewProblem();

  // What «Към прозореца» types into the window: {body, unknown, inputs:
  // [a text per slot], typed: [a boolean per slot]}.
  emscripten::val ToWindow() const;

  // Everything the view shows: {settings, sentence, body, verdict, message,
  // hints, canHint, solution, canShowSolution, score, streak}.
  emscripten::val View() const;

  // The problem posed, for its drawing (net_bindings.h).
  const documents::PracticeProblem& Problem() const { return practice_.Problem(); }

 private:
  practice::Practice practice_;
};

}  // namespace stereona::web
