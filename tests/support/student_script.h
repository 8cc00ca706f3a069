#pragma once

#include <optional>
#include <string_view>

#include "core/calculator.h"
#include "tests/support/fake_controls.h"

namespace stereona::testing {

// One line of what a student does, as the golden files and the fuzzer write it:
//   body 1 / body none        select a body selector, or none
//   unknown 2 / unknown none  select an unknown selector, or none
//   inputs 462|7|x|3          the texts of Text2(0..3)
//   calculate / clear         press Command1(0) / Command1(1)
struct StepResult {
  bool known = false;         // a line this language has
  std::optional<int> button;  // the Command1 index pressed: 0 calculate, 1 clear
  std::optional<int> fault;   // the fault number that command raised
};

class StudentScript {
 public:
  StudentScript(FakeControls& controls, Calculator& calculator)
      : controls_(controls), calculator_(calculator) {}

  StepResult Apply(std::string_view line);

 private:
  FakeControls& controls_;
  Calculator& calculator_;
};

}  // namespace stereona::testing
