// The calculate and clear commands on one problem state, driven by a student
// script (body, unknown, four input texts, calculate, clear, in any order and
// number). After every command the output box holds a complete solution, the
// zero-test message alone, the refusal message, or, after a fault, the text
// that was there before or a solution cut off at the failing step.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "core/problem_state.h"
#include "fuzz/fuzz_check.h"
#include "solvers/body_solvers.h"
#include "solvers/frustum.h"
#include "tests/support/fake_controls.h"
#include "tests/support/student_script.h"

namespace {

using stereona::fuzz::Require;

constexpr std::size_t kMaxCommands = 64;
const std::string kSolutionEnd = "\r\n\r\n";
const std::string kRefusal = std::string(stereona::kRefusalMessage) + kSolutionEnd;

bool IsCompleteSolution(const std::string& text) {
  return text.ends_with(kSolutionEnd) && !text.starts_with(stereona::kRefusalMessage) &&
         text.find("=  =") == std::string::npos;
}

// The body the calculation solves: with none of the six selected, the cone.
std::size_t SolvedBody(const stereona::testing::FakeControls& controls) {
  const bool valid =
      controls.selectedBody >= 0 && controls.selectedBody < static_cast<int>(stereona::kBodyCount);
  return valid ? static_cast<std::size_t>(controls.selectedBody) : 0;
}

// The window always has one unknown selected among the body's quantities
// (choosing a body selects V), so the script's selection is kept within them.
void KeepUnknownWithinBody(stereona::testing::FakeControls& controls) {
  const auto count = static_cast<int>(stereona::kBodies[SolvedBody(controls)].quantityCount);
  if (controls.selectedUnknown < 0 || controls.selectedUnknown >= count) {
    controls.selectedUnknown = 0;
  }
}

void CheckCalculation(const stereona::Calculator& calculator,
                      const stereona::testing::FakeControls& controls) {
  const std::string& text = calculator.Output();
  if (text == stereona::kZeroKnownMessage || text == kRefusal) return;
  Require(IsCompleteSolution(text), "a calculation ends in a complete solution", text);
  const auto& state = calculator.State();
  const auto count = stereona::kBodies[SolvedBody(controls)].quantityCount;
  for (std::size_t k = 0; k < count; ++k) {
    if (static_cast<int>(k) != controls.selectedUnknown) {
      Require(state.Quantity[k] > 0, "known slots of a solved problem are positive", text);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view script(reinterpret_cast<const char*>(data), size);
  stereona::testing::FakeControls controls;
  stereona::Calculator calculator(controls, stereona::BodySolvers(), "start\r\n");
  stereona::testing::StudentScript student(controls, calculator);

  for (std::size_t commands = 0; !script.empty() && commands < kMaxCommands;) {
    const auto lineEnd = script.find('\n');
    const std::string_view line = script.substr(0, lineEnd);
    script = lineEnd == std::string_view::npos ? std::string_view{} : script.substr(lineEnd + 1);

    const std::string before = calculator.Output();
    const auto step = student.Apply(line);
    KeepUnknownWithinBody(controls);
    if (!step.button) continue;
    ++commands;

    const std::string& text = calculator.Output();
    Require(controls.shownOutputs.empty() ? text == "start\r\n" : text == controls.Shown(),
            "the box shows what the calculation wrote", text);
    Require(stereona::fuzz::HasNoNonNumbers(text), "no inf or nan in the output", text);
    if (*step.button == 1) {
      Require(text == before, "clear leaves the output alone", text);
      for (const auto& input : controls.inputs) Require(input.empty(), "clear empties inputs");
    } else if (step.fault) {
      Require(*step.fault == 5 || *step.fault == 6 || *step.fault == 11, "known fault number");
      Require(text == before || !text.ends_with(kSolutionEnd),
              "a fault leaves the earlier text or a cut-off solution", text);
    } else {
      CheckCalculation(calculator, controls);
    }
  }
  return 0;
}
