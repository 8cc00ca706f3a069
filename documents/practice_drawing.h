#pragma once

#include "documents/practice_problem.h"
#include "drawings/figure.h"

namespace stereona::documents {

// The practice problem's solid drawn to its numbers: the values the
// sentence gives written on it as the sentence writes them, «?» for the
// one asked for.
figures::Figure PracticeSolid(const PracticeProblem& problem);

}  // namespace stereona::documents
