#pragma once

#include "core/calculator.h"

// One solver per body. Each reads only the slots of the known quantities,
// writes its lines through the output text and leaves the result in
// Quantity[18] (numerator) and Quantity[19] (denominator). Products are
// formed in a fixed order so that the shown fractions are reproducible.
namespace stereona {

void SolveCone(ProblemState& state, OutputText& output);
void SolveTruncatedCone(ProblemState& state, OutputText& output);
void SolvePyramid(ProblemState& state, OutputText& output);
void SolveTruncatedPyramid(ProblemState& state, OutputText& output);
void SolveCylinder(ProblemState& state, OutputText& output);
void SolveParallelepiped(ProblemState& state, OutputText& output);

// Indexed by body, in the order of kBodies.
const SolverTable& BodySolvers();

}  // namespace stereona
