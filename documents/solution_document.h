#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "form/form.h"

namespace stereona::documents {

// The solution of the last calculation as HTML: the body's name, the known
// values with their names and the unknown, as that calculation read them,
// then the solution text as the box shows it. Before any calculation there
// is no solution, and the document is the window's title alone.
std::string SolutionDocument(const std::optional<SolvedProblem>& solved, std::string_view solution);

// The same for the form's last calculation and its output box.
std::string SolutionDocument(const form::Form& form);

}  // namespace stereona::documents
