#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/bodies.h"
#include "core/output_text.h"
#include "core/problem_state.h"

namespace stereona {

class Controls;

// A body's solver: writes the solution's lines and leaves the result as a
// numerator and a denominator in Quantity[18] and Quantity[19].
using Solver = void (*)(ProblemState& state, OutputText& output);
using SolverTable = std::array<Solver, kBodyCount>;

// A calculation that read all its inputs: its body and the state as it
// then stood, the values given and the unknown.
struct SolvedProblem {
  std::size_t body = 0;
  ProblemState given;
  // The solver ran and the result line was written: the state's slots 18
  // and 19 hold the unknown (0 over 0 when the solver refused). Not when a
  // known value was 0 or a fault ended the calculation.
  bool finished = false;
};

// The calculate and clear commands behind the two command buttons, over the
// problem state that lives as long as the window.
class Calculator {
 public:
  Calculator(Controls& controls, const SolverTable& solvers, std::string initialOutput);

  // 0 calculates, 1 clears the four inputs, any other index does nothing.
  // A FloatingPointFault ends the command at the failing step and reaches
  // the caller; the state and the text written before it stay.
  void Command1_Click(std::int16_t index);

  const ProblemState& State() const noexcept { return state_; }
  const std::string& Output() const noexcept { return output_.Text(); }
  // The problem of the last calculate command that read its inputs, refused
  // or not; nothing before the first. It is the problem the output box
  // shows: the body selected now may be another, and a fault while reading
  // an input leaves both the box and this as they were.
  const std::optional<SolvedProblem>& Solved() const noexcept { return solved_; }

 private:
  void Calculate();
  void Clear();
  std::size_t SelectedBody() const;
  void SolveSelectedBody();
  void AppendResultLine();

  Controls& controls_;
  const SolverTable& solvers_;
  ProblemState state_;
  OutputText output_;
  std::optional<SolvedProblem> solved_;
};

inline constexpr std::string_view kZeroKnownMessage =
    "Въведените коефициенти на известните да са <>0!";
// A solver's refusal of its problem (a quadratic with no root that is a
// length): the whole output, and 0 over 0 for a result.
inline constexpr std::string_view kRefusalMessage = "Некоректно въведени данни!";

}  // namespace stereona
