#include "form/window_surfaces.h"

#include <algorithm>
#include <cmath>

#include "core/fault.h"
#include "core/parse_number.h"
#include "form/control_arrays.h"

namespace stereona::form {
namespace {

// The last one selected, as the calculation finds it.
template <std::size_t N>
std::size_t Selected(const Form& form, const std::array<ControlIndex, N>& options) {
  std::size_t selected = 0;
  for (std::size_t k = 0; k < N; ++k) {
    if (form.State(options[k]).selected) selected = k;
  }
  return selected;
}

std::optional<double> Typed(const Form& form, std::size_t k) {
  const std::string& text = form.State(kText2[k]).text;
  if (std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return std::fabs(ParseNumber(text));
}

}  // namespace

surfaces::WindowProblem WindowProblemOf(const Form& form) {
  surfaces::WindowProblem problem;
  problem.body = Selected(form, kOption1);
  problem.unknown = Selected(form, kOption2);
  const std::size_t count = kBodies[problem.body].quantityCount;
  for (std::size_t k = 0; k < count; ++k) {
    if (k != problem.unknown) problem.values[k] = Typed(form, k);
  }

  const auto& solved = form.Solved();
  if (!solved || !solved->finished || solved->body != problem.body ||
      static_cast<std::size_t>(solved->given.UnknownIndex) != problem.unknown) {
    return problem;
  }
  for (std::size_t k = 0; k < count; ++k) {
    if (k != problem.unknown && problem.values[k] != solved->given.Quantity[k]) return problem;
  }
  const auto& result = form.Problem().Quantity;
  problem.solved = surfaces::SolvedUnknown{result[kNumeratorSlot], result[kDenominatorSlot]};
  return problem;
}

surfaces::SurfaceWorking WindowSurfaces(const Form& form) {
  try {
    return surfaces::SurfacesOfWindow(WindowProblemOf(form));
  } catch (const FloatingPointFault& fault) {
    surfaces::SurfaceWorking working;
    working.message = fault.what();
    working.fault = true;
    return working;
  }
}

}  // namespace stereona::form
