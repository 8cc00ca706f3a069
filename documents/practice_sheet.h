#pragma once

#include <string>
#include <vector>

#include "documents/practice_problem.h"
#include "documents/sheet_options.h"

namespace stereona::documents {

// The problems of every variant, drawn in order from one sequence seeded
// with the sheet's number: the first variant is the same whatever the
// number of variants. No two problems of a variant are alike. Throws
// SheetOptionsError for options out of bounds.
std::vector<std::vector<PracticeProblem>> DrawVariants(const SheetOptions& options);

// The practice sheet as HTML: for each variant a page with the title, a
// line for the pupil's name and class and the numbered problems, then,
// after a page break, its answer key. The same options give the same bytes
// on every platform (for the same decimal separator, which only the key's
// fractions show: every value a problem gives is whole).
std::string PracticeSheet(const SheetOptions& options);

}  // namespace stereona::documents
