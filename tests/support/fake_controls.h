#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/controls.h"

namespace stereona::testing {

// The window's controls as plain values: what the calculation reads and
// writes, and every text the output box was shown, in order.
class FakeControls : public Controls {
 public:
  std::array<std::string, 4> inputs{};
  int selectedUnknown = 0;  // -1: none selected
  int selectedBody = 0;     // -1: none selected
  std::vector<std::string> shownOutputs;

  std::string InputText(int k) const override { return inputs.at(static_cast<std::size_t>(k)); }
  void SetInputText(int k, std::string_view text) override {
    inputs.at(static_cast<std::size_t>(k)) = text;
  }
  bool IsUnknownSelected(int k) const override { return k == selectedUnknown; }
  bool IsBodySelected(int v) const override { return v == selectedBody; }
  void ShowOutput(std::string_view text) override { shownOutputs.emplace_back(text); }

  const std::string& Shown() const {
    static const std::string none;
    return shownOutputs.empty() ? none : shownOutputs.back();
  }
};

}  // namespace stereona::testing
