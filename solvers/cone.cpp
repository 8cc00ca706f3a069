#include "core/checked_math.h"
#include "core/number_text.h"
#include "solvers/body_solvers.h"

// V = pi * H * R^2 / 3 with pi = 22/7, carried as 22 over 21 (7 * 3).
namespace stereona {

using checked::Mul;
using checked::Sqrt;

void SolveCone(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;  // 0 V, 1 H, 2 R
  switch (state.UnknownIndex) {
    case 0:
      output.Replace(
          {"V = pi*H*R*R/3 = (22/7)*(H * R * R / 3) = (22 * H * R * R ) / (7 * 3)", kCrLf});
      output.Append({"V = 22 * ", NumberText(q[1]), " * ", NumberText(q[2]), " * ",
                     NumberText(q[2]), " / 21 = "});
      q[kNumeratorSlot] = Mul(Mul(Mul(q[1], 22.0), q[2]), q[2]);
      q[kDenominatorSlot] = 21.0;
      break;
    case 1:
      output.Replace({"H = (3 * V) /(pi * R * R) = (3 * 7 * V) / 22 * R * R)", kCrLf});
      output.Append({"H = ( 21 * ", NumberText(q[0]), " / (22 * ", NumberText(q[2]), " * ",
                     NumberText(q[2]), ") = "});
      q[kNumeratorSlot] = Mul(q[0], 21.0);
      q[kDenominatorSlot] = Mul(Mul(q[2], 22.0), q[2]);
      break;
    case 2:
      output.Replace({"R = sqrt(3 * V / (pi * H)) = sqrt((3 * 7 * V ) / (22 * H) )", kCrLf});
      output.Append({"R = sqrt( 21 * ", NumberText(q[0]), " / (22 * ", NumberText(q[1]), ")) = "});
      q[kNumeratorSlot] = Sqrt(Mul(q[0], 21.0));
      q[kDenominatorSlot] = Sqrt(Mul(q[1], 22.0));
      break;
    default:
      break;
  }
}

}  // namespace stereona
