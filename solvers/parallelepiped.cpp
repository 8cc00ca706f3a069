#include <array>
#include <string_view>

#include "core/checked_math.h"
#include "core/number_text.h"
#include "solvers/body_solvers.h"

namespace stereona {
namespace {

using checked::Mul;

// Slots: 0 V, 1 a, 2 b, 3 c.
struct EdgeCase {
  std::string_view formula;
  std::string_view lineStart;
  std::size_t p;  // the earlier known edge
  std::size_t q;  // the later known edge
};

constexpr std::array<EdgeCase, 3> kEdgeCases = {{
    {"a = V / (b * c)", "a = ", 2, 3},
    {"b = V / (a * c)", "b = ", 1, 3},
    {"c = V / (a * b)", "c = ", 1, 2},
}};

}  // namespace

void SolveParallelepiped(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;
  if (state.UnknownIndex == 0) {
    output.Replace({"V = a * b * c", kCrLf});
    output.Append({"V = ", NumberText(q[1]), " * ", NumberText(q[2]), " * ", NumberText(q[3])});
    q[kNumeratorSlot] = Mul(Mul(q[2], q[1]), q[3]);
    q[kDenominatorSlot] = 1.0;
    return;
  }
  if (state.UnknownIndex < 1 || state.UnknownIndex > 3) return;

  const EdgeCase& edge = kEdgeCases[static_cast<std::size_t>(state.UnknownIndex - 1)];
  output.Replace({edge.formula, kCrLf});
  output.Append({edge.lineStart, NumberText(q[0]), " / (", NumberText(q[edge.p]), " * ",
                 NumberText(q[edge.q]), ") = "});
  q[kNumeratorSlot] = q[0];
  q[kDenominatorSlot] = Mul(q[edge.q], q[edge.p]);
}

}  // namespace stereona
