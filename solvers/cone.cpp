#include "core/checked_math.h"
#include "core/number_text.h"
#include "solvers/body_solvers.h"
#include "solvers/quantity_slots.h"

// V = pi * H * R^2 / 3 with pi = 22/7, carried as 22 over 21 (7 * 3).
namespace stereona {

using namespace slots::cone;  // the names of the slots

using checked::Mul;
using checked::Sqrt;

void SolveCone(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;
  switch (state.UnknownIndex) {
    case 0:
      output.Replace(
          {"V = pi*H*R*R/3 = (22/7)*(H * R * R / 3) = (22 * H * R * R ) / (7 * 3)", kCrLf});
      output.Append({"V = 22 * ", NumberText(q[H]), " * ", NumberText(q[R]), " * ",
                     NumberText(q[R]), " / 21 = "});
      q[kNumeratorSlot] = Mul(Mul(Mul(q[H], 22.0), q[R]), q[R]);
      q[kDenominatorSlot] = 21.0;
      break;
    case 1:
      output.Replace({"H = (3 * V) /(pi * R * R) = (3 * 7 * V) / 22 * R * R)", kCrLf});
      output.Append({"H = ( 21 * ", NumberText(q[V]), " / (22 * ", NumberText(q[R]), " * ",
                     NumberText(q[R]), ") = "});
      q[kNumeratorSlot] = Mul(q[V], 21.0);
      q[kDenominatorSlot] = Mul(Mul(q[R], 22.0), q[R]);
      break;
    case 2:
      output.Replace({"R = sqrt(3 * V / (pi * H)) = sqrt((3 * 7 * V ) / (22 * H) )", kCrLf});
      output.Append({"R = sqrt( 21 * ", NumberText(q[V]), " / (22 * ", NumberText(q[H]), ")) = "});
      q[kNumeratorSlot] = Sqrt(Mul(q[V], 21.0));
      q[kDenominatorSlot] = Sqrt(Mul(q[H], 22.0));
      break;
    default:
      break;
  }
}

}  // namespace stereona
