#include "core/checked_math.h"
#include "core/number_text.h"
#include "solvers/body_solvers.h"

// V = H * a^2 / 3; no pi.
namespace stereona {

using checked::Mul;
using checked::Sqrt;

void SolvePyramid(ProblemState& state, OutputText& output) {
  auto& q = state.Quantity;  // 0 V, 1 H, 2 a
  switch (state.UnknownIndex) {
    case 0:
      output.Replace({"V = (H * a * a )/ 3", kCrLf});
      output.Append({"V = (", NumberText(q[1]), " * ", NumberText(q[2]), " * ", NumberText(q[2]),
                     ") / 3", kCrLf});
      output.Append({"V = "});
      q[kNumeratorSlot] = Mul(Mul(q[1], q[2]), q[2]);
      q[kDenominatorSlot] = 3.0;
      break;
    case 1:
      output.Replace({"H = (3* V) / (a * a )", kCrLf});
      output.Append({"H = (3 * ", NumberText(q[0]), ") / (", NumberText(q[2]), " * ",
                     NumberText(q[2]), ")", kCrLf});
      output.Append({"H = "});
      q[kNumeratorSlot] = Mul(q[0], 3.0);
      q[kDenominatorSlot] = Mul(q[2], q[2]);
      break;
    case 2:
      output.Replace({"a = sqrt ((3* V) / H )", kCrLf});
      // Ends in ") = " like the root lines of the cone and the cylinder.
      output.Append({"a = sqrt (3 * ", NumberText(q[0]), " /  ", NumberText(q[1]), ") = "});
      q[kNumeratorSlot] = Sqrt(Mul(q[0], 3.0));
      q[kDenominatorSlot] = Sqrt(q[1]);
      break;
    default:
      break;
  }
}

}  // namespace stereona
