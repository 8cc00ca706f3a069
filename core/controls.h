#pragma once

#include <string>
#include <string_view>

namespace stereona {

// What the calculation needs of the window's controls. Indices are those of
// the control arrays: Text2(k) and Option2(k) for k 0..3, Option1(v) for v
// 0..5. Visibility and enabled state are never asked.
class Controls {
 public:
  virtual ~Controls() = default;

  virtual std::string InputText(int k) const = 0;
  virtual void SetInputText(int k, std::string_view text) = 0;
  virtual bool IsUnknownSelected(int k) const = 0;
  virtual bool IsBodySelected(int v) const = 0;

  // The whole text of the output box Text1(0), lines ending in CRLF.
  virtual void ShowOutput(std::string_view text) = 0;
};

}  // namespace stereona
