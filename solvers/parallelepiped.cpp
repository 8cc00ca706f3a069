#include <array>
#include <string_view>

#include "core/checked_math.h"
#include "core/number_text.h"
#include "solvers/body_solvers.h"
#include "solvers/quantity_slots.h"

namespace stereona {

using namespace slots::parallelepiped;  // the names of the slots
namespace {

using checked::Mul;

struct EdgeCase {
  std::string_view formula;
  std::string_view lineStart;
  std::size_t p;  // the earlier known edge
  std::size_t q;  // the later known edge
};

constexpr std::array<EdgeCase, 3> kEdgeCases = {{
    {"a = V / (b * c)", "a = ", b, c},
    {"b = V / (a * c)", "b = ", a, c},
    {"c = V / (a * b)", "c = ", a, b},
}};

}  // namespace

void SolveParallelepiped(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;
  if (state.UnknownIndex == 0) {
    output.Replace({"V = a * b * c", kCrLf});
    output.Append({"V = ", NumberText(q[a]), " * ", NumberText(q[b]), " * ", NumberText(q[c])});
    q[kNumeratorSlot] = Mul(Mul(q[b], q[a]), q[c]);
    q[kDenominatorSlot] = 1.0;
    return;
  }
  if (state.UnknownIndex < 1 || state.UnknownIndex > 3) return;

  const EdgeCase& edge = kEdgeCases[static_cast<std::size_t>(state.UnknownIndex - 1)];
  output.Replace({edge.formula, kCrLf});
  output.Append({edge.lineStart, NumberText(q[V]), " / (", NumberText(q[edge.p]), " * ",
                 NumberText(q[edge.q]), ") = "});
  q[kNumeratorSlot] = q[V];
  q[kDenominatorSlot] = Mul(q[edge.q], q[edge.p]);
}

}  // namespace stereona
