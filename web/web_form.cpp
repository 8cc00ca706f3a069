#include "web/web_form.h"

#include <utility>

#include "documents/solution_document.h"
#include "form/layout_table.h"
#include "form/vocabulary.h"
#include "web/css_colour.h"

namespace stereona::web {
using emscripten::val;

namespace {

// One property's value as the page shows it. Sent with each report, so that
// showing the start-up state does not ask for every control's whole state
// once per property.
val ValueOf(const form::ControlState& state, form::Property property) {
  switch (property) {
    case form::Property::Caption:
      return val(state.caption);
    case form::Property::Text:
      return val(state.text);
    case form::Property::Visible:
      return val(state.visible);
    case form::Property::Enabled:
      return val(state.enabled);
    case form::Property::Selected:
      return val(state.selected);
    case form::Property::Colour:
      return val(CssColour(state.back));
    case form::Property::CurrentRow:
      return val(state.currentRow);
  }
  return val::undefined();
}

}  // namespace

WebForm::WebForm() : listener_(val::null()) { form_.SetListener(this); }

WebForm::~WebForm() { form_.SetListener(nullptr); }

void WebForm::SetListener(val listener) { listener_ = std::move(listener); }

void WebForm::ReportAll() { form_.ReportAll(); }

void WebForm::Load() { form_.Form_Load(); }

void WebForm::Click(const std::string& control) { form_.Click(control); }

void WebForm::Type(const std::string& control, const std::string& text) {
  form_.Type(form::IndexOf(control), text);
}

void WebForm::ChooseRow(const std::string& control, int row) {
  form_.ChooseRow(form::IndexOf(control), row);
}

val WebForm::State(const std::string& control) const {
  const form::ControlIndex index = form::IndexOf(control);
  if (index >= form::kControlCount) return val::null();
  const form::ControlState& state = form_.State(index);
  val object = val::object();
  object.set("caption", state.caption);
  object.set("text", state.text);
  object.set("visible", state.visible);
  object.set("enabled", state.enabled);
  object.set("selected", state.selected);
  object.set("back", CssColour(state.back));
  object.set("currentRow", state.currentRow);
  return object;
}

// The page's listener catches what it throws itself: nothing thrown in
// JavaScript may unwind through the form.
void WebForm::ControlChanged(form::ControlIndex control, form::Property property) {
  if (listener_.isNull()) return;
  listener_.call<void>("controlChanged", std::string(form::kLayout[control].name),
                       std::string(form::NameOf(property)),
                       ValueOf(form_.State(control), property));
}

void WebForm::FaultRaised(const form::FaultReport& fault) {
  if (listener_.isNull()) return;
  val report = val::object();
  report.set("number", fault.number);
  report.set("description", std::string(fault.description));
  report.set("message", std::string(fault.message));
  listener_.call<void>("faultRaised", report);
}

std::string WebForm::SolutionDocument() const { return documents::SolutionDocument(form_); }

}  // namespace stereona::web
