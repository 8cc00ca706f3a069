#include "web/web_form.h"

#include <cctype>
#include <string>
#include <string_view>
#include <utility>

#include "documents/solution_document.h"
#include "form/control_arrays.h"
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

// A property's key in the state object: its name as JavaScript spells a
// member, "currentRow" for CurrentRow.
std::string KeyOf(std::string_view property) {
  std::string key(property);
  if (!key.empty()) key[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
  return key;
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
  val object = val::object();
  for (const auto& property : form::kProperties) {
    object.set(KeyOf(property.name), ValueOf(form_.State(index), property.word));
  }
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

std::string WebForm::SolutionDocument() const {
  return documents::SolutionDocument(form::kLayout[form::kLabel1[0]].text, form_.Solved(),
                                     form_.State(form::kOutputBox).text);
}

}  // namespace stereona::web
