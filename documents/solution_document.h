#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calculator.h"

namespace stereona::documents {

// The solution of the last calculation as HTML: the body's name, the known
// values with their names and the unknown, as that calculation read them,
// then the solution text as the box shows it. Before any calculation there
// is no solution, and the document is the window's title alone. The caller
// hands in what its window shows: its title, its last calculation and the
// text of its output box.
std::string SolutionDocument(std::string_view title, const std::optional<SolvedProblem>& solved,
                             std::string_view solution);

}  // namespace stereona::documents
