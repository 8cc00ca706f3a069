#include "documents/window_calculation.h"

#include "core/calculator.h"
#include "core/controls.h"
#include "core/output_text.h"
#include "solvers/body_solvers.h"

namespace stereona::documents {
namespace {

// The window's controls holding one problem: the calculator reads them as
// it reads the window, so its text is the text the window would show.
class ProblemControls final : public Controls {
 public:
  ProblemControls(std::size_t body, std::size_t unknown,
                  const std::array<std::string, kMaxQuantities>& inputs)
      : body_(static_cast<int>(body)), unknown_(static_cast<int>(unknown)), inputs_(inputs) {}

  std::string InputText(int k) const override { return inputs_.at(static_cast<std::size_t>(k)); }
  void SetInputText(int k, std::string_view text) override {
    inputs_.at(static_cast<std::size_t>(k)) = text;
  }
  bool IsUnknownSelected(int k) const override { return k == unknown_; }
  bool IsBodySelected(int v) const override { return v == body_; }
  void ShowOutput(std::string_view /*the calculator keeps the text*/) override {}

 private:
  int body_;
  int unknown_;
  std::array<std::string, kMaxQuantities> inputs_;
};

}  // namespace

WindowCalculation CalculateInWindow(std::size_t body, std::size_t unknown,
                                    const std::array<std::string, kMaxQuantities>& inputs) {
  ProblemControls controls(body, unknown, inputs);
  Calculator calculator(controls, BodySolvers(), "");
  calculator.Command1_Click(0);
  return {calculator.Output(), calculator.State()};
}

std::string SolverLines(std::size_t body, const ProblemState& state) {
  ProblemControls box(body, static_cast<std::size_t>(state.UnknownIndex), {});
  ProblemState again = state;
  OutputText output(box, "");
  BodySolvers().at(body)(again, output);
  return output.Text();
}

}  // namespace stereona::documents
