#include "tests/support/student_script.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/fault.h"

namespace stereona::testing {
namespace {

std::optional<int> IndexOrNone(std::string_view word) {
  if (word == "none") return -1;
  int index = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), index);
  if (error != std::errc{} || end != word.data() + word.size()) return std::nullopt;
  return index;
}

void SetInputs(FakeControls& controls, std::string_view list) {
  for (std::size_t k = 0; k < controls.inputs.size(); ++k) {
    const auto bar = list.find('|');
    controls.inputs[k] = std::string(list.substr(0, bar));
    list = bar == std::string_view::npos ? std::string_view{} : list.substr(bar + 1);
  }
}

}  // namespace

StepResult StudentScript::Apply(std::string_view line) {
  const auto space = line.find(' ');
  const std::string_view verb = line.substr(0, space);
  const std::string_view rest = space == std::string_view::npos ? "" : line.substr(space + 1);
  StepResult result;

  if (verb == "body" || verb == "unknown") {
    const auto index = IndexOrNone(rest);
    if (!index) return result;
    (verb == "body" ? controls_.selectedBody : controls_.selectedUnknown) = *index;
    result.known = true;
  } else if (verb == "inputs") {
    SetInputs(controls_, rest);
    result.known = true;
  } else if (verb == "calculate" || verb == "clear") {
    result.known = true;
    result.button = verb == "calculate" ? 0 : 1;
    try {
      calculator_.Command1_Click(static_cast<std::int16_t>(*result.button));
    } catch (const FloatingPointFault& fault) {
      result.fault = fault.Number();
    }
  }
  return result;
}

}  // namespace stereona::testing
