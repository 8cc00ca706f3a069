#include "form/form.h"

#include "core/fault.h"
#include "form/control_arrays.h"
#include "form/reference_text.h"
#include "solvers/body_solvers.h"

namespace stereona::form {
namespace {

bool HasCaption(ControlKind kind) {
  return kind != ControlKind::TextBox && kind != ControlKind::MultiLineTextBox &&
         kind != ControlKind::ListBox;
}

std::array<ControlState, kControlCount> InitialStates() {
  std::array<ControlState, kControlCount> states;
  for (ControlIndex i = 0; i < kControlCount; ++i) {
    const LayoutRow& row = kLayout[i];
    ControlState& state = states[i];
    (HasCaption(row.kind) ? state.caption : state.text) = row.text;
    state.visible = row.visible;
    state.back = row.back;
  }
  states[kOutputBox].text = ReferenceText();
  return states;
}

}  // namespace

Form::Form(SeedSource seed)
    : states_(InitialStates()),
      seed_(seed),
      calculator_(*this, BodySolvers(), std::string(ReferenceText())) {}

void Form::ReportAll() {
  for (ControlIndex control = 0; control < kControlCount; ++control) {
    for (const auto& property : kProperties) Notify(control, property.word);
  }
}

void Form::Click(ControlIndex control) {
  if (control >= kControlCount) return;
  const ControlState& state = states_[control];
  if (!state.visible || !state.enabled) return;
  switch (kLayout[control].kind) {
    case ControlKind::OptionButton:
      // A click on the selected button selects nothing new, but it is a
      // choice all the same and runs the handler.
      if (state.selected) {
        RunHandler(control);
      } else {
        Select(control);
      }
      break;
    case ControlKind::CommandButton:
      RunHandler(control);
      break;
    default:
      break;
  }
}

void Form::Click(std::string_view name) { Click(IndexOf(name)); }

void Form::Type(ControlIndex control, std::string_view text) {
  if (control >= kControlCount || kLayout[control].kind != ControlKind::TextBox) return;
  SetText(control, text);
}

void Form::ChooseRow(ControlIndex list, int row) {
  if (list >= kControlCount || kLayout[list].kind != ControlKind::ListBox) return;
  const ControlState& state = states_[list];
  if (!state.visible || !state.enabled) return;
  if (row < 0 || static_cast<std::size_t>(row) >= kLayout[list].items.size()) return;
  if (state.currentRow == row) {
    RunHandler(list);  // choosing the current row again fills again
  } else {
    SetCurrentRow(list, row);
  }
}

void Form::RunHandler(ControlIndex control) {
  if (const int k = IndexIn(kOption1, control); k >= 0) Option1_Click(static_cast<std::int16_t>(k));
  if (const int k = IndexIn(kOption2, control); k >= 0) Option2_Click(static_cast<std::int16_t>(k));
  if (const int k = IndexIn(kCommand1, control); k >= 0) {
    Command1_Click(static_cast<std::int16_t>(k));
  }
  if (control == kDiapazon) Diapazon_Click(0);
}

void Form::Command1_Click(std::int16_t index) {
  try {
    calculator_.Command1_Click(index);
  } catch (const FloatingPointFault& fault) {
    if (listener_) listener_->FaultRaised({fault.Number(), fault.Description(), fault.what()});
  }
}

template <typename Field, typename Value>
void Form::Change(ControlIndex control, Field ControlState::*field, const Value& value,
                  Property property) {
  Field& current = states_[control].*field;
  if (current == value) return;
  current = value;
  Notify(control, property);
}

void Form::SetCaption(ControlIndex control, std::string_view caption) {
  Change(control, &ControlState::caption, caption, Property::Caption);
}

void Form::SetText(ControlIndex control, std::string_view text) {
  Change(control, &ControlState::text, text, Property::Text);
}

void Form::SetVisible(ControlIndex control, bool visible) {
  Change(control, &ControlState::visible, visible, Property::Visible);
}

void Form::SetEnabled(ControlIndex control, bool enabled) {
  Change(control, &ControlState::enabled, enabled, Property::Enabled);
}

void Form::SetBackColour(ControlIndex control, BackColour colour) {
  Change(control, &ControlState::back, colour, Property::Colour);
}

void Form::Select(ControlIndex option) {
  if (states_[option].selected) return;  // no change, so no handler
  const std::string_view group = kLayout[option].container;
  for (ControlIndex i = 0; i < kControlCount; ++i) {
    if (i != option && states_[i].selected && kLayout[i].container == group) {
      states_[i].selected = false;
      Notify(i, Property::Selected);
    }
  }
  states_[option].selected = true;
  Notify(option, Property::Selected);
  RunHandler(option);
}

void Form::SetCurrentRow(ControlIndex list, int row) {
  if (states_[list].currentRow == row) return;  // no change, so no handler
  Change(list, &ControlState::currentRow, row, Property::CurrentRow);
  RunHandler(list);
}

void Form::Notify(ControlIndex control, Property property) {
  if (listener_) listener_->ControlChanged(control, property);
}

std::string Form::InputText(int k) const {
  return states_[kText2.at(static_cast<std::size_t>(k))].text;
}

void Form::SetInputText(int k, std::string_view text) {
  SetText(kText2.at(static_cast<std::size_t>(k)), text);
}

bool Form::IsUnknownSelected(int k) const {
  return states_[kOption2.at(static_cast<std::size_t>(k))].selected;
}

bool Form::IsBodySelected(int v) const {
  return states_[kOption1.at(static_cast<std::size_t>(v))].selected;
}

void Form::ShowOutput(std::string_view text) { SetText(kOutputBox, text); }

}  // namespace stereona::form
