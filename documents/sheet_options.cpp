#include "documents/sheet_options.h"

#include <algorithm>
#include <string>

#include "core/parse_number.h"
#include "core/ranges.h"
#include "documents/distinct_problems.h"

namespace stereona::documents {

void Validate(const SheetOptions& options) {
  if (std::none_of(options.bodies.begin(), options.bodies.end(), [](bool on) { return on; })) {
    throw SheetOptionsError("Изберете поне едно тяло.");
  }
  if (options.problemCount < 1 || options.problemCount > kMaxProblems) {
    throw SheetOptionsError("Броят на задачите трябва да е от 1 до " +
                            std::to_string(kMaxProblems) + ".");
  }
  if (options.range >= kRanges.size()) {
    throw SheetOptionsError("Диапазонът трябва да е един от " + std::to_string(kRanges.size()) +
                            "-те диапазона на прозореца.");
  }
  if (options.sheetNumber < 1 || options.sheetNumber > kMaxSheetNumber) {
    throw SheetOptionsError("Номерът на листа трябва да е от 1 до " +
                            std::to_string(kMaxSheetNumber) + ".");
  }
  if (options.variantCount < 1 || options.variantCount > kMaxVariants) {
    throw SheetOptionsError("Броят на вариантите трябва да е от 1 до " +
                            std::to_string(kMaxVariants) + ".");
  }
  RequireDistinctProblems(options, static_cast<std::size_t>(options.problemCount));
}

double RangeLimit(std::size_t range) { return ParseNumber(kRanges.at(range)); }

}  // namespace stereona::documents
