#pragma once

#include "documents/sheet_options.h"

namespace stereona::bench {

// The largest sheet: every body, any unknown, 40 problems in 4 variants,
// values up to 100000.
inline documents::SheetOptions LargestSheet() {
  documents::SheetOptions options;
  options.volumeOnly = false;
  options.problemCount = documents::kMaxProblems;
  options.variantCount = documents::kMaxVariants;
  options.range = 4;
  options.sheetNumber = 4242;
  return options;
}

}  // namespace stereona::bench
