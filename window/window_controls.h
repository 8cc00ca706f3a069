#pragma once

#include "core/controls.h"
#include "window/control_arrays.h"

namespace stereona::window {

// The calculation's view of the window: the texts of the inputs, which
// selectors are selected, and the output box, which is only ever written.
class WindowControls : public Controls {
 public:
  explicit WindowControls(const ControlArrays& controls) : controls_(controls) {}

  std::string InputText(int k) const override;
  void SetInputText(int k, std::string_view text) override;
  bool IsUnknownSelected(int k) const override;
  bool IsBodySelected(int v) const override;
  void ShowOutput(std::string_view text) override;

 private:
  const ControlArrays& controls_;
};

}  // namespace stereona::window
