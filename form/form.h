#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/calculator.h"
#include "core/controls.h"
#include "core/random_source.h"
#include "form/control_state.h"
#include "form/form_listener.h"
#include "form/layout_table.h"

namespace stereona::form {

// Where start-up takes the seed of the random sequence from: the clock,
// or a fixed seed in tests.
using SeedSource = std::uint32_t (*)();

// The window Stereo_Calc without a toolkit: the state of its controls, the
// handlers of its control arrays, the random sequence and the calculator.
//
// A face builds its controls from kLayout, listens, asks for ReportAll() to
// show the state as it is, calls Form_Load() once, and then forwards the
// student's actions. Every
// handler runs to its end inside the call that raised it; a control selected
// from code runs its handler at once, nested in the statement that selected
// it, and only when its selection changes.
class Form : private Controls {
 public:
  explicit Form(SeedSource seed = ClockSeed);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void SetListener(FormListener* listener) noexcept { listener_ = listener; }

  // Reports every property of every control to the listener, as if each had
  // just changed: how a face shows the whole state, the first one included.
  void ReportAll();

  // Start-up: seeds the sequence, chooses the first range, the cone and the
  // volume as unknown.
  void Form_Load();

  // The student's actions. A click on an option button selects it and runs
  // its handler, also when it was selected already; a click on a command
  // button presses it. Choosing a list row makes it current and fills the
  // inputs, also when it was current already. A click or a choice on a
  // control that is hidden or disabled, or of the wrong kind, does nothing.
  // Typing replaces an input's text, as the face reports it, and runs
  // nothing; only text boxes take it.
  void Click(ControlIndex control);
  void Click(std::string_view name);
  void Type(ControlIndex control, std::string_view text);
  void ChooseRow(ControlIndex list, int row);

  const ControlState& State(ControlIndex control) const { return states_.at(control); }
  const ProblemState& Problem() const noexcept { return calculator_.State(); }
  const std::optional<SolvedProblem>& Solved() const noexcept { return calculator_.Solved(); }
  RandomSource& Random() noexcept { return random_; }

 private:
  // The handlers, named after the control array and the event.
  void Option1_Click(std::int16_t index);
  void Option2_Click(std::int16_t index);
  void Diapazon_Click(std::int16_t index);
  void Command1_Click(std::int16_t index);

  // What code does to a control, as the window system would: each setter
  // reports a change, and selecting runs the control's handler.
  template <typename Field, typename Value>
  void Change(ControlIndex control, Field ControlState::*field, const Value& value,
              Property property);
  void SetCaption(ControlIndex control, std::string_view caption);
  void SetText(ControlIndex control, std::string_view text);
  void SetVisible(ControlIndex control, bool visible);
  void SetEnabled(ControlIndex control, bool enabled);
  void SetBackColour(ControlIndex control, BackColour colour);
  void Select(ControlIndex option);
  void SetCurrentRow(ControlIndex list, int row);

  void LabelCommonSelectors();
  void ShowQuantitiesOf(std::size_t body);
  void MarkInput(std::size_t k, BackColour colour, bool enabled);
  void RunHandler(ControlIndex control);
  void Notify(ControlIndex control, Property property);

  // The calculator's view of the controls.
  std::string InputText(int k) const override;
  void SetInputText(int k, std::string_view text) override;
  bool IsUnknownSelected(int k) const override;
  bool IsBodySelected(int v) const override;
  void ShowOutput(std::string_view text) override;

  std::array<ControlState, kControlCount> states_;
  SeedSource seed_;
  FormListener* listener_ = nullptr;
  RandomSource random_;
  Calculator calculator_;
};

}  // namespace stereona::form
