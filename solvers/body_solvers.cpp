#include "solvers/body_solvers.h"

namespace stereona {

const SolverTable& BodySolvers() {
  static constexpr SolverTable solvers = {
      SolveCone,     SolveTruncatedCone,  SolvePyramid, SolveTruncatedPyramid,
      SolveCylinder, SolveParallelepiped,
  };
  return solvers;
}

}  // namespace stereona
