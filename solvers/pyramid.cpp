#include "core/checked_math.h"
#include "core/number_text.h"
#include "solvers/body_solvers.h"
#include "solvers/quantity_slots.h"

// V = H * a^2 / 3; no pi.
namespace stereona {

using namespace slots::pyramid;  // the names of the slots

using checked::Mul;
using checked::Sqrt;

void SolvePyramid(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;
  switch (state.UnknownIndex) {
    case 0:
      output.Replace({"V = (H * a * a )/ 3", kCrLf});
      output.Append({"V = (", NumberText(q[H]), " * ", NumberText(q[a]), " * ", NumberText(q[a]),
                     ") / 3", kCrLf});
      output.Append({"V = "});
      q[kNumeratorSlot] = Mul(Mul(q[H], q[a]), q[a]);
      q[kDenominatorSlot] = 3.0;
      break;
    case 1:
      output.Replace({"H = (3* V) / (a * a )", kCrLf});
      output.Append({"H = (3 * ", NumberText(q[V]), ") / (", NumberText(q[a]), " * ",
                     NumberText(q[a]), ")", kCrLf});
      output.Append({"H = "});
      q[kNumeratorSlot] = Mul(q[V], 3.0);
      q[kDenominatorSlot] = Mul(q[a], q[a]);
      break;
    case 2:
      output.Replace({"a = sqrt ((3* V) / H )", kCrLf});
      // Ends in ") = " like the root lines of the cone and the cylinder.
      output.Append({"a = sqrt (3 * ", NumberText(q[V]), " /  ", NumberText(q[H]), ") = "});
      q[kNumeratorSlot] = Sqrt(Mul(q[V], 3.0));
      q[kDenominatorSlot] = Sqrt(q[H]);
      break;
    default:
      break;
  }
}

}  // namespace stereona
