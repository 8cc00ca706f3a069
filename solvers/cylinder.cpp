#include "core/checked_math.h"
#include "core/number_text.h"
#include "solvers/body_solvers.h"
#include "solvers/quantity_slots.h"

// V = pi * H * R^2 with pi = 22/7, carried as 22 over 7.
namespace stereona {

using namespace slots::cylinder;  // the names of the slots

using checked::Mul;
using checked::Sqrt;

void SolveCylinder(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;
  switch (state.UnknownIndex) {
    case 0:
      output.Replace({"V = pi * H * R *R = (22 * H * R *R) / 7", kCrLf});
      output.Append({"V = 22 * ", NumberText(q[H]), " * ", NumberText(q[R]), " * ",
                     NumberText(q[R]), " / 7 = "});
      q[kNumeratorSlot] = Mul(Mul(Mul(q[H], 22.0), q[R]), q[R]);
      q[kDenominatorSlot] = 7.0;
      break;
    case 1:
      output.Replace({"H = V / (pi  R *R) = (7 * V) /(22 * R * R)", kCrLf});
      output.Append({"H = 7 * ", NumberText(q[V]), " / ( 22 * ", NumberText(q[R]), " * ",
                     NumberText(q[R]), " = "});
      q[kNumeratorSlot] = Mul(q[V], 7.0);
      q[kDenominatorSlot] = Mul(Mul(q[R], 22.0), q[R]);
      break;
    case 2:
      output.Replace({"R = sqrt (V / (pi * H ) = sqrt ((7 * V) /(22 * H))", kCrLf});
      output.Append({" R = sqrt (7 * ", NumberText(q[V]), " / 22 *", NumberText(q[H]), ") = "});
      q[kNumeratorSlot] = Sqrt(Mul(q[V], 7.0));
      q[kDenominatorSlot] = Sqrt(Mul(q[H], 22.0));
      break;
    default:
      break;
  }
}

}  // namespace stereona
